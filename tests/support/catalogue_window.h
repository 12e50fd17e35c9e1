#pragma once

#include "app/tform2.h"
#include "catalogue/catalogue_model.h"
#include "fake_desktop.h"
#include "workdir.h"

#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

// The real window, started on an empty config root in a private working
// directory and shown offscreen, with the desktop faked.
struct CatalogueWindow {
    WorkDir dir;
    FakeDesktop desktop;
    std::unique_ptr<zok::TForm2> window;

    CatalogueWindow()
    {
        dir.writeEmptyConfigRoot();
        window = zok::createMainWindow(desktop);
        if (!window)
            qFatal("the window did not start: %s", qPrintable(desktop.startupErrors.join('\n')));
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the window was not exposed");
    }

    const zok::CatalogueControls &cat() const { return window->catalogueControls(); }
    zok::CatalogueModel &model() const { return window->catalogue(); }
    QStringList shown() const
    {
        QStringList rows;
        for (int r = 0; r < model().rowCount(); ++r)
            rows << model().shownEntry(r);
        return rows;
    }
    void clickButton(QPushButton *button) const
    {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // "AddTypes" with the file dialog answering the given path.
    void importFile(const QString &path)
    {
        desktop.filesToChoose << path;
        clickButton(cat().AddTypes);
    }
    void loadFile(const QString &path)
    {
        desktop.filesToChoose << path;
        clickButton(cat().LoadFile);
    }
};
