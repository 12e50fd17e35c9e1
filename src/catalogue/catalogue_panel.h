#pragma once

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

} // namespace zok
