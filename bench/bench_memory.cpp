// Peak memory of the editor holding a catalogue of 100,000 entries, imported
// through the real window from a generated types file.
#include "bench_common.h"

#include "app/tform2.h"
#include "catalogue/catalogue_model.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    useOffscreenPlatform();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());

    // Two lines per type: 100,000 entries from a file of 200,002 lines.
    const QStringList names = realTypeNames();
    QStringList lines{QStringLiteral("<types>")};
    for (int i = 0; i < 100000; ++i)
        lines << QStringLiteral("    <type name=\"%1_%2\">").arg(names[i % names.size()]).arg(i)
              << QStringLiteral("    </type>");
    lines << QStringLiteral("</types>");
    const QString path = dir.filePath(QStringLiteral("types_100k.xml"));
    zok::LineList(lines).save(path);
    lines.clear();

    BenchDesktop desktop;
    zok::TForm2 window(desktop);
    window.show();
    QCoreApplication::processEvents();
    const long baseRss = procStatusKb("VmRSS");
    const long baseHwm = procStatusKb("VmHWM");

    desktop.filesToChoose << path;
    window.AddTypesClick();
    QCoreApplication::processEvents();

    std::printf("entries %lld\n", (long long)window.catalogue().entries().size());
    std::printf("window shown, empty catalogue: RSS %.1f MB (peak %.1f MB)\n", baseRss / 1024.0,
                baseHwm / 1024.0);
    std::printf("after the import:              RSS %.1f MB, peak during the run %.1f MB\n",
                procStatusKb("VmRSS") / 1024.0, procStatusKb("VmHWM") / 1024.0);
    return 0;
}
