#include "config/errors.h"
#include "config/textlines.h"
#include "workdir.h"

#include <QDir>
#include <QtTest>

using namespace zok;

Q_DECLARE_METATYPE(zok::TextEncoding)

class TextLinesTest : public QObject {
    Q_OBJECT
private slots:
    void loadSplitsLineBreaks_data();
    void loadSplitsLineBreaks();
    void loadRecognisesMarks_data();
    void loadRecognisesMarks();
    void saveWritesCrLfInRememberedEncoding_data();
    void saveWritesCrLfInRememberedEncoding();
    void bytesThatAreNotUtf8SurviveARoundTrip();
    void extractBetween_data();
    void extractBetween();
    void containsNeedsBothTexts();
    void errorTexts();
    void failedSaveLeavesOldBytes_data();
    void failedSaveLeavesOldBytes();
    void pathsFollowTheWorkingDirectory();
    void fullStopRule_data();
    void fullStopRule();
};

void TextLinesTest::loadSplitsLineBreaks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("LF CR ends a line, then an empty one")
        << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("no break after last line") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("blanks kept") << QByteArray("  a \t\r\n\r\n") << QStringList{"  a \t", ""};
}

void TextLinesTest::loadSplitsLineBreaks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    WorkDir dir;
    dir.write("f.txt", bytes);
    LineList list;
    list.add("stale");
    list.load("f.txt");
    QCOMPARE(list.lines(), lines);
    QCOMPARE(list.count(), lines.size());
}

void TextLinesTest::loadRecognisesMarks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<zok::TextEncoding>("encoding");
    const QString text = QStringLiteral("\"zok_Tier\": \"gr\u00FCn\",\r\nx\r\n");
    QTest::newRow("no mark") << text.toUtf8() << TextEncoding::Ansi;
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << TextEncoding::Utf8;
    QStringEncoder le(QStringConverter::Utf16LE);
    QStringEncoder be(QStringConverter::Utf16BE);
    QTest::newRow("UTF-16 LE mark") << QByteArray("\xFF\xFE") + QByteArray(le.encode(text))
                                    << TextEncoding::Utf16LE;
    QTest::newRow("UTF-16 BE mark") << QByteArray("\xFE\xFF") + QByteArray(be.encode(text))
                                    << TextEncoding::Utf16BE;
    QTest::newRow("shorter than a mark") << QByteArray("\xEF") << TextEncoding::Ansi;
}

void TextLinesTest::loadRecognisesMarks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(zok::TextEncoding, encoding);
    WorkDir dir;
    dir.write("f.txt", bytes);
    LineList list;
    list.load("f.txt");
    QCOMPARE(list.encoding(), encoding);
    if (bytes.size() > 1) {
        // The mark is not part of the first line, so a marker there is found.
        QCOMPARE(list.lines(), (QStringList{QStringLiteral("\"zok_Tier\": \"gr\u00FCn\","), "x"}));
        QCOMPARE(ExtractBetween(list.line(0), "\"zok_Tier\": \"", "\""), QStringLiteral("gr\u00FCn"));
        // Saved back in the encoding it was read with, mark included.
        list.save("g.txt");
        QCOMPARE(dir.read("g.txt"), bytes);
    }
}

void TextLinesTest::saveWritesCrLfInRememberedEncoding_data()
{
    QTest::addColumn<zok::TextEncoding>("encoding");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("three lines, never loaded")
        << TextEncoding::None << QStringList{"a", "b", "c"}
        << QByteArray("\x61\x0D\x0A\x62\x0D\x0A\x63\x0D\x0A");
    QTest::newRow("empty list") << TextEncoding::None << QStringList() << QByteArray();
    QTest::newRow("empty list keeps its mark") << TextEncoding::Utf8 << QStringList()
                                               << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("UTF-8 with mark") << TextEncoding::Utf8 << QStringList{"a"}
                                     << QByteArray("\xEF\xBB\xBF" "a\r\n");
    QTest::newRow("UTF-16 LE") << TextEncoding::Utf16LE << QStringList{"a"}
                               << QByteArray("\xFF\xFE" "a\0\r\0\n\0", 8);
    QTest::newRow("UTF-16 BE") << TextEncoding::Utf16BE << QStringList{"a"}
                               << QByteArray("\xFE\xFF" "\0a\0\r\0\n", 8);
    QTest::newRow("non-ASCII without mark is UTF-8")
        << TextEncoding::Ansi << QStringList{QStringLiteral("\u20AC")}
        << QByteArray("\xE2\x82\xAC\r\n");
}

void TextLinesTest::saveWritesCrLfInRememberedEncoding()
{
    QFETCH(zok::TextEncoding, encoding);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    WorkDir dir;
    LineList list(lines);
    list.setEncoding(encoding);
    list.save("out.txt");
    QCOMPARE(dir.read("out.txt"), bytes);
}

void TextLinesTest::bytesThatAreNotUtf8SurviveARoundTrip()
{
    WorkDir dir;
    // Windows-1252: e-acute, euro sign, and an unassigned byte.
    dir.write("f.txt", QByteArray("A\xE9t\x80\x81\r\n"));
    LineList list;
    list.load("f.txt");
    QCOMPARE(list.line(0), QStringLiteral("A\u00E9t\u20AC\u0081"));
    list.save("f.txt");
    LineList again;
    again.load("f.txt");
    QCOMPARE(again.lines(), list.lines());

    // A sequence cut off by the end of the file is not dropped.
    dir.write("cut.txt", QByteArray("Caf\xE9"));
    list.load("cut.txt");
    QCOMPARE(list.lines(), QStringList{QStringLiteral("Caf\u00E9")});
    dir.write("cut.txt", QByteArray("\xEF\xBB\xBF" "Caf\xC3"));
    list.load("cut.txt");
    QCOMPARE(list.line(0).size(), 4);
}

void TextLinesTest::extractBetween_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("result");
    const QString tier = QStringLiteral("\"zok_Tier\": \"");
    QTest::newRow("value") << "            \"zok_Tier\": \"green\"," << tier << "\"," << "green";
    QTest::newRow("empty value") << "\"zok_Tier\": \"\"" << tier << "\"" << "";
    QTest::newRow("start missing") << "\"zok_Helm\": \"x\"," << tier << "\"," << "";
    QTest::newRow("end missing") << "\"zok_Tier\": \"green" << tier << "\"," << "";
    QTest::newRow("same marker both ends") << "        \"name\"," << "\"" << "\"" << "name";
    QTest::newRow("only the first start counts") << "a[x b[y]" << "[" << "]" << "x b[y";
    QTest::newRow("first start without end") << "[x ]" << "]" << "[" << "";
    QTest::newRow("empty start marker") << "abc" << "" << "c" << "";
    QTest::newRow("empty end marker") << "abc" << "a" << "" << "";
    QTest::newRow("start at the very end") << "abc" << "c" << "c" << "";
    QTest::newRow("end must follow the start") << "b]a[" << "[" << "]" << "";
    QTest::newRow("end right after start") << "a[]" << "[" << "]" << "";
    QTest::newRow("case-sensitive") << "\"ZOK_TIER\": \"x\"" << tier << "\"" << "";
}

void TextLinesTest::extractBetween()
{
    QFETCH(QString, text);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, result);
    QCOMPARE(ExtractBetween(text, start, end), result);
}

void TextLinesTest::containsNeedsBothTexts()
{
    QVERIFY(contains("  \"zok_Tier\": \"x\"", "\"zok_Tier\": "));
    QVERIFY(!contains("\"zok_Tier\":\"x\"", "\"zok_Tier\": "));
    QVERIFY(!contains("abc", ""));
    QVERIFY(!contains("", "a"));
    QVERIFY(!contains("ABC", "b"));
}

void TextLinesTest::errorTexts()
{
    WorkDir dir;
    LineList three({"a", "b", "c"});
    try {
        three.line(3);
        QFAIL("line 3 of three");
    } catch (const ListIndexError &e) {
        QCOMPARE(e.text(), QStringLiteral("List index out of bounds (3)"));
    }
    QVERIFY_THROWS_EXCEPTION(ListIndexError, three.line(-1));

    LineList list;
    try {
        list.load("ZOK_Keycards\\missing.JSON");
        QFAIL("load of a missing file");
    } catch (const OpenError &e) {
        const QString path = QDir::toNativeSeparators(dir.file("ZOK_Keycards/missing.JSON"));
        QVERIFY2(e.text().startsWith("Cannot open file \"" + path + "\". "), qPrintable(e.text()));
        QVERIFY(e.text().size() > QString("Cannot open file \"" + path + "\". ").size());
    }
    try {
        three.save("nofolder\\out.txt");
        QFAIL("save into a missing folder");
    } catch (const CreateError &e) {
        const QString path = QDir::toNativeSeparators(dir.file("nofolder/out.txt"));
        QVERIFY2(e.text().startsWith("Cannot create file \"" + path + "\". "), qPrintable(e.text()));
    }
    QCOMPARE(ConversionError("x").text(), QStringLiteral("'x' is not a valid integer value"));
}

void TextLinesTest::failedSaveLeavesOldBytes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("interrupted part way") << "interrupt";
    QTest::newRow("a directory stands where the file should be") << "directory";
}

void TextLinesTest::failedSaveLeavesOldBytes()
{
    QFETCH(QString, how);
    WorkDir dir;
    const QByteArray old("{\r\n\"old\": 1\r\n}\r\n");
    QString target = "cfg\\file.JSON";
    if (how == "directory") {
        QDir().mkpath(dir.file("cfg/file.JSON"));
        dir.write("cfg/file.JSON/inside.txt", old);
    } else {
        dir.write(target, old);
        testing::setInterruptSave([](const QString &) { return true; });
    }
    LineList fresh({"new"});
    QVERIFY_THROWS_EXCEPTION(CreateError, fresh.save(target));
    testing::setInterruptSave(nullptr);
    QCOMPARE(dir.read(how == "directory" ? "cfg/file.JSON/inside.txt" : target), old);
    // No temporary file is left behind beside the target.
    QCOMPARE(QDir(dir.file("cfg")).entryList(QDir::Files).size(), how == "directory" ? 0 : 1);
}

void TextLinesTest::pathsFollowTheWorkingDirectory()
{
    WorkDir first;
    first.write("f.txt", "one\r\n");
    LineList list;
    list.load("f.txt");
    QCOMPARE(list.line(0), QStringLiteral("one"));
    WorkDir second;  // moves the working directory
    second.write("f.txt", "two\r\n");
    list.load("f.txt");
    QCOMPARE(list.line(0), QStringLiteral("two"));
    QCOMPARE(fullPath("a\\b.txt"), QDir::toNativeSeparators(second.file("a/b.txt")));
#ifndef Q_OS_WIN
    // A full path picked in a dialog is not rewritten: a backslash is a
    // legal character in a file name here.
    second.write("odd\\name.txt", "three\r\n");
    list.load(second.file("odd\\name.txt"));
    QCOMPARE(list.line(0), QStringLiteral("three"));
#endif
}

void TextLinesTest::fullStopRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "No such file or directory" << "No such file or directory.";
    QTest::newRow("closing bracket is below") << "List index out of bounds (4)"
                                              << "List index out of bounds (4)";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("below the full stop") << "Hi!" << "Hi!";
    QTest::newRow("slash is above") << "a/" << "a/.";
    QTest::newRow("empty") << "" << "";
}

void TextLinesTest::fullStopRule()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(withFullStop(text), shown);
}

QTEST_GUILESS_MAIN(TextLinesTest)
#include "tst_textlines.moc"
