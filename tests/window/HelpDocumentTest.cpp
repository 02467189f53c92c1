// Help files of each kind read into the help page's document: what decides the kind, that the
// text and its formatting arrive, and that a file that cannot be read leaves the page empty.
#include "window/HelpDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using kthread::HelpFormat;
using kthread::HelpFormatOf;
using kthread::LoadHelpFile;

namespace {

// Whether the first occurrence of `word` in the document is set in bold.
bool IsBold(const QTextDocument& document, const QString& word) {
    const QTextCursor found = document.find(word);
    if (found.isNull()) {
        return false;
    }
    QTextCursor inside(found);
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat().fontWeight() >= QFont::Bold;
}

} // namespace

class HelpDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void formatByExtensionOrRtfStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<HelpFormat>("format");
        QTest::newRow("html") << "english.html" << QByteArray("<html>") << HelpFormat::Html;
        QTest::newRow("htm in capitals") << "MANUAL.HTM" << QByteArray("<p>") << HelpFormat::Html;
        QTest::newRow("markdown") << "help.md" << QByteArray("# Help") << HelpFormat::Markdown;
        QTest::newRow("markdown long") << "help.markdown" << QByteArray("") << HelpFormat::Markdown;
        QTest::newRow("rtf") << "help.rtf" << QByteArray("") << HelpFormat::RichText;
        QTest::newRow("rtf without extension")
            << "help" << QByteArray("{\\rtf1\\ansi") << HelpFormat::RichText;
        QTest::newRow("rtf in a txt file")
            << "help.txt" << QByteArray("{\\rtf1") << HelpFormat::RichText;
        QTest::newRow("html named so wins over an rtf start")
            << "help.html" << QByteArray("{\\rtf1") << HelpFormat::Html;
        QTest::newRow("plain") << "help.txt" << QByteArray("Pitch") << HelpFormat::PlainText;
        QTest::newRow("unknown extension")
            << "help.doc" << QByteArray("x") << HelpFormat::PlainText;
    }
    void formatByExtensionOrRtfStart() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(HelpFormat, format);
        QCOMPARE(HelpFormatOf(name, start), format);
    }

    void eachKindArrivesWithItsFormatting_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("boldWord");
        QTest::newRow("html") << "h.html"
                              << QByteArray("<html><head><meta charset=\"utf-8\"></head><body>"
                                            "<p>Flank <b>angle</b> \xCE\xB2</p></body></html>")
                              << "Flank angle β" << true;
        QTest::newRow("html with a byte-order mark, UTF-16")
            << "h.html" << QByteArray("\xFF\xFE<\0b\0>\0a\0n\0g\0l\0e\0<\0/\0b\0>\0", 24) << "angle"
            << true;
        QTest::newRow("markdown") << "h.md" << QByteArray("Flank **angle** β\n") << "Flank angle β"
                                  << true;
        QTest::newRow("rtf") << "h.rtf" << QByteArray(R"({\rtf1 Flank \b angle\b0  \u946?})")
                             << "Flank angle β" << true;
        QTest::newRow("plain text keeps markup as text")
            << "h.txt" << QByteArray("Flank <b>angle</b>") << "Flank <b>angle</b>" << false;
        QTest::newRow("plain text in UTF-16")
            << "h.txt" << QByteArray("\xFF\xFE\xB2\x03", 4) << "β" << false;
    }
    void eachKindArrivesWithItsFormatting() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, boldWord);
        const QString path = write(name, bytes);
        QTextDocument document;
        QString error;
        QVERIFY2(LoadHelpFile(document, path, &error), qPrintable(error));
        QCOMPARE(document.toPlainText().trimmed(), text);
        if (boldWord) {
            QVERIFY(IsBold(document, QStringLiteral("angle")));
            QVERIFY(!IsBold(document, QStringLiteral("Flank")) || !text.startsWith(u'F'));
        }
    }

    void fileThatCannotBeReadLeavesTheDocumentEmpty_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "missing.html";
        QTest::newRow("a folder") << "folder.rtf";
    }
    void fileThatCannotBeReadLeavesTheDocumentEmpty() {
        QFETCH(QString, name);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.rtf")));
        QTextDocument document;
        document.setHtml(QStringLiteral("<p>previous language</p>"));
        QString error;
        QVERIFY(!LoadHelpFile(document, QDir(m_dir.path()).filePath(name), &error));
        QVERIFY(document.isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void emptyFileGivesAnEmptyDocument() {
        QTextDocument document;
        document.setPlainText(QStringLiteral("previous"));
        QVERIFY(LoadHelpFile(document, write(QStringLiteral("empty.html"), {})));
        QVERIFY(document.toPlainText().isEmpty());
    }

private:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(m_dir.path()).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            qFatal("cannot write %s", qPrintable(path));
        }
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(HelpDocumentTest)
#include "HelpDocumentTest.moc"
