#include "app/desktop.h"
#include "app/tform2.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/import_scanner.h"
#include "config/paths.h"
#include "config/textlines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>

namespace zok {

namespace {
// Pending events are dispatched on the first line and then whenever this
// much time has passed: often enough for the window to stay live and the
// bar to move, rarely enough that a 200,000-line file is not slowed down by
// one event-loop turn per line.
constexpr qint64 kPumpIntervalMs = 8;
} // namespace

void TForm2::AddTypesClick()
{
    if (m_catState.importRunning)
        return;
    OpenTypesClose(m_desktop.chooseOpenFile(this));
}

void TForm2::OpenTypesClose(const QString &chosenFile)
{
    if (chosenFile.isEmpty() || m_catState.importRunning)
        return;

    QStringList found;  // entries not yet handed to the model
    auto flush = [this, &found] {
        if (!found.isEmpty()) {
            m_catalogue->appendMany(found);
            found.clear();
        }
    };

    m_catState.importRunning = true;
    m_cat.AddTypes->setEnabled(false);
    m_cat.LoadFile->setEnabled(false);
    m_cat.ProgressBar1->setValue(0);
    m_cat.ProgressBar1->show();
    // However the import ends, what was found stays and the panel is idle
    // again; an error then travels on to the error box.
    const auto idleAgain = qScopeGuard([this, &flush] {
        flush();
        m_cat.ProgressBar1->hide();
        m_cat.AddTypes->setEnabled(true);
        m_cat.LoadFile->setEnabled(true);
        m_catState.importRunning = false;
    });

    LineList file;
    file.load(chosenFile);
    const QStringList &lines = file.lines();
    // A range of 0..0 would turn the bar into a busy indicator.
    m_cat.ProgressBar1->setRange(0, int(qMax<qsizetype>(1, lines.size() - 1)));

    QElapsedTimer sincePump;
    bool pumped = false;
    const auto onLine = [&](qsizetype i) {
        if (pumped && sincePump.elapsed() < kPumpIntervalMs)
            return;
        flush();
        m_cat.ProgressBar1->setValue(int(i));
        QCoreApplication::processEvents();
        sincePump.start();
        pumped = true;
    };
    const auto add = [&found](const QString &entry) { found.append(entry); };

    const ImportKind kind = classifyImport(lines);
    scanImport(lines, kind, onLine, add);

    if (writesAttachmentListing(kind)) {
        flush();
        LineList listing(m_catalogue->entries());
        listing.setEncoding(m_catState.encoding);
        listing.save(paths::AttachmentListing);
    }
}

} // namespace zok
