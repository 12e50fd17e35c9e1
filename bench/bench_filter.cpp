// One filter keystroke on a catalogue of 100,000 entries, through the real
// window: the key press, the filter pass, the view's relayout and a paint.
#include "bench_common.h"

#include "app/tform2.h"
#include "catalogue/catalogue_model.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    BenchDesktop desktop;
    zok::TForm2 window(desktop);
    window.show();
    QCoreApplication::processEvents();

    const QStringList names = realTypeNames();
    QStringList entries;
    for (int i = 0; entries.size() < 100000; ++i)
        entries << names[i % names.size()] + QStringLiteral("_%1").arg(i / names.size());
    window.catalogue().setEntries(entries);
    QCoreApplication::processEvents();

    QLineEdit *search = window.catalogueControls().SearchBox2;
    QListView *view = window.catalogueControls().ItemList;
    search->setFocus();
    // Typing, deleting and retyping, so both narrowing and widening count.
    const QList<int> keys = [] {
        QList<int> k;
        for (const char *word : {"akm", "mag_", "optic", "ammo_9"}) {
            for (const char *c = word; *c; ++c)
                k << int(*c);
            for (const char *c = word; *c; ++c)
                k << Qt::Key_Backspace;
        }
        return k;
    }();

    Figures keystroke, filterOnly;
    for (int round = 0; round < 5; ++round) {
        for (int key : keys) {
            QElapsedTimer t;
            t.start();
            if (key == Qt::Key_Backspace)
                QTest::keyClick(search, Qt::Key_Backspace);
            else
                QTest::keyClick(search, char(key));
            QCoreApplication::processEvents();  // the view's delayed relayout
            view->viewport()->repaint();
            keystroke.add(msSince(t));
        }
    }
    for (int round = 0; round < 5; ++round)
        for (const char *text : {"a", "ak", "akm", "ak", "a", ""}) {
            QElapsedTimer t;
            t.start();
            window.catalogue().setFilter(QString::fromLatin1(text));
            filterOnly.add(msSince(t));
        }
    std::printf("catalogue of %lld entries, %zu keystrokes\n",
                (long long)window.catalogue().entries().size(), keystroke.ms.size());
    std::printf("keystroke (key, filter, relayout, paint): mean %.2f ms  median %.2f ms  max %.2f ms\n",
                keystroke.mean(), keystroke.median(), keystroke.max());
    std::printf("filter pass alone:                        mean %.2f ms  median %.2f ms  max %.2f ms\n",
                filterOnly.mean(), filterOnly.median(), filterOnly.max());
    return 0;
}
