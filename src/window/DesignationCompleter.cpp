#include "window/DesignationCompleter.h"

#include "engine/designation/DesignationCatalogue.h"

#include <QStringListModel>

namespace kthread {

DesignationCompleter::DesignationCompleter(QObject* parent)
    : QCompleter(parent), m_model(new QStringListModel(this)) {
    setModel(m_model);
    setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setCaseSensitivity(Qt::CaseInsensitive);
    setMaxVisibleItems(kMaxCandidates);
}

void DesignationCompleter::setPrefix(const QString& prefix) {
    QStringList texts;
    if (!prefix.trimmed().isEmpty()) {
        const std::vector<std::string> found =
            designation::CompleteDesignations(prefix.toStdString(), kMaxCandidates);
        texts.reserve(static_cast<qsizetype>(found.size()));
        for (const std::string& text : found) {
            texts.append(QString::fromStdString(text));
        }
    }
    m_model->setStringList(texts);
}

QStringList DesignationCompleter::candidates() const {
    return m_model->stringList();
}

} // namespace kthread
