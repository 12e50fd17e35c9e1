// Import of a types file through the real window, against the bare read
// (file to lines) of the same file.
#include "bench_common.h"

#include "app/tform2.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/import_scanner.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

namespace {

constexpr int kRuns = 7;

void measure(const QString &label, const QString &path)
{
    Figures read, classify, scan, import;
    qsizetype lines = 0, entries = 0;
    double longestStall = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer t;
        t.start();
        zok::LineList file;
        file.load(path);
        read.add(msSince(t));
        lines = file.count();
        t.start();
        const zok::ImportKind kind = zok::classifyImport(file.lines());
        classify.add(msSince(t));
        QStringList found;
        t.start();
        zok::scanImport(file.lines(), kind, [](qsizetype) {},
                        [&found](const QString &e) { found << e; });
        scan.add(msSince(t));
    }
    for (int run = 0; run < kRuns; ++run) {
        BenchDesktop desktop;
        zok::TForm2 window(desktop);
        window.show();
        QCoreApplication::processEvents();
        // A 1 ms timer stands for the user: the longest gap between its
        // ticks is the longest time the window did not answer.
        QElapsedTimer sinceTick;
        double stall = 0;
        QTimer tick;
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            stall = std::max(stall, msSince(sinceTick));
            sinceTick.start();
        });
        desktop.filesToChoose << path;
        QElapsedTimer t;
        tick.start();
        sinceTick.start();
        t.start();
        window.AddTypesClick();
        import.add(msSince(t));
        tick.stop();
        longestStall = std::max(longestStall, stall);
        entries = window.catalogue().entries().size();
    }
    std::printf("%-28s %8lld lines %7lld entries  read %7.1f ms  import %7.1f ms  ratio %4.1f"
                "  longest stall %5.1f ms  (median of %d)\n",
                qPrintable(label), (long long)lines, (long long)entries, read.median(),
                import.median(), import.median() / read.median(), longestStall, kRuns);
    std::printf("%-28s fastest run: read %.1f ms, import %.1f ms; without a window: classify"
                " %.1f ms, scan %.1f ms\n",
                "", read.min(), import.min(), classify.median(), scan.median());
}

// What one event-loop turn per line would add, for the record.
void measurePumpPerLine(qsizetype lines)
{
    BenchDesktop desktop;
    zok::TForm2 window(desktop);
    window.show();
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    for (qsizetype i = 0; i < lines; ++i)
        QCoreApplication::processEvents();
    std::printf("%-28s %8lld turns of the event loop with the window shown: %7.1f ms\n",
                "one turn per line", (long long)lines, msSince(t));
}

} // namespace

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const QString generated = dir.filePath(QStringLiteral("types_200k.xml"));
    const qsizetype generatedLines = writeGeneratedTypesFile(generated, 200000);

    measure(QStringLiteral("real types.xml"), fixture(QStringLiteral("types.xml")));
    measure(QStringLiteral("generated types file"), generated);
    measurePumpPerLine(generatedLines);
    return 0;
}
