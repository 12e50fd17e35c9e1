#pragma once

#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>

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

        // The scroll area would lay its own bar over the header and the
        // filter box; a bar of our own runs beside the rows only and
        // mirrors the hidden one.
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_rowsBar = new QScrollBar(Qt::Vertical, this);
        m_rowsBar->setObjectName(QStringLiteral("ItemListScrollBar"));
        m_rowsBar->hide();
        QScrollBar *inner = verticalScrollBar();
        connect(inner, &QScrollBar::rangeChanged, this, [this](int min, int max) {
            m_rowsBar->setRange(min, max);
            placeRowsBar();
        });
        connect(inner, &QScrollBar::valueChanged, m_rowsBar, &QScrollBar::setValue);
        connect(m_rowsBar, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
    }

signals:
    // A click anywhere in the rows' area, entry or not, after the press has
    // selected what lies under it. QListView::clicked only covers entries.
    void areaClicked();

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QListView::resizeEvent(event);
        placeRowsBar();
    }
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
    void placeRowsBar()
    {
        const QScrollBar *inner = verticalScrollBar();
        const bool needed = inner->maximum() > inner->minimum();
        const int barWidth = m_rowsBar->sizeHint().width();
        const int top = frameWidth() + HeaderHeight + SearchHeight;
        const int wanted = needed ? barWidth : 0;
        if (viewportMargins().right() != wanted)
            setViewportMargins(0, HeaderHeight + SearchHeight, wanted, 0);
        m_rowsBar->setPageStep(inner->pageStep());
        m_rowsBar->setSingleStep(inner->singleStep());
        m_rowsBar->setGeometry(width() - frameWidth() - barWidth, top, barWidth,
                               viewport()->height());
        m_rowsBar->setVisible(needed);
    }

    QScrollBar *m_rowsBar = nullptr;
    bool m_leftPressed = false;
};

} // namespace zok
