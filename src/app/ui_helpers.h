#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QListWidget;
class QTabWidget;
class QWidget;

namespace zok {

// A plain filled rectangle; "ignoresMouse" lets clicks through to what lies
// below, as the page backgrounds do.
QWidget *makeRectangle(QWidget *parent, const QString &name, const QColor &fill,
                       const QRect &geometry, bool ignoresMouse);

// A label in white, the given family and pixel size.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
                  const QString &family = QString(), int pixelSize = 0);

// A tab control with 26-high tabs whose pages put children at their stated
// coordinates (no pane frame).
// The row a list shows as selected, or -1. Qt can leave a row current that
// no longer looks selected (a click below the entries, Ctrl+click, keyboard
// focus); editing or removing that kit would act on what the user cannot see.
int selectedListRow(const QListWidget *list);

QTabWidget *makeTabControl(QWidget *parent, const QString &name, const QRect &geometry);
QWidget *addTabPage(QTabWidget *tabs, const QString &name, const QString &text);

} // namespace zok
