#pragma once

#include <QListView>

namespace zok {

// The catalogue list: its header bar and filter box sit inside the list's
// frame above the rows, so the rows start below them.
class CatalogueView : public QListView {
    Q_OBJECT
public:
    static constexpr int HeaderHeight = 40;
    static constexpr int SearchHeight = 22;

    explicit CatalogueView(QWidget *parent = nullptr) : QListView(parent)
    {
        setViewportMargins(0, HeaderHeight + SearchHeight, 0, 0);
    }
};

} // namespace zok
