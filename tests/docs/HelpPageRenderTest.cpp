// The help files as the help page shows them: Qt's rich-text engine in a browser of the page's
// size. What a plain reading of the HTML cannot tell: whether something is wider than the page,
// and which anchors and links the engine itself sees.
#include <QDir>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QtTest>

#ifndef KTHREAD_MANUAL_DIR
#error "KTHREAD_MANUAL_DIR must name the folder of the help files"
#endif

namespace {

// The help page of the window: 359 x 438 pixels, no border.
constexpr QSize kHelpPageSize(359, 438);

// Records every resource the document asks for besides the page itself.
class RecordingBrowser : public QTextBrowser {
public:
    QStringList requests;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::HtmlResource) {
            requests << name.toString();
        }
        return QTextBrowser::loadResource(type, name);
    }
};

struct Anchors {
    QSet<QString> names;
    QStringList links;
};

Anchors AnchorsOf(const QTextDocument& document) {
    Anchors anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) {
                anchors.names.insert(name);
            }
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                anchors.links << format.anchorHref();
            }
        }
    }
    return anchors;
}

} // namespace

class HelpPageRenderTest : public QObject {
    Q_OBJECT

private slots:
    void fitsThePageAndItsLinksLand_data();
    void fitsThePageAndItsLinksLand();
};

void HelpPageRenderTest::fitsThePageAndItsLinksLand_data() {
    QTest::addColumn<QString>("file");
    for (const char* name :
         {"english.html", "german.html", "french.html", "spanish.html", "russian.html"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void HelpPageRenderTest::fitsThePageAndItsLinksLand() {
    QFETCH(QString, file);
    const QString path = QDir(QStringLiteral(KTHREAD_MANUAL_DIR)).filePath(file);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));

    RecordingBrowser browser;
    browser.setFrameShape(QFrame::NoFrame);
    browser.resize(kHelpPageSize);
    browser.setSource(QUrl::fromLocalFile(path));
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    // The layout runs lazily: scroll through to the end so that every table is laid out.
    browser.verticalScrollBar()->setValue(browser.verticalScrollBar()->maximum());
    QCoreApplication::processEvents();

    QVERIFY(!browser.documentTitle().isEmpty());
    QVERIFY2(browser.verticalScrollBar()->maximum() > 20 * kHelpPageSize.height(),
             "the manual is much shorter than expected: did it load?");
    QCOMPARE(browser.horizontalScrollBar()->maximum(), 0);
    QCOMPARE(browser.requests, QStringList());

    const Anchors anchors = AnchorsOf(*browser.document());
    QVERIFY(anchors.links.size() >= 15);
    for (const QString& link : anchors.links) {
        QVERIFY2(link.startsWith(QLatin1Char('#')), qPrintable(link));
        QVERIFY2(anchors.names.contains(link.mid(1)), qPrintable(link + " lands nowhere"));
    }
}

QTEST_MAIN(HelpPageRenderTest)
#include "HelpPageRenderTest.moc"
