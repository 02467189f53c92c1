// An item of the language menu: the language's name as caption, its short code as hint, its
// flag by index into the window's flag list, and its index into the window's language lists as
// tag.
#pragma once

#include <QAction>

namespace kthread {

class TUPopupMenuExtItem : public QAction {
    Q_OBJECT
public:
    // The caption is shown as it is: "&" marks no shortcut letter.
    TUPopupMenuExtItem(const QString& caption, QObject* parent);

    QString caption() const { return m_caption; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index) { m_imageIndex = index; }

private:
    QString m_caption;
    int m_tag = 0;
    int m_imageIndex = -1;
};

} // namespace kthread
