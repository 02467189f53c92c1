// Sets the default QLocale for the life of a test case and puts the previous one back.
#pragma once

#include <QLocale>

namespace kthread::test {

class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(m_saved); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale m_saved = QLocale();
};

} // namespace kthread::test
