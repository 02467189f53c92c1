// A non-visual component holding a collection of named pictures (TPicItem), as a form carries
// them. Its data is the items in order, each as a signed 32-bit little-endian byte count
// followed by that many bytes of the item's "Data" property; an item without graphic has no
// property and a count of 0.
#pragma once

#include "resources/pictures/TPicItem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>
#include <vector>

namespace kthread {

class TPicHolder : public QObject {
    Q_OBJECT
public:
    explicit TPicHolder(QObject* parent = nullptr);

    std::vector<TPicItem>& Pictures() { return FPictures; }
    const std::vector<TPicItem>& Pictures() const { return FPictures; }

    // Replaces the pictures by those of `data`. False, with no pictures, when an item or its
    // byte count is cut short.
    bool Load(QByteArrayView data);
    // Load() of a file's contents (also a resource, ":/..."); false when it cannot be read.
    bool LoadFile(const QString& path);
    QByteArray Save() const;

    // The first picture whose name equals `name` exactly (case-sensitive); null when none does.
    const TPicItem* Find(QByteArrayView name) const;

private:
    std::vector<TPicItem> FPictures;
};

} // namespace kthread
