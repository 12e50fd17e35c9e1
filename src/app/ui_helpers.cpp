#include "app/ui_helpers.h"

#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>

namespace zok {

QWidget *makeRectangle(QWidget *parent, const QString &name, const QColor &fill,
                       const QRect &geometry, bool ignoresMouse)
{
    auto *rect = new QWidget(parent);
    rect->setObjectName(name);
    rect->setAutoFillBackground(true);
    QPalette pal = rect->palette();
    pal.setColor(QPalette::Window, fill);
    rect->setPalette(pal);
    rect->setGeometry(geometry);
    rect->setAttribute(Qt::WA_TransparentForMouseEvents, ignoresMouse);
    return rect;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
                  const QString &family, int pixelSize)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    if (!family.isEmpty() || pixelSize > 0) {
        QFont font = label->font();
        if (!family.isEmpty())
            font.setFamily(family);
        if (pixelSize > 0)
            font.setPixelSize(pixelSize);
        label->setFont(font);
    }
    label->move(at);
    label->adjustSize();
    return label;
}

int selectedListRow(const QListWidget *list)
{
    const QListWidgetItem *current = list->currentItem();
    return current && current->isSelected() ? list->currentRow() : -1;
}

QTabWidget *makeTabControl(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *tabs = new QTabWidget(parent);
    tabs->setObjectName(name);
    tabs->setGeometry(geometry);
    tabs->setDocumentMode(true);
    tabs->tabBar()->setFixedHeight(26);
    tabs->tabBar()->setExpanding(false);
    return tabs;
}

QWidget *addTabPage(QTabWidget *tabs, const QString &name, const QString &text)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    tabs->addTab(page, text);
    return page;
}

} // namespace zok
