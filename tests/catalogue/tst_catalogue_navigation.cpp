#include "catalogue_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

using namespace zok;

namespace {

const QStringList kNames{"AKM", "Mag_akm_30Rnd", "M4A1", "Akm_Suppressor", "PlateCarrier", ""};

// 300 entries, three of them "Target" and two empty.
QStringList longCatalogue()
{
    QStringList entries;
    for (int i = 0; i < 300; ++i)
        entries << QStringLiteral("item%1").arg(i, 3, 10, QLatin1Char('0'));
    entries[20] = entries[150] = entries[280] = QStringLiteral("Target");
    entries[100] = entries[200] = QString();
    return entries;
}

QPoint rowCentre(const CatalogueWindow &w, int row)
{
    return w.cat().ItemList->visualRect(w.model().index(row)).center();
}

} // namespace

class CatalogueNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void filterShowsMatches_data();
    void filterShowsMatches();
    void filterClearsSelectionAndCountsShownEntries();
    void goToItem_data();
    void goToItem();
    void loadFileTakesEveryLine_data();
    void loadFileTakesEveryLine();
    void loadFileThatCannotBeOpenedKeepsCatalogue();
    void guardWarnsWithoutKit_data();
    void guardWarnsWithoutKit();
    void switchingKitTabsKeepsTheCatalogue();
};

void CatalogueNavigationTest::filterShowsMatches_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    const QStringList akm{"AKM", "Mag_akm_30Rnd", "Akm_Suppressor"};
    QTest::newRow("any case, anywhere") << "akm" << akm;
    QTest::newRow("capitals typed") << "AkM" << akm;
    QTest::newRow("blanks around") << "  akm   " << akm;
    QTest::newRow("blank inside counts") << "a km" << QStringList();
    QTest::newRow("only blanks shows all") << "   " << kNames;
    QTest::newRow("no match") << "xyz" << QStringList();
}

void CatalogueNavigationTest::filterShowsMatches()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    CatalogueWindow w;
    w.model().setEntries(kNames);
    QTest::keyClicks(w.cat().SearchBox2, typed);
    QCOMPARE(w.shown(), shown);
    QCOMPARE(w.model().entries(), kNames);  // hidden, not removed
}

void CatalogueNavigationTest::filterClearsSelectionAndCountsShownEntries()
{
    CatalogueWindow w;
    w.model().setEntries(kNames);
    QTest::mouseClick(w.cat().ItemList->viewport(), Qt::LeftButton, {}, rowCentre(w, 3));
    QCOMPARE(w.window->ItemListSelectedIndex(), 3);

    QTest::keyClicks(w.cat().SearchBox2, "ak");
    QCOMPARE(w.window->ItemListSelectedIndex(), -1);
    QCOMPARE(w.model().rowCount(), 3);
    QTest::mouseClick(w.cat().ItemList->viewport(), Qt::LeftButton, {}, rowCentre(w, 2));
    QCOMPARE(w.window->ItemListSelectedIndex(), 2);
    QCOMPARE(w.window->ItemListSelectedEntry(), QStringLiteral("Akm_Suppressor"));

    QTest::keyClicks(w.cat().SearchBox2, "m_");  // typing on narrows
    QCOMPARE(w.window->ItemListSelectedIndex(), -1);
    QCOMPARE(w.shown(), (QStringList{"Mag_akm_30Rnd", "Akm_Suppressor"}));
    QTest::keyClick(w.cat().SearchBox2, Qt::Key_Backspace);  // and widens again
    QCOMPARE(w.shown(), (QStringList{"AKM", "Mag_akm_30Rnd", "Akm_Suppressor"}));

    w.cat().SearchBox2->clear();
    QCOMPARE(w.shown(), kNames);
    QCOMPARE(w.window->ItemListSelectedIndex(), -1);
}

void CatalogueNavigationTest::goToItem_data()
{
    QTest::addColumn<QString>("jump");
    QTest::addColumn<bool>("startAtBottom");
    QTest::addColumn<int>("row");    // the row that ends in view, -1: view unmoved
    QTest::addColumn<bool>("atTop"); // which edge of the view it meets
    QTest::newRow("three repeats: the last") << "Target" << false << 280 << false;
    QTest::newRow("above the view") << "item010" << true << 10 << true;
    QTest::newRow("already in view") << "item003" << false << -1 << false;
    QTest::newRow("other letter case") << "target" << false << -1 << false;
    QTest::newRow("leading blank") << " Target" << false << -1 << false;
    QTest::newRow("empty: the last empty entry") << "" << false << 200 << false;
}

void CatalogueNavigationTest::goToItem()
{
    QFETCH(QString, jump);
    QFETCH(bool, startAtBottom);
    QFETCH(int, row);
    QFETCH(bool, atTop);
    CatalogueWindow w;
    w.model().setEntries(longCatalogue());
    QListView *view = w.cat().ItemList;
    QScrollBar *bar = view->verticalScrollBar();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(w, 5));
    if (startAtBottom)
        bar->setValue(bar->maximum());
    const int before = bar->value();

    w.cat().Edit1->setText(jump);
    w.clickButton(w.cat().Button19);

    QCOMPARE(w.window->ItemListSelectedIndex(), 5);
    if (row < 0) {
        QCOMPARE(bar->value(), before);
        return;
    }
    const QRect rect = view->visualRect(w.model().index(row));
    if (atTop)
        QCOMPARE(rect.top(), 0);
    else
        QCOMPARE(rect.bottom(), view->viewport()->height() - 1);
}

void CatalogueNavigationTest::loadFileTakesEveryLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc\r\n\r\ne\r\n");
    QTest::newRow("LF, no final break") << QByteArray("a\nb\nc\n\ne");
}

void CatalogueNavigationTest::loadFileTakesEveryLine()
{
    QFETCH(QByteArray, bytes);
    CatalogueWindow w;
    w.model().setEntries(longCatalogue());
    QTest::keyClicks(w.cat().SearchBox2, "item");
    w.dir.write("five.txt", bytes);
    w.loadFile(w.dir.file("five.txt"));
    QCOMPARE(w.model().entries(), (QStringList{"a", "b", "c", "", "e"}));
    QCOMPARE(w.window->ItemListSelectedIndex(), -1);
    QCOMPARE(w.window->catalogueEncoding(), TextEncoding::Ansi);
    QVERIFY(w.desktop.errors.isEmpty());
}

void CatalogueNavigationTest::loadFileThatCannotBeOpenedKeepsCatalogue()
{
    CatalogueWindow w;
    w.model().setEntries(kNames);
    w.loadFile(w.dir.file("missing.txt"));
    QCOMPARE(w.desktop.errors.size(), 1);
    QVERIFY(w.desktop.errors[0].startsWith(QStringLiteral("Cannot open file \"")));
    QCOMPARE(w.model().entries(), kNames);
    QCOMPARE(w.window->catalogueEncoding(), TextEncoding::None);
}

void CatalogueNavigationTest::guardWarnsWithoutKit_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("warning");
    QTest::newRow("ClothingKits") << 0 << "Please Select A ClothingKit Before Selecting An Item";
    QTest::newRow("WeaponKits") << 1 << "Please Select A WeaponKit Before Selecting An Item";
    QTest::newRow("GeneralKits") << 2 << "Please Select A GeneralKit Before Selecting An Item";
    QTest::newRow("Smol Crate Kits")
        << 3 << "Please Select A Smol Weapon kit Before Selecting An Item";
}

void CatalogueNavigationTest::guardWarnsWithoutKit()
{
    QFETCH(int, tab);
    QFETCH(QString, warning);
    CatalogueWindow w;
    w.model().setEntries(kNames);
    w.window->frame().TabControl1->setCurrentIndex(tab);
    QListWidget *kits[] = {w.window->clothingControls().ClothingKitList,
                           w.window->weaponControls().WeaponKitList,
                           w.window->generalControls().GeneralKitList,
                           w.window->smolControls().SmolWeaponKitList};
    QWidget *rows = w.cat().ItemList->viewport();

    QTest::mouseClick(rows, Qt::LeftButton, {}, rowCentre(w, 2));
    QCOMPARE(w.desktop.messages, QStringList{warning});
    QCOMPARE(w.window->ItemListSelectedIndex(), 2);
    QCOMPARE(w.window->ItemListSelectedEntry(), QStringLiteral("M4A1"));

    // Below the last entry is still the list's area.
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(20, rows->height() - 5));
    QCOMPARE(w.desktop.messages, (QStringList{warning, warning}));

    kits[tab]->addItem(QStringLiteral("green0"));
    kits[tab]->setCurrentRow(0);
    QTest::mouseClick(rows, Qt::LeftButton, {}, rowCentre(w, 1));
    QCOMPARE(w.desktop.messages.size(), 2);
    QCOMPARE(w.window->ItemListSelectedIndex(), 1);
}

void CatalogueNavigationTest::switchingKitTabsKeepsTheCatalogue()
{
    CatalogueWindow w;
    w.model().setEntries(kNames);
    QTest::keyClicks(w.cat().SearchBox2, "ak");
    w.cat().ItemList->selectionModel()->setCurrentIndex(w.model().index(1, 0),
                                                        QItemSelectionModel::ClearAndSelect);
    QTest::keyClicks(w.cat().Edit1, "AKM");
    QTabWidget *kitTabs = w.window->frame().TabControl1;
    for (int tab : {0, 1, 3, 2}) {
        kitTabs->setCurrentIndex(tab);
        QCOMPARE(w.model().entries(), kNames);
        QCOMPARE(w.cat().SearchBox2->text(), QStringLiteral("ak"));
        QCOMPARE(w.window->ItemListSelectedEntry(), QStringLiteral("Mag_akm_30Rnd"));
        QCOMPARE(w.cat().Edit1->text(), QStringLiteral("AKM"));
        QVERIFY(w.cat().ItemList->isVisible());
    }
}

QTEST_MAIN(CatalogueNavigationTest)
#include "tst_catalogue_navigation.moc"
