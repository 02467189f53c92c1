#include "window/catalog/CatalogPage.h"
#include "storage/IniFile.h"
#include "storage/catalog/ProbeCatalogModel.h"
#include "window/catalog/DecimalInputValidator.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

using kthread::CatalogPage;
using kthread::IniFile;
using kthread::ProbeCatalogModel;

namespace {

const QString kSection = QStringLiteral("DIAM_N");

// The separator the user sees under the locale the test runs in.
QString withLocaleMark(QString text) {
    const QChar mark = QLocale().decimalPoint().at(0);
    for (QChar& character : text) {
        if (character == QLatin1Char('.') || character == QLatin1Char(',')) {
            character = mark;
        }
    }
    return text;
}

// The cell editor currently shown in the grid (a closed one is hidden until deleted).
QLineEdit* shownEditor(const QTableView* grid) {
    for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

QToolButton* button(const CatalogPage& page, const char* name) {
    return page.findChild<QToolButton*>(QLatin1String(name));
}

} // namespace

class CatalogPageTest : public QObject {
    Q_OBJECT

private:
    // A catalogue loaded from a settings file, so its changed mark starts clear.
    std::unique_ptr<ProbeCatalogModel> loadCatalogue(const QStringList& millimetres) {
        IniFile file(m_dir.filePath(QStringLiteral("kthread.ini")));
        std::vector<std::pair<QString, QString>> entries = {
            {QStringLiteral("COUNT"), QString::number(millimetres.size())}};
        for (int i = 0; i < millimetres.size(); ++i) {
            entries.emplace_back(QStringLiteral("D%1").arg(i + 1), millimetres[i]);
        }
        if (!file.writeStrings(kSection, entries)) {
            qFatal("cannot write the test catalogue");
        }
        auto model = std::make_unique<ProbeCatalogModel>(kSection);
        model->load(file);
        return model;
    }

    // A shown page bound to `model`, whose Delete key confirmation counts and answers `confirm`.
    std::unique_ptr<CatalogPage> showPage(ProbeCatalogModel* model, bool confirm = true) {
        auto page = std::make_unique<CatalogPage>();
        page->bind(model);
        page->setDeleteConfirmation([this, confirm] {
            ++m_confirmations;
            return confirm;
        });
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get())) {
            qFatal("page not exposed");
        }
        return page;
    }

    QTemporaryDir m_dir;
    int m_confirmations = 0;

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_confirmations = 0;
    }

    void validatorShowsLocaleMark_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("state");
        QTest::newRow("point mark") << "0.5" << int(QValidator::Acceptable);
        QTest::newRow("comma mark") << "0,5" << int(QValidator::Acceptable);
        QTest::newRow("empty posts nothing") << "" << int(QValidator::Acceptable);
        QTest::newRow("exponent") << "1e-3" << int(QValidator::Acceptable);
        QTest::newRow("sign alone") << "-" << int(QValidator::Intermediate);
        QTest::newRow("unfinished exponent") << "2e" << int(QValidator::Intermediate);
        QTest::newRow("letters") << "abc" << int(QValidator::Invalid);
        QTest::newRow("second mark") << "1.2,3" << int(QValidator::Invalid);
    }
    void validatorShowsLocaleMark() {
        QFETCH(QString, typed);
        QFETCH(int, state);
        kthread::DecimalInputValidator validator;
        QString input = typed;
        int position = 0;
        QCOMPARE(int(validator.validate(input, position)), state);
        if (state != QValidator::Invalid) {
            QCOMPARE(input, withLocaleMark(typed));
        }
    }

    void newRowCompletesTypedUnit_data() {
        QTest::addColumn<bool>("inInchColumn");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("expectedMM");
        QTest::addColumn<double>("expectedInch");
        QTest::newRow("inch 0.1 with point") << true << "0.1" << 2.54 << 0.1;
        QTest::newRow("inch 0,1 with comma") << true << "0,1" << 2.54 << 0.1;
        QTest::newRow("mm 2.54 with point") << false << "2.54" << 2.54 << 0.1;
        QTest::newRow("mm 2,54 with comma") << false << "2,54" << 2.54 << 0.1;
    }
    void newRowCompletesTypedUnit() {
        QFETCH(bool, inInchColumn);
        QFETCH(QString, typed);
        QFETCH(double, expectedMM);
        QFETCH(double, expectedInch);
        auto model = loadCatalogue({"1", "3"});
        auto page = showPage(model.get());

        QTest::mouseClick(button(*page, "btnIns"), Qt::LeftButton);
        QCOMPARE(model->rowCount(), 3);
        QLineEdit* editor = shownEditor(page->grid());
        QVERIFY(editor != nullptr);
        if (inInchColumn) {
            // Tab from the untouched mm cell posts nothing and opens the inch cell.
            QTest::keyClick(editor, Qt::Key_Tab);
            QVERIFY(model->hasPendingRow());
            QCOMPARE(page->grid()->currentIndex().column(), int(ProbeCatalogModel::ColumnInch));
            editor = shownEditor(page->grid());
            QVERIFY(editor != nullptr);
        }
        QTest::keyClicks(editor, typed);
        QCOMPARE(editor->text(), withLocaleMark(typed));
        QTest::keyClick(editor, Qt::Key_Return);

        QTRY_VERIFY(!model->hasPendingRow());
        QCOMPARE(model->count(), 3);
        QVERIFY(qAbs(model->diamMM(1) - expectedMM) < 1e-15);
        QVERIFY(qAbs(model->diamInch(1) - expectedInch) < 1e-16);
        QCOMPARE(model->data(model->index(1, 0)).toString(), withLocaleMark("2.5400"));
        QCOMPARE(model->data(model->index(1, 1)).toString(), withLocaleMark("0.10000"));
        QVERIFY(model->changed());
        QCOMPARE(page->currentRow(), 1);
    }

    void tabAfterTypedMillimetresKeepsThem() {
        auto model = loadCatalogue({"1", "3"});
        auto page = showPage(model.get());
        QTest::mouseClick(button(*page, "btnIns"), Qt::LeftButton);
        QTest::keyClicks(shownEditor(page->grid()), "2,54");
        QTest::keyClick(shownEditor(page->grid()), Qt::Key_Tab);

        QVERIFY(!model->hasPendingRow());
        QCOMPARE(model->diamMM(1), 2.54);
        QVERIFY(qAbs(model->diamInch(1) - 0.1) < 1e-16);
        // The editor moved on to the inch cell of the same, now sorted, row.
        QCOMPARE(page->grid()->currentIndex(), model->index(1, ProbeCatalogModel::ColumnInch));
        QLineEdit* inchEditor = shownEditor(page->grid());
        QVERIFY(inchEditor != nullptr);
        QTest::keyClick(inchEditor, Qt::Key_Escape);
        QCOMPARE(model->count(), 3);
        QCOMPARE(model->diamMM(1), 2.54);
    }

    void untouchedNewRowIsCancelled_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("escape in the cell") << "escape";
        QTest::newRow("moving to another row") << "move";
        QTest::newRow("select on the new row") << "select";
    }
    void untouchedNewRowIsCancelled() {
        QFETCH(QString, how);
        auto model = loadCatalogue({"1", "3"});
        auto page = showPage(model.get());
        QSignalSpy selected(page.get(), &CatalogPage::selectRequested);
        QTest::mouseClick(button(*page, "btnIns"), Qt::LeftButton);
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(page->currentRow(), -1);
        if (how == "escape") {
            QTest::keyClick(shownEditor(page->grid()), Qt::Key_Escape);
            QCOMPARE(model->rowCount(), 2);
        } else if (how == "move") {
            page->setCurrentRow(0);
            QCOMPARE(model->rowCount(), 2);
            QCOMPARE(page->currentRow(), 0);
        } else {
            QTest::mouseClick(button(*page, "btnSel"), Qt::LeftButton);
            QCOMPARE(selected.count(), 0);
        }
        QVERIFY(!model->changed());
    }

    void focusLeavingGridCancelsUntouchedNewRow() {
        auto model = loadCatalogue({"1"});
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* page = new CatalogPage(&window);
        auto* elsewhere = new QLineEdit(&window);
        layout->addWidget(page);
        layout->addWidget(elsewhere);
        page->bind(model.get());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::mouseClick(button(*page, "btnIns"), Qt::LeftButton);
        QTRY_VERIFY(page->grid()->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(model->rowCount(), 2);
        elsewhere->setFocus();
        QTRY_COMPARE(model->rowCount(), 1);
        QVERIFY(!model->hasPendingRow());
    }

    void deleteKeyAsksFirst_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("confirmed deletes") << true << 2;
        QTest::newRow("declined keeps") << false << 3;
    }
    void deleteKeyAsksFirst() {
        QFETCH(bool, confirm);
        QFETCH(int, rowsLeft);
        auto model = loadCatalogue({"1", "2", "3"});
        auto page = showPage(model.get(), confirm);
        page->setCurrentRow(1);
        QTest::keyClick(page->grid(), Qt::Key_Delete);
        QCOMPARE(m_confirmations, 1);
        QCOMPARE(model->count(), rowsLeft);
        QCOMPARE(model->changed(), confirm);
        if (confirm) {
            QCOMPARE(model->diamMM(1), 3.0);
            // The row that took the deleted one's place is current and selected.
            QCOMPARE(page->currentRow(), 1);
            QCOMPARE(page->grid()->selectionModel()->selectedRows().size(), 1);
        }
    }

    void deleteButtonDoesNotAsk() {
        auto model = loadCatalogue({"1", "2", "3"});
        auto page = showPage(model.get());
        page->setCurrentRow(2);
        QTest::mouseClick(button(*page, "btnDel"), Qt::LeftButton);
        QCOMPARE(m_confirmations, 0);
        QCOMPARE(model->count(), 2);
        QCOMPARE(model->diamMM(1), 2.0);
        QCOMPARE(page->currentRow(), 1);
    }

    void deleteOnEmptyTableDoesNothing() {
        auto model = loadCatalogue({});
        auto page = showPage(model.get());
        QTest::mouseClick(button(*page, "btnDel"), Qt::LeftButton);
        QTest::keyClick(page->grid(), Qt::Key_Delete);
        QCOMPARE(m_confirmations, 0);
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(!model->changed());
    }

    void selectReportsCurrentRow() {
        auto model = loadCatalogue({"1", "2", "3"});
        auto page = showPage(model.get());
        QSignalSpy selected(page.get(), &CatalogPage::selectRequested);
        page->setCurrentRow(2);
        QTest::mouseClick(button(*page, "btnSel"), Qt::LeftButton);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0).toInt(), 2);

        auto empty = loadCatalogue({});
        page->bind(empty.get());
        QCOMPARE(page->currentRow(), -1);
        QTest::mouseClick(button(*page, "btnSel"), Qt::LeftButton);
        QCOMPARE(selected.count(), 1);
    }

    void setCurrentRowRewindsAndSelects() {
        auto model = loadCatalogue({"1", "2", "3"});
        auto page = showPage(model.get());
        page->setCurrentRow(2);
        QCOMPARE(page->currentRow(), 2);
        page->setCurrentRow(-1);
        QCOMPARE(page->currentRow(), 0);
        const QModelIndexList rows = page->grid()->selectionModel()->selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().row(), 0);

        // A reload also returns to the first row.
        page->setCurrentRow(2);
        model->load(IniFile(m_dir.filePath(QStringLiteral("kthread.ini"))));
        QCOMPARE(page->currentRow(), 0);
    }

    void postPendingEditCommitsTypedText() {
        auto model = loadCatalogue({"1", "3"});
        auto page = showPage(model.get());
        QTest::mouseClick(button(*page, "btnIns"), Qt::LeftButton);
        QTest::keyClicks(shownEditor(page->grid()), "1,5");
        page->postPendingEdit();
        QVERIFY(!model->hasPendingRow());
        QCOMPARE(model->count(), 3);
        QCOMPARE(model->diamMM(1), 1.5);
        QCOMPARE(page->currentRow(), 1);
        QVERIFY(shownEditor(page->grid()) == nullptr);
    }

    void editOfExistingCellChangesOnlyThatField() {
        auto model = loadCatalogue({"1", "3"});
        auto page = showPage(model.get());
        const QModelIndex inch = model->index(0, ProbeCatalogModel::ColumnInch);

        // Opening and leaving a cell without typing keeps the stored value exactly.
        const double storedInch = model->diamInch(0);
        page->grid()->edit(inch);
        page->postPendingEdit();
        QCOMPARE(model->diamInch(0), storedInch);
        QVERIFY(!model->changed());

        page->grid()->edit(inch);
        QLineEdit* editor = shownEditor(page->grid());
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "0.2");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(model->changed());
        QCOMPARE(model->diamMM(0), 1.0);
        QCOMPARE(model->diamInch(0), 0.2);
    }

    void bindingAnotherCatalogueStartsAtItsFirstRow() {
        auto wires = loadCatalogue({"1", "2"});
        auto balls = std::make_unique<ProbeCatalogModel>(QStringLiteral("DIAM_S"));
        balls->postValue(balls->appendPendingRow(), ProbeCatalogModel::ColumnMM, 5.0);
        balls->postValue(balls->appendPendingRow(), ProbeCatalogModel::ColumnMM, 6.0);
        auto page = showPage(wires.get());
        page->setCurrentRow(1);
        page->bind(wires.get());
        QCOMPARE(page->currentRow(), 1);
        // An untouched new row does not stay behind in the catalogue that is no longer shown.
        QTest::mouseClick(button(*page, "btnIns"), Qt::LeftButton);
        page->bind(balls.get());
        QVERIFY(!wires->hasPendingRow());
        QCOMPARE(wires->rowCount(), 2);
        QCOMPARE(page->boundModel(), balls.get());
        QCOMPARE(page->currentRow(), 0);
        // The two columns share the grid's whole width.
        const QHeaderView* header = page->grid()->horizontalHeader();
        QVERIFY(qAbs(header->sectionSize(0) - header->sectionSize(1)) <= 1);
        QCOMPARE(header->sectionSize(0) + header->sectionSize(1),
                 page->grid()->viewport()->width());

        balls.reset();
        QCOMPARE(page->boundModel(), nullptr);
        QCOMPARE(page->currentRow(), -1);
        QTest::mouseClick(button(*page, "btnIns"), Qt::LeftButton);
    }
};

QTEST_MAIN(CatalogPageTest)
#include "CatalogPageTest.moc"
