#pragma once

#include "config/textlines.h"

class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QWidget;

namespace zok {

struct CatalogueControls {
    QListView *ItemList = nullptr;
    QWidget *ListBoxHeader2 = nullptr;
    QLabel *Label524 = nullptr;
    QPushButton *LoadFile = nullptr;
    QPushButton *AddTypes = nullptr;
    QLineEdit *SearchBox2 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Button19 = nullptr;
    QLineEdit *Edit1 = nullptr;
};

struct CatalogueState {
    // The listing file is written in the encoding of the file that
    // "LoadFile" read last; never loaded means the ANSI code page.
    TextEncoding encoding = TextEncoding::None;
    // An import pumps events; while it runs no second import or load may
    // start inside it.
    bool importRunning = false;
};

} // namespace zok
