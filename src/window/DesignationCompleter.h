// Type-ahead for the designation field: the designations that begin like the typed text, from
// the designation catalogue, in a popup that shows them as they are (the catalogue's matching
// ignores blanks, case and separators, so the completer must not filter them again).
#pragma once

#include <QCompleter>

class QStringListModel;

namespace kthread {

class DesignationCompleter : public QCompleter {
    Q_OBJECT
public:
    explicit DesignationCompleter(QObject* parent = nullptr);

    // Replaces the candidates by those for `prefix`; an empty prefix offers none.
    void setPrefix(const QString& prefix);

    QStringList candidates() const;

    // How many candidates the popup offers at most.
    static constexpr int kMaxCandidates = 20;

private:
    QStringListModel* m_model;
};

} // namespace kthread
