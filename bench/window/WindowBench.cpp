// How long the window takes to react to one keystroke and to Calculate.
//
// The "Keystroke" and "CalculateByEnter" cases type into a shown window and let it repaint, as a
// person sees it. The "Logic" cases raise the same change events on a window that has been shown
// once and hidden again, so they measure the handlers alone, without painting. Both run offscreen
// on a temporary settings file holding a catalogue of 30 wires.
#include "lang/LanguageTable.h"
#include "storage/ProgramPaths.h"
#include "window/DesignationCompleter.h"
#include "window/TQFloatEdit.h"
#include "window/TfrmRuZede.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

kthread::TfrmRuZede* g_shown = nullptr;
kthread::TfrmRuZede* g_hidden = nullptr;

kthread::TQFloatEdit* Field(kthread::TfrmRuZede* window, const char* name) {
    return window->findChild<kthread::TQFloatEdit*>(QLatin1String(name));
}

void Type(kthread::TQFloatEdit* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// Alternates between appending a digit and removing it, so every iteration is one keystroke
// that changes the field's text.
void Keystrokes(benchmark::State& state, const char* fieldName, const QString& start) {
    kthread::TQFloatEdit* field = Field(g_shown, fieldName);
    Type(field, start);
    QTest::keyClick(field, Qt::Key_End);
    QCoreApplication::processEvents();
    bool append = true;
    for (auto _ : state) {
        QTest::keyClick(field, append ? Qt::Key_5 : Qt::Key_Backspace);
        QCoreApplication::processEvents();
        append = !append;
    }
}

void BM_PitchKeystroke(benchmark::State& state) {
    Keystrokes(state, "edStapka", QStringLiteral("1.5"));
}
BENCHMARK(BM_PitchKeystroke)->Unit(benchmark::kMicrosecond);

void BM_StartsKeystroke(benchmark::State& state) {
    Keystrokes(state, "edBrH", QStringLiteral("1"));
}
BENCHMARK(BM_StartsKeystroke)->Unit(benchmark::kMicrosecond);

void BM_GivenSizeKeystroke(benchmark::State& state) {
    Keystrokes(state, "edIzmSt", QStringLiteral("20"));
}
BENCHMARK(BM_GivenSizeKeystroke)->Unit(benchmark::kMicrosecond);

void BM_CalculateByEnter(benchmark::State& state) {
    Type(Field(g_shown, "edStapka"), QStringLiteral("1.5"));
    Type(Field(g_shown, "edIzmN"), QStringLiteral("1"));
    Type(Field(g_shown, "edIzmSt"), QStringLiteral("20"));
    kthread::TQFloatEdit* given = Field(g_shown, "edIzmSt");
    for (auto _ : state) {
        QTest::keyClick(given, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateByEnter)->Unit(benchmark::kMicrosecond);

void LogicChanges(benchmark::State& state, const char* fieldName, const QString& a,
                  const QString& b) {
    kthread::TQFloatEdit* field = Field(g_hidden, fieldName);
    bool first = true;
    for (auto _ : state) {
        field->setText(first ? a : b);
        first = !first;
    }
    QCoreApplication::processEvents();
}

void BM_PitchChangeLogic(benchmark::State& state) {
    LogicChanges(state, "edStapka", QStringLiteral("1.5"), QStringLiteral("1.55"));
}
BENCHMARK(BM_PitchChangeLogic)->Unit(benchmark::kMicrosecond);

void BM_GivenSizeChangeLogic(benchmark::State& state) {
    LogicChanges(state, "edIzmSt", QStringLiteral("20"), QStringLiteral("205"));
}
BENCHMARK(BM_GivenSizeChangeLogic)->Unit(benchmark::kMicrosecond);

void BM_CalculateLogic(benchmark::State& state) {
    Field(g_hidden, "edStapka")->setText(QStringLiteral("1.5"));
    Field(g_hidden, "edIzmN")->setText(QStringLiteral("1"));
    Field(g_hidden, "edIzmSt")->setText(QStringLiteral("20"));
    auto* calculate = g_hidden->findChild<QToolButton*>(QStringLiteral("btnCalc"));
    for (auto _ : state) {
        calculate->click();
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_CalculateLogic)->Unit(benchmark::kMicrosecond);

// The type-ahead list for a growing prefix: the catalogue's completions and the completer's
// model filled with them, alternating between two prefixes so every iteration changes the list.
void BM_DesignationCompletionList(benchmark::State& state) {
    kthread::DesignationCompleter completer;
    const QString prefixes[] = {QStringLiteral("M1"), QStringLiteral("M10")};
    completer.setPrefix(prefixes[1]); // the catalogue is built on first use
    bool first = true;
    for (auto _ : state) {
        completer.setPrefix(prefixes[first ? 0 : 1]);
        first = !first;
    }
    state.SetLabel("M1 / M10");
}
BENCHMARK(BM_DesignationCompletionList)->Unit(benchmark::kMicrosecond);

// One key in the designation field of the shown window ("M1" and back to "M"): the list, the
// popup shown and the repaint.
void BM_DesignationKeystroke(benchmark::State& state) {
    auto* field = g_shown->findChild<QLineEdit*>(QStringLiteral("cbDesignation"));
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QStringLiteral("M"));
    QCoreApplication::processEvents();
    bool append = true;
    for (auto _ : state) {
        QTest::keyClick(field, append ? Qt::Key_1 : Qt::Key_Backspace);
        QCoreApplication::processEvents();
        append = !append;
    }
    QTest::keyClick(field, Qt::Key_Escape);
}
BENCHMARK(BM_DesignationKeystroke)->Unit(benchmark::kMicrosecond);

QString WireCatalogue() {
    QString text = QStringLiteral("[DIAM_N]\nCOUNT=30\n");
    for (int i = 1; i <= 30; ++i) {
        text += QStringLiteral("D%1=%2\n").arg(i).arg(0.1 + 0.1 * i);
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kthread::LoadBuiltInLanguage();

    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("kthread.ini"));
    QFile file(settings);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write(WireCatalogue().toUtf8());
    file.close();
    kthread::OverrideSettingsFilePath(settings);

    auto hidden = std::make_unique<kthread::TfrmRuZede>();
    hidden->setMessageHook([](const QString&) {});
    hidden->show(); // the first show applies the input defaults
    hidden->hide();
    g_hidden = hidden.get();

    auto shown = std::make_unique<kthread::TfrmRuZede>();
    shown->setMessageHook([](const QString&) {});
    shown->show();
    shown->activateWindow();
    if (!QTest::qWaitForWindowActive(shown.get())) {
        return 1;
    }
    g_shown = shown.get();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_shown = nullptr;
    g_hidden = nullptr;
    return 0;
}
