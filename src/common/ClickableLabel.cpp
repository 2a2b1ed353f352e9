#include "ClickableLabel.h"

#include <QMouseEvent>

namespace tzolkara {

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    // Captions are shown as they are: "&&" stays a double ampersand unless
    // the caller turns it into one.
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    // Taken here, so the strip or panel beneath never sees the same click.
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    event->accept(); // a move over a caption is not a move over the panel beneath
    emit mouseMoved();
}

} // namespace tzolkara
