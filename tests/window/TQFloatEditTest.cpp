// The numeric field driven by keyboard, clipboard and focus, under the locale the test runs in.
#include "window/TQFloatEdit.h"
#include "window/NumberTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using kthread::NumberKind;
using kthread::TQFloatEdit;

namespace {

QString Local(const char* text) {
    return QString::fromLatin1(text).replace(QLatin1Char('.'), kthread::LocaleDecimalPoint());
}

} // namespace

class TQFloatEditTest : public QObject {
    Q_OBJECT

private:
    QWidget* m_form = nullptr;
    TQFloatEdit* m_decimal = nullptr; // 0 .. 100, like the pitch
    TQFloatEdit* m_integer = nullptr; // 0 .. 59, like the minutes
    TQFloatEdit* m_poisson = nullptr; // 0.01 .. 1
    TQFloatEdit* m_other = nullptr;

    void focus(TQFloatEdit* edit) {
        edit->setFocus(Qt::TabFocusReason);
        QVERIFY(edit->hasFocus());
    }
    void retype(TQFloatEdit* edit, const QString& keys) {
        focus(edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }

private slots:
    void init() {
        m_form = new QWidget;
        auto* layout = new QVBoxLayout(m_form);
        m_decimal = new TQFloatEdit(NumberKind::Decimal, 0, 100, m_form);
        m_integer = new TQFloatEdit(NumberKind::Integer, 0, 59, m_form);
        m_poisson = new TQFloatEdit(NumberKind::Decimal, 0.01, 1, m_form);
        m_other = new TQFloatEdit(NumberKind::Decimal, 0, 0, m_form);
        for (QWidget* w : {static_cast<QWidget*>(m_decimal), static_cast<QWidget*>(m_integer),
                           static_cast<QWidget*>(m_poisson), static_cast<QWidget*>(m_other)}) {
            layout->addWidget(w);
        }
        m_decimal->setText(QStringLiteral("5"));
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
    void cleanup() { delete m_form; }

    void typedMarksReadAlike_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("expected");
        QTest::newRow("comma") << QStringLiteral("12,5") << 12.5;
        QTest::newRow("point") << QStringLiteral("12.5") << 12.5;
        QTest::newRow("second mark ignored") << QStringLiteral("1.2.5") << 1.25;
        QTest::newRow("letters ignored") << QStringLiteral("1x2 ") << 12.0;
        QTest::newRow("minus only at start") << QStringLiteral("-3-4") << -34.0;
        QTest::newRow("exponent") << QStringLiteral("1e-2") << 0.01;
    }
    void typedMarksReadAlike() {
        QFETCH(QString, keys);
        QFETCH(double, expected);
        retype(m_decimal, keys);
        QCOMPARE(m_decimal->value(), expected);
        // Whatever was typed, the field shows the locale's own mark.
        const QString other = kthread::LocaleDecimalPoint() == QStringLiteral(".")
                                  ? QStringLiteral(",")
                                  : QStringLiteral(".");
        QVERIFY(!m_decimal->text().contains(other));
    }

    void integerFieldTakesDigitsAndLeadingMinusOnly() {
        retype(m_integer, QStringLiteral("4.5e+-"));
        QCOMPARE(m_integer->text(), QStringLiteral("45"));
        retype(m_integer, QStringLiteral("-7"));
        QCOMPARE(m_integer->text(), QStringLiteral("-7"));
    }

    void writeClampsAndFormats_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<double>("written");
        QTest::addColumn<QString>("shown");
        QTest::newRow("above maximum") << 0 << 150.0 << QStringLiteral("100");
        QTest::newRow("general form") << 0 << 0.0590551 << Local("0.0590551");
        QTest::newRow("below minimum") << 2 << 0.001 << Local("0.01");
        QTest::newRow("integer rounds half to even") << 1 << 2.5 << QStringLiteral("2");
        QTest::newRow("integer rounds up") << 1 << 2.6 << QStringLiteral("3");
        QTest::newRow("no limits, no clamp") << 3 << -5.5 << Local("-5.5");
    }
    void writeClampsAndFormats() {
        QFETCH(int, field);
        QFETCH(double, written);
        QFETCH(QString, shown);
        TQFloatEdit* edits[] = {m_decimal, m_integer, m_poisson, m_other};
        edits[field]->setValue(written);
        QCOMPARE(edits[field]->text(), shown);
    }

    void writeRaisesChangeOnlyWhenTextChanges() {
        m_decimal->setValue(1.5);
        QSignalSpy changes(m_decimal, &QLineEdit::textChanged);
        m_decimal->setValue(1.5);
        QCOMPARE(changes.count(), 0);
        m_decimal->setValue(2);
        QCOMPARE(changes.count(), 1);
    }

    void typedValueAboveMaximumStaysUntilLeaving() {
        retype(m_decimal, QStringLiteral("150"));
        QCOMPARE(m_decimal->text(), QStringLiteral("150"));
        QCOMPARE(m_decimal->value(), 150.0);
        focus(m_other);
        QCOMPARE(m_decimal->text(), QStringLiteral("100"));
    }

    void leavingSettles_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("read");
        QTest::addColumn<QString>("settled");
        QTest::newRow("empty") << QString() << 0.0 << QStringLiteral("0");
        QTest::newRow("lone minus") << QStringLiteral("-") << 0.0 << QStringLiteral("0");
        QTest::newRow("negative to minimum") << QStringLiteral("-2") << -2.0 << QStringLiteral("0");
        QTest::newRow("in range kept") << QStringLiteral("42") << 42.0 << QStringLiteral("42");
    }
    void leavingSettles() {
        QFETCH(QString, keys);
        QFETCH(double, read);
        QFETCH(QString, settled);
        retype(m_decimal, keys);
        QCOMPARE(m_decimal->value(), read);
        focus(m_other);
        QCOMPARE(m_decimal->text(), settled);
    }

    void leavingRaisesSmallValueToMinimum() {
        retype(m_poisson, QStringLiteral("0.001"));
        focus(m_other);
        QCOMPARE(m_poisson->text(), Local("0.01"));
    }

    void escapeRestoresTextOnEntry() {
        m_decimal->setText(QStringLiteral("7"));
        focus(m_other);
        focus(m_decimal);
        QTest::keyClick(m_decimal, Qt::Key_End);
        QTest::keyClicks(m_decimal, QStringLiteral("89"));
        QCOMPARE(m_decimal->text(), QStringLiteral("789"));
        QTest::keyClick(m_decimal, Qt::Key_Escape);
        QCOMPARE(m_decimal->text(), QStringLiteral("7"));
    }

    void escapeInTheFirstFocusedFieldRestoresItsText() {
        // The field that receives the focus when the window is activated counts as entered.
        QVERIFY(m_decimal->hasFocus());
        QTest::keyClicks(m_decimal, QStringLiteral("12"));
        QCOMPARE(m_decimal->text(), QStringLiteral("512"));
        QTest::keyClick(m_decimal, Qt::Key_Escape);
        QCOMPARE(m_decimal->text(), QStringLiteral("5"));
    }

    void pasteFollowsTheRules_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        QTest::newRow("other mark") << QStringLiteral(" 2,54") << Local("2.54");
        QTest::newRow("point mark") << QStringLiteral("2.54") << Local("2.54");
        QTest::newRow("word refused") << QStringLiteral("abc") << QString();
        QTest::newRow("unit refused") << QStringLiteral("2.54 mm") << QString();
    }
    void pasteFollowsTheRules() {
        QFETCH(QString, clipboard);
        QFETCH(QString, shown);
        retype(m_decimal, QString());
        QApplication::clipboard()->setText(clipboard);
        QTest::keyClick(m_decimal, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_decimal->text(), shown);
    }
};

QTEST_MAIN(TQFloatEditTest)
#include "TQFloatEditTest.moc"
