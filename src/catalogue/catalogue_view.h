#pragma once

#include <QListView>
#include <QMouseEvent>

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
        // Per-pixel scrolling lets "GoTo Item" bring an entry exactly to
        // the edge it comes from.
        setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    }

signals:
    // A click anywhere in the rows' area, entry or not, after the press has
    // selected what lies under it. QListView::clicked only covers entries.
    void areaClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        m_leftPressed = event->button() == Qt::LeftButton;
        QListView::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QListView::mouseReleaseEvent(event);
        const bool click = m_leftPressed && event->button() == Qt::LeftButton
            && viewport()->rect().contains(event->position().toPoint());
        m_leftPressed = false;
        if (click)
            emit areaClicked();
    }

private:
    bool m_leftPressed = false;
};

} // namespace zok
