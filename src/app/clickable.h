#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace zok {

// QLineEdit has no click signals; the slots of the kit tabs need both.
class ClickableEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QLineEdit::mousePressEvent(event);
        if (event->button() == Qt::LeftButton)
            emit clicked();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QLineEdit::mouseDoubleClickEvent(event);
        if (event->button() == Qt::LeftButton)
            emit doubleClicked();
    }
};

// Pictures and link texts that react to a click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
    }
};

} // namespace zok
