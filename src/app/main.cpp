#include "app/desktop.h"
#include "app/tform2.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zok::QtDesktop desktop;
    auto window = zok::createMainWindow(desktop);
    if (!window)
        return 1;
    window->show();
    return app.exec();
}
