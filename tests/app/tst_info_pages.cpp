#include "app/clickable.h"
#include "app/fonts.h"
#include "app/info_pages.h"
#include "app/tform2.h"
#include "fake_desktop.h"
#include "kits/slot_table.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using namespace zok;

class InfoPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_desktop = FakeDesktop();
        m_window = std::make_unique<TForm2>(m_desktop);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void howToTexts_data();
    void howToTexts();
    void creditsTexts_data();
    void creditsTexts();
    void linkClickOpensItsAddress_data();
    void linkClickOpensItsAddress();
    void bundledFontsAreRegistered();
    void picturesAreTheProjectsOwn();
    void trimsAtWordBoundary_data();
    void trimsAtWordBoundary();

private:
    QLabel *label(const QString &name) const
    {
        return m_window->findChild<QLabel *>(name);
    }

    FakeDesktop m_desktop;
    std::unique_ptr<TForm2> m_window;
};

void InfoPagesTest::howToTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("box");
    QTest::newRow("Text8") << "Text8" << "1) Download Your KeyCard Config Folder "
                           << QRect(0, 30, 1057, 67);
    QTest::newRow("Text9")
        << "Text9"
        << "2) Place Your Config Folder In The Same Directory as The App And Replace Default Folder"
        << QRect(0, 102, 1057, 67);
    QTest::newRow("Text10")
        << "Text10" << "3) Select Kit (1)  Import Types(2) Select item(3)  Select Placement(4) "
        << QRect(-8, 302, 1057, 67);
}

void InfoPagesTest::howToTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, box);
    QLabel *l = label(name);
    QVERIFY(l);
    QCOMPARE(l->parentWidget(), m_window->frame().TabItem3);
    QCOMPARE(l->text(), text);
    QCOMPARE(l->geometry(), box);
    QVERIFY(l->font().bold());
    QCOMPARE(l->font().pixelSize(), 20);
    QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::white));
}

void InfoPagesTest::creditsTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("underlined");
    const QColor lime(0x32, 0xCD, 0x32), maroon(0x80, 0, 0), violet(0x8A, 0x2B, 0xE2),
        cornflower(0x64, 0x95, 0xED);
    QTest::newRow("Credits") << "Credits" << "Credits" << QRect(0, 24, 1057, 65) << 24 << lime
                             << false;
    QTest::newRow("Text4") << "Text4" << "Mod Creators" << QRect(0, 88, 1057, 65) << 24 << maroon
                           << false;
    QTest::newRow("Text2") << "Text2" << community::AddonCreator1 << QRect(0, 168, 1057, 65)
                           << 24 << lime << false;
    QTest::newRow("Text3") << "Text3" << community::AddonCreator2 << QRect(0, 232, 1057, 65)
                           << 24 << lime << false;
    QTest::newRow("Text7") << "Text7" << "ZOK_KeyCards Discord" << QRect(0, 304, 1057, 40) << 26
                           << cornflower << true;
    QTest::newRow("Text5") << "Text5" << "App Creator" << QRect(8, 376, 1057, 65) << 24 << maroon
                           << false;
    QTest::newRow("Text6") << "Text6" << community::EditorMaker << QRect(0, 448, 1057, 65) << 24
                           << violet << false;
    QTest::newRow("Text1") << "Text1" << "My Discord" << QRect(0, 512, 1057, 40) << 26
                           << cornflower << true;
}

void InfoPagesTest::creditsTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, box);
    QFETCH(int, pixelSize);
    QFETCH(QColor, colour);
    QFETCH(bool, underlined);
    QLabel *l = label(name);
    QVERIFY(l);
    QCOMPARE(l->parentWidget(), m_window->frame().TabItem7);
    QCOMPARE(l->text(), text);
    QCOMPARE(l->geometry(), box);
    QCOMPARE(l->font().pixelSize(), pixelSize);
    QVERIFY(l->font().bold());
    QCOMPARE(l->font().underline(), underlined);
    QCOMPARE(l->palette().color(QPalette::WindowText), colour);
    // The family resolves to the bundled face, not a stand-in.
    QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("Russo One"));
}

void InfoPagesTest::linkClickOpensItsAddress_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("Text7 add-on community") << "Text7" << QUrl(community::AddonCommunityUrl);
    QTest::newRow("Text1 editor community") << "Text1" << QUrl(community::EditorCommunityUrl);
}

void InfoPagesTest::linkClickOpensItsAddress()
{
    QFETCH(QString, name);
    QFETCH(QUrl, url);
    QVERIFY(url.isValid());
    QVERIFY(url.scheme() == QLatin1String("https"));
    m_window->frame().Z->setCurrentIndex(0);
    m_window->frame().TabControl2->setCurrentIndex(1);
    auto *link = m_window->findChild<ClickableLabel *>(name);
    QVERIFY(link);
    QVERIFY(link->isVisible());
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(m_desktop.openedUrls, QList<QUrl>{url});
    QVERIFY(m_desktop.errors.isEmpty());
    QVERIFY(m_desktop.messages.isEmpty());
}

void InfoPagesTest::bundledFontsAreRegistered()
{
    QCOMPARE(registerBundledFonts(), BundledFontFamilies);
    const QStringList families = QFontDatabase::families();
    for (const QString &family : BundledFontFamilies) {
        QVERIFY2(families.contains(family), qPrintable(family));
        QFont font(family);
        font.setPixelSize(14);
        QCOMPARE(QFontInfo(font).family(), family);
    }
    // Each font ships with its licence.
    for (const char *licence : {"Roboto", "Orbitron", "RussoOne"}) {
        QFile file(QStringLiteral(":/fonts/%1-LICENSE").arg(QLatin1String(licence)));
        QVERIFY2(file.open(QIODevice::ReadOnly), licence);
        QVERIFY(file.readAll().contains("SIL Open Font License"));
    }
}

void InfoPagesTest::picturesAreTheProjectsOwn()
{
    QCOMPARE(QImage(StepsPicture).size(), QSize(896, 418));
    QCOMPARE(QImage(ConfigRootPicture).size(), QSize(255, 54));
    QCOMPARE(QImage(QStringLiteral(":/icons/clear.png")).size(), QSize(14, 14));
    QVERIFY(!m_window->windowIcon().isNull());
    QWidget tab;
    const SlotWidgets row = makeSlotRow(&tab, QStringLiteral("zok_Helm"),
                                        QStringLiteral("zok_Helm :"), QStringLiteral("Image3"),
                                        QPoint(240, 310), 200);
    QCOMPARE(row.clear->pixmap().size(), QSize(14, 14));

    // Scaled to fit their boxes, proportions kept.
    QLabel *image1 = label(QStringLiteral("Image1"));
    QLabel *image2 = label(QStringLiteral("Image2"));
    QVERIFY(image1 && image2);
    QCOMPARE(image1->geometry(), QRect(0, 174, 1057, 115));
    QCOMPARE(image2->geometry(), QRect(-8, 374, 1057, 403));
    QCOMPARE(image1->pixmap().height(), 115);
    QCOMPARE(image2->pixmap().height(), 403);
    QVERIFY(qAbs(image2->pixmap().width() - 896 * 403 / 418) <= 1);
}

void InfoPagesTest::trimsAtWordBoundary_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("room");  // the width is that of this text
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << "ZOK_KeyCards Discord" << "ZOK_KeyCards Discord"
                          << "ZOK_KeyCards Discord";
    QTest::newRow("last word dropped")
        << "ZOK_KeyCards Discord" << "ZOK_KeyCards Disc" << QString("ZOK_KeyCards") + QChar(0x2026);
    QTest::newRow("two words dropped") << "Add on Creator One" << "Add on Crea"
                                       << QString("Add on") + QChar(0x2026);
}

void InfoPagesTest::trimsAtWordBoundary()
{
    QFETCH(QString, text);
    QFETCH(QString, room);
    QFETCH(QString, shown);
    QFont font(QStringLiteral("Russo One"));
    font.setPixelSize(26);
    font.setBold(true);
    const QFontMetrics metrics(font);
    QCOMPARE(trimAtWordBoundary(text, metrics, metrics.horizontalAdvance(room)), shown);
}

QTEST_MAIN(InfoPagesTest)
#include "tst_info_pages.moc"
