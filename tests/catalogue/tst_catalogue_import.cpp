#include "catalogue/import_scanner.h"
#include "catalogue_window.h"
#include "config/paths.h"
#include "config/textlines.h"

#include <QtTest>

using namespace zok;

namespace {

const QString kFixtures = QStringLiteral(ZOK_FIXTURES "/economy/");

QStringList scanned(const QString &path)
{
    LineList file;
    file.load(path);
    QStringList entries;
    scanImport(file.lines(), classifyImport(file.lines()), [](qsizetype) {},
               [&entries](const QString &e) { entries << e; });
    return entries;
}

const QStringList kSpawnable{"<type name=\"Rifle1\">", "<attachments chance=\"1\">",
                             "<item name=\"Part1\" chance=\"1\" />", "</attachments>",
                             "</type>"};

} // namespace

class CatalogueImportTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { testing::setInterruptSave(nullptr); }
    void importsRealFiles_data();
    void importsRealFiles();
    void importAppendsAfterWhatIsThere();
    void listingEncoding_data();
    void listingEncoding();
    void lastLineErrorKeepsEntriesAndHidesBar_data();
    void lastLineErrorKeepsEntriesAndHidesBar();
    void emptyFileAddsNothing();
    void missingFileHidesBar();
    void failedListingSaveKeepsOldFile();
    void cancelledDialogDoesNothing_data();
    void cancelledDialogDoesNothing();
    void noSecondImportOrLoadWhileImporting();
};

void CatalogueImportTest::importsRealFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("writesListing");
    QTest::newRow("types") << "types.xml" << false;
    QTest::newRow("spawnable-types") << "cfgspawnabletypes.xml" << true;
    QTest::newRow("weapons attachments") << "weapons_attachments.json" << true;
}

void CatalogueImportTest::importsRealFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, writesListing);
    CatalogueWindow w;
    w.importFile(kFixtures + file);

    const QStringList expected = scanned(kFixtures + file);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(w.model().entries(), expected);
    QCOMPARE(w.shown(), expected);
    QVERIFY(w.desktop.errors.isEmpty());
    QVERIFY(w.cat().ProgressBar1->isHidden());
    QCOMPARE(w.dir.exists(paths::AttachmentListing), writesListing);
    if (writesListing)
        QCOMPARE(w.dir.read(paths::AttachmentListing), crlf(expected));
}

void CatalogueImportTest::importAppendsAfterWhatIsThere()
{
    CatalogueWindow w;
    w.dir.writeLines("types.xml", {"<type name=\"Apple\">", "<type name=\"Pear\">"});
    w.dir.writeLines("spawn.xml", kSpawnable);
    w.importFile(w.dir.file("types.xml"));
    w.importFile(w.dir.file("types.xml"));
    QCOMPARE(w.model().entries(), (QStringList{"Apple", "Pear", "Apple", "Pear"}));
    QVERIFY(!w.dir.exists(paths::AttachmentListing));

    w.importFile(w.dir.file("spawn.xml"));
    const QStringList all{"Apple", "Pear", "Apple", "Pear", SeparatorLine, "Rifle1",
                          "----- Attachments For Rifle1--------", "Part1", SeparatorLine};
    QCOMPARE(w.model().entries(), all);
    QCOMPARE(w.dir.read(paths::AttachmentListing), crlf(all));
}

void CatalogueImportTest::listingEncoding_data()
{
    QTest::addColumn<QByteArray>("loaded");  // empty: nothing loaded before
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QString>("codec");
    const QByteArray text = QStringLiteral("Zürich\r\n").toUtf8();
    QTest::newRow("never loaded: ANSI, no mark") << QByteArray() << QByteArray() << "UTF-8";
    QTest::newRow("ANSI file") << text << QByteArray() << "UTF-8";
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text
                                     << QByteArray("\xEF\xBB\xBF") << "UTF-8";
    QStringEncoder le(QStringConverter::Utf16LE), be(QStringConverter::Utf16BE);
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") + QByteArray(le.encode(QStringLiteral("Zürich\r\n")))
                              << QByteArray("\xFF\xFE") << "UTF-16LE";
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF") + QByteArray(be.encode(QStringLiteral("Zürich\r\n")))
                              << QByteArray("\xFE\xFF") << "UTF-16BE";
}

void CatalogueImportTest::listingEncoding()
{
    QFETCH(QByteArray, loaded);
    QFETCH(QByteArray, mark);
    QFETCH(QString, codec);
    CatalogueWindow w;
    QStringList expected;
    if (!loaded.isEmpty()) {
        w.dir.write("loaded.txt", loaded);
        w.loadFile(w.dir.file("loaded.txt"));
        expected << QStringLiteral("Zürich");
    }
    w.dir.writeLines("spawn.xml", kSpawnable);
    w.importFile(w.dir.file("spawn.xml"));
    expected << scanned(w.dir.file("spawn.xml"));
    QCOMPARE(w.model().entries(), expected);

    auto encoding = QStringConverter::encodingForName(codec.toLatin1());
    QVERIFY(encoding);
    QStringEncoder encoder(*encoding);
    const QByteArray bytes = mark + QByteArray(encoder.encode(expected.join("\r\n") + "\r\n"));
    QCOMPARE(w.dir.read(paths::AttachmentListing), bytes);
}

void CatalogueImportTest::lastLineErrorKeepsEntriesAndHidesBar_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("kept");
    QTest::newRow("type line last") << kSpawnable + QStringList{"<type name=\"Last\">"} << 5;
    QTest::newRow("weapon line last")
        << QStringList{"QernikWeapons", "\"name\": \"W1\",", "\"bullets\": [", "]", "},",
                       "\"name\": \"W2\","}
        << 4;
}

void CatalogueImportTest::lastLineErrorKeepsEntriesAndHidesBar()
{
    QFETCH(QStringList, lines);
    QFETCH(int, kept);
    CatalogueWindow w;
    w.window->catalogue().setEntries({"Earlier"});
    w.dir.writeLines("in.txt", lines);
    w.importFile(w.dir.file("in.txt"));

    // ')' lies below the full stop, so the error box adds none.
    QCOMPARE(w.desktop.errors,
             QStringList{QStringLiteral("List index out of bounds (%1)").arg(lines.size())});
    QCOMPARE(w.model().entries().size(), 1 + kept);
    QCOMPARE(w.model().entries().first(), QStringLiteral("Earlier"));
    QVERIFY(!w.dir.exists(paths::AttachmentListing));
    QVERIFY(w.cat().ProgressBar1->isHidden());
    QVERIFY(w.cat().AddTypes->isEnabled());
    QVERIFY(!w.window->catalogueImportRunning());
}

void CatalogueImportTest::emptyFileAddsNothing()
{
    CatalogueWindow w;
    w.model().setEntries({"Earlier"});
    w.dir.write("empty.txt", QByteArray());
    w.importFile(w.dir.file("empty.txt"));

    QVERIFY(w.desktop.errors.isEmpty());
    QCOMPARE(w.model().entries(), QStringList{"Earlier"});
    QVERIFY(!w.dir.exists(paths::AttachmentListing));
    QVERIFY(w.cat().ProgressBar1->isHidden());
    QVERIFY(w.cat().AddTypes->isEnabled());
}

void CatalogueImportTest::missingFileHidesBar()
{
    CatalogueWindow w;
    w.importFile(w.dir.file("nowhere.xml"));
    QCOMPARE(w.desktop.errors.size(), 1);
    QVERIFY(w.desktop.errors[0].startsWith(
        QStringLiteral("Cannot open file \"%1\". ").arg(fullPath("nowhere.xml"))));
    QVERIFY(w.model().entries().isEmpty());
    QVERIFY(w.cat().ProgressBar1->isHidden());
    QVERIFY(w.cat().LoadFile->isEnabled());
}

void CatalogueImportTest::failedListingSaveKeepsOldFile()
{
    CatalogueWindow w;
    const QByteArray old = crlf({"old listing"});
    w.dir.write(paths::AttachmentListing, old);
    w.dir.writeLines("spawn.xml", kSpawnable);
    testing::setInterruptSave([](const QString &) { return true; });
    w.importFile(w.dir.file("spawn.xml"));

    QCOMPARE(w.desktop.errors.size(), 1);
    QVERIFY(w.desktop.errors[0].startsWith(
        QStringLiteral("Cannot create file \"%1\".").arg(fullPath(paths::AttachmentListing))));
    QCOMPARE(w.dir.read(paths::AttachmentListing), old);
    QCOMPARE(w.model().entries(), scanned(w.dir.file("spawn.xml")));
    QVERIFY(w.cat().ProgressBar1->isHidden());
}

void CatalogueImportTest::cancelledDialogDoesNothing_data()
{
    QTest::addColumn<bool>("viaLoadFile");
    QTest::newRow("AddTypes") << false;
    QTest::newRow("LoadFile") << true;
}

void CatalogueImportTest::cancelledDialogDoesNothing()
{
    QFETCH(bool, viaLoadFile);
    CatalogueWindow w;
    w.dir.writeLines("types.xml", {"<type name=\"Apple\">"});
    auto choose = [&](const QString &path) {
        viaLoadFile ? w.loadFile(path) : w.importFile(path);
    };

    choose(QString());  // before any choice
    QVERIFY(w.model().entries().isEmpty());
    choose(w.dir.file("types.xml"));
    const QStringList after = w.model().entries();
    QCOMPARE(after.size(), 1);
    choose(QString());  // no second read of the previous file
    QCOMPARE(w.model().entries(), after);

    QCOMPARE(w.desktop.fileDialogsShown, 3);
    QVERIFY(w.desktop.errors.isEmpty());
    QVERIFY(w.cat().ProgressBar1->isHidden());
}

void CatalogueImportTest::noSecondImportOrLoadWhileImporting()
{
    CatalogueWindow w;
    w.dir.writeLines("other.txt", {"<type name=\"Other\">"});
    const QString other = w.dir.file("other.txt");
    bool ranInside = false, barShown = false, buttonsOff = false;
    // Runs at the import's first event dispatch.
    QMetaObject::invokeMethod(
        w.window.get(),
        [&] {
            ranInside = w.window->catalogueImportRunning();
            barShown = w.cat().ProgressBar1->isVisible();
            buttonsOff = !w.cat().AddTypes->isEnabled() && !w.cat().LoadFile->isEnabled();
            w.desktop.filesToChoose << other << other;
            w.clickButton(w.cat().AddTypes);
            w.clickButton(w.cat().LoadFile);
            w.window->AddTypesClick();
            w.window->LoadFileClick();
            w.window->OpenTypesClose(other);
            w.window->LoadFileDialogClose(other);
        },
        Qt::QueuedConnection);
    w.importFile(kFixtures + "types.xml");

    QVERIFY(ranInside);
    QVERIFY(barShown);
    QVERIFY(buttonsOff);
    QCOMPARE(w.desktop.fileDialogsShown, 1);
    QCOMPARE(w.model().entries(), scanned(kFixtures + "types.xml"));
    QVERIFY(w.cat().AddTypes->isEnabled());
    QVERIFY(w.cat().LoadFile->isEnabled());
    QVERIFY(w.cat().ProgressBar1->isHidden());
}

QTEST_MAIN(CatalogueImportTest)
#include "tst_catalogue_import.moc"
