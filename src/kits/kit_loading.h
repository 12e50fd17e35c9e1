#pragma once

#include "kits/kitfile.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace zok {

// The loader's list box is emptied first, without a selection change, so a
// file that cannot be opened leaves it empty and the array as it was.
template <class Kit>
void loadKitsIntoList(QListWidget *list, const QString &path, const KitFormat<Kit> &format,
                      QList<Kit> &kits)
{
    {
        const QSignalBlocker block(list);
        list->clear();
    }
    LineList lines;
    lines.load(path);
    readKits(lines, format, kits, [list](const QString &caption) { list->addItem(caption); });
}

template <class Kit>
void saveKitsToFile(const QString &path, const KitFormat<Kit> &format, const QList<Kit> &kits,
                    bool leaveOutMarked)
{
    LineList(writeKits(kits, format, leaveOutMarked)).save(path);
}

} // namespace zok
