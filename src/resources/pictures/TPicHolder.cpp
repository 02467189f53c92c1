#include "resources/pictures/TPicHolder.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstdint>

namespace kthread {

namespace {

constexpr qsizetype kCountSize = 4;

} // namespace

TPicHolder::TPicHolder(QObject* parent) : QObject(parent) {}

bool TPicHolder::Load(QByteArrayView data) {
    FPictures.clear();
    std::vector<TPicItem> pictures;
    qsizetype offset = 0;
    while (offset < data.size()) {
        if (data.size() - offset < kCountSize) {
            return false;
        }
        const std::int32_t count = qFromLittleEndian<std::int32_t>(data.data() + offset);
        offset += kCountSize;
        if (count < 0 || data.size() - offset < count) {
            return false;
        }
        if (count == 0) {
            pictures.emplace_back();
            continue;
        }
        std::optional<TPicItem> item = TPicItem::ReadData(data.sliced(offset, count));
        if (!item) {
            return false;
        }
        pictures.push_back(std::move(*item));
        offset += count;
    }
    FPictures = std::move(pictures);
    return true;
}

bool TPicHolder::LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        FPictures.clear();
        return false;
    }
    return Load(file.readAll());
}

QByteArray TPicHolder::Save() const {
    QByteArray data;
    for (const TPicItem& item : FPictures) {
        const std::optional<QByteArray> property = item.WriteData();
        const auto count = static_cast<std::int32_t>(property ? property->size() : 0);
        char countBytes[kCountSize];
        qToLittleEndian(count, countBytes);
        data.append(countBytes, kCountSize);
        if (property) {
            data.append(*property);
        }
    }
    return data;
}

const TPicItem* TPicHolder::Find(QByteArrayView name) const {
    const auto found = std::find_if(FPictures.begin(), FPictures.end(),
                                    [name](const TPicItem& item) { return item.Name() == name; });
    return found == FPictures.end() ? nullptr : &*found;
}

} // namespace kthread
