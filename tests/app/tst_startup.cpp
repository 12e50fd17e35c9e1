#include "app/tform2.h"
#include "config/activation.h"
#include "config/paths.h"
#include "config/textlines.h"
#include "fake_desktop.h"
#include "kits/clothing/clothing_kit.h"
#include "kits/general/general_kit.h"
#include "kits/weapons/weapon_kit.h"
#include "workdir.h"

#include <QCheckBox>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QTabWidget>
#include <QtTest>

using namespace zok;

namespace {

QStringList listTexts(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList activationWithFifthLine(const QString &fifth)
{
    QStringList lines = activationFileLines(false);
    lines[4] = fifth;
    return lines;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnGeneralKitsWithEveryKitListed();
    void activationSwitchAtStart_data();
    void activationSwitchAtStart();
    void activationRewriteComesBeforeTheKitFiles();
    void startupFailureShowsApplicationError_data();
    void startupFailureShowsApplicationError();
    void togglingTheSwitchRewritesTheFile();
    void failedToggleIsShownAndTheProgramGoesOn();
    void exampleConfigIsInTheEditorsOwnFormat();
};

void StartupTest::opensOnGeneralKitsWithEveryKitListed()
{
    WorkDir dir;
    dir.copyExampleConfigRoot();
    const QByteArray activation = dir.read(paths::ActivationFile);
    FakeDesktop desktop;
    auto form = createMainWindow(desktop);
    QVERIFY(form);
    QVERIFY(desktop.startupErrors.isEmpty());

    QCOMPARE(form->size(), QSize(1073, 862));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    auto *z = form->findChild<QTabWidget *>("Z");
    auto *kitTabs = form->findChild<QTabWidget *>("TabControl1");
    auto *infoTabs = form->findChild<QTabWidget *>("TabControl2");
    QCOMPARE(z->tabText(z->currentIndex()), QStringLiteral("Kit Editor"));
    QCOMPARE(kitTabs->tabText(kitTabs->currentIndex()), QStringLiteral("GeneralKits"));
    QCOMPARE(infoTabs->tabText(infoTabs->currentIndex()), QStringLiteral("HowTo"));
    QStringList kitTabTexts;
    for (int i = 0; i < kitTabs->count(); ++i)
        kitTabTexts << kitTabs->tabText(i);
    QCOMPARE(kitTabTexts, (QStringList{"ClothingKits", "WeaponKits", "GeneralKits", "Smol Crate Kits"}));

    QCOMPARE(listTexts(form->findChild<QListWidget *>("GeneralKitList")),
             (QStringList{"yellow0", "yellow1", "green2", "green3", "blue4", "purple5", "red6", "red7"}));
    QCOMPARE(listTexts(form->findChild<QListWidget *>("WeaponKitList")),
             (QStringList{"yellow0", "green1", "purple2", "red3"}));
    QCOMPARE(listTexts(form->findChild<QListWidget *>("ClothingKitList")),
             (QStringList{"green0", "yellow1", "blue2", "red3"}));
    QCOMPARE(form->ClothingKits.size(), 4);
    QCOMPARE(form->WeaponKits[2].zok_OpticType, QStringLiteral("ACOGOptic"));
    QCOMPARE(form->GeneralKits[7].zok_Type, QStringLiteral("Battery9V"));
    for (const char *name : {"GeneralKitList", "WeaponKitList", "ClothingKitList"})
        QCOMPARE(form->findChild<QListWidget *>(name)->currentRow(), -1);

    QCOMPARE(form->findChild<QListView *>("ItemList")->model()->rowCount(), 0);
    QVERIFY(form->findChild<QProgressBar *>("ProgressBar1")->isHidden());
    QVERIFY(!form->findChild<QCheckBox *>("zok_UseConfig")->isChecked());
    QCOMPARE(dir.read(paths::ActivationFile), activation);  // switch off: untouched
}

void StartupTest::activationSwitchAtStart_data()
{
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<bool>("checked");
    QTest::newRow("off") << activationWithFifthLine("    \"zok_UseConfig\": 0") << false;
    QTest::newRow("on") << activationWithFifthLine("    \"zok_UseConfig\": 1") << true;
    QTest::newRow("no blank after the colon is not off")
        << activationWithFifthLine("    \"zok_UseConfig\":0") << true;
    QStringList elsewhere = activationFileLines(false);
    elsewhere.insert(1, QString());  // the switch now stands on the sixth line
    QTest::newRow("only the fifth line decides") << elsewhere << true;
}

void StartupTest::activationSwitchAtStart()
{
    QFETCH(QStringList, file);
    QFETCH(bool, checked);
    WorkDir dir;
    dir.writeEmptyConfigRoot();
    dir.write(paths::ActivationFile, crlf(file).replace("\r\n", "\n"));
    const QByteArray before = dir.read(paths::ActivationFile);
    FakeDesktop desktop;
    auto form = createMainWindow(desktop);
    QVERIFY(form);
    QCOMPARE(form->findChild<QCheckBox *>("zok_UseConfig")->isChecked(), checked);
    if (checked) {
        const QByteArray after = dir.read(paths::ActivationFile);
        QCOMPARE(after, crlf(activationFileLines(true)));
        QCOMPARE(after.size(), 497);
    } else {
        QCOMPARE(dir.read(paths::ActivationFile), before);
    }
}

void StartupTest::activationRewriteComesBeforeTheKitFiles()
{
    WorkDir dir;
    dir.writeLines(paths::ActivationFile, activationWithFifthLine("    \"zok_UseConfig\": 1"));
    FakeDesktop desktop;
    QVERIFY(!createMainWindow(desktop));
    QCOMPARE(dir.read(paths::ActivationFile), crlf(activationFileLines(true)));
    QVERIFY(desktop.startupErrors.value(0).contains("KeyCard_Weapons_Config.JSON"));
}

void StartupTest::startupFailureShowsApplicationError_data()
{
    QTest::addColumn<QString>("broken");
    QTest::addColumn<QString>("unopened");  // the file the open failure names, if any
    QTest::addColumn<QString>("message");
    QTest::newRow("no config root") << "root" << paths::ActivationFile << "";
    QTest::newRow("activation file of four lines") << "short" << "" << "List index out of bounds (4)";
    QTest::newRow("weapon file missing, the first kit file read")
        << "weapons+general+clothing" << paths::WeaponKitFile << "";
    QTest::newRow("general file missing, read second")
        << "general+clothing" << paths::GeneralKitFile << "";
    QTest::newRow("clothing file missing") << "clothing" << paths::ClothingKitFile << "";
    QTest::newRow("general kit marker too close to the end")
        << "cutoff" << "" << "List index out of bounds (5)";
    QTest::newRow("switched-on activation cannot be rewritten")
        << "rewrite" << "" << "Cannot create file";
}

void StartupTest::startupFailureShowsApplicationError()
{
    QFETCH(QString, broken);
    QFETCH(QString, unopened);
    QFETCH(QString, message);
    WorkDir dir;
    if (!unopened.isEmpty())
        message = QStringLiteral("Cannot open file \"%1\". ").arg(fullPath(unopened));
    dir.writeEmptyConfigRoot();
    if (broken == "root") {
        QDir(dir.file(paths::ConfigRoot)).removeRecursively();
    } else if (broken == "short") {
        dir.writeLines(paths::ActivationFile, activationFileLines(false).mid(0, 4));
    } else if (broken == "cutoff") {
        dir.writeLines(paths::GeneralKitFile,
                       {"{", "\"m_ZOKConfig_Loot\": [", "        {",
                        "            \"zok_Tier\": \"red\",", "            \"zok_Category\": \"food\","});
    } else if (broken == "rewrite") {
        dir.writeLines(paths::ActivationFile, activationFileLines(true));
        testing::setInterruptSave([](const QString &) { return true; });
    } else {
        for (const QString &kind : broken.split('+')) {
            const QString path = kind == "weapons" ? paths::WeaponKitFile
                : kind == "general"                ? paths::GeneralKitFile
                                                   : paths::ClothingKitFile;
            QFile::remove(dir.file(path));
        }
    }
    FakeDesktop desktop;
    auto form = createMainWindow(desktop);
    testing::setInterruptSave(nullptr);
    QVERIFY(!form);
    QCOMPARE(desktop.startupErrors.size(), 1);
    QVERIFY2(desktop.startupErrors[0].startsWith(message), qPrintable(desktop.startupErrors[0]));
    QVERIFY(desktop.errors.isEmpty());
}

void StartupTest::togglingTheSwitchRewritesTheFile()
{
    WorkDir dir;
    dir.writeEmptyConfigRoot();
    FakeDesktop desktop;
    auto form = createMainWindow(desktop);
    QVERIFY(form);
    form->show();
    auto *box = form->findChild<QCheckBox *>("zok_UseConfig");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(box->isChecked());
    QCOMPARE(dir.read(paths::ActivationFile), crlf(activationFileLines(true)));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(!box->isChecked());
    QCOMPARE(dir.read(paths::ActivationFile), crlf(activationFileLines(false)));
    QCOMPARE(dir.read(paths::ActivationFile).size(), 497);
}

void StartupTest::failedToggleIsShownAndTheProgramGoesOn()
{
    WorkDir dir;
    dir.writeEmptyConfigRoot();
    FakeDesktop desktop;
    auto form = createMainWindow(desktop);
    QVERIFY(form);
    QDir(dir.file("ZOK_Keycards/Loot/Other")).removeRecursively();
    auto *box = form->findChild<QCheckBox *>("zok_UseConfig");
    box->setChecked(true);
    QCOMPARE(desktop.errors.size(), 1);
    QVERIFY(desktop.errors[0].startsWith(
        QStringLiteral("Cannot create file \"%1\". ").arg(fullPath(paths::ActivationFile))));
    QVERIFY(desktop.errors[0].endsWith('.'));
    QVERIFY(box->isChecked());
    QVERIFY(!dir.exists(paths::ActivationFile));
    // Still running: the next toggle works once the folder is back.
    QDir().mkpath(dir.file("ZOK_Keycards/Loot/Other"));
    box->setChecked(false);
    QCOMPARE(dir.read(paths::ActivationFile), crlf(activationFileLines(false)));
}

void StartupTest::exampleConfigIsInTheEditorsOwnFormat()
{
    WorkDir dir;
    dir.copyExampleConfigRoot();
    FakeDesktop desktop;
    auto form = createMainWindow(desktop);
    QVERIFY(form);
    // Written back unchanged by the editor's own writers, byte for byte.
    for (const QString &path : {paths::ClothingKitFile, paths::WeaponKitFile, paths::GeneralKitFile}) {
        const QByteArray original = dir.read(path);
        if (path == paths::ClothingKitFile)
            form->SaveClothingKits(true);
        else if (path == paths::WeaponKitFile)
            form->SaveWeaponKits(true);
        else
            form->SaveGeneralKits(true);
        QCOMPARE(dir.read(path), original);
    }
    QCOMPARE(dir.read(paths::ActivationFile), crlf(activationFileLines(false)));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
