// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace tzolkara {

namespace {

// A screen reader hears a keyboard link as a link that can be pressed.
class AccessibleLink final : public QAccessibleWidget
{
public:
    explicit AccessibleLink(ClickableLabel *label) : QAccessibleWidget(label) {}

    // Asked each time: the interface may be made before the label becomes a link.
    QAccessible::Role role() const override
    {
        return label()->isKeyboardLink() ? QAccessible::Link : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (!own.isEmpty())
            return own;
        if (t == QAccessible::Name)
            return label()->text();
        if (t == QAccessible::Description && label()->isKeyboardLink())
            return label()->address();
        return own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (label()->isCoveredByTwin())
            s.invisible = true;
        if (label()->isKeyboardLink())
            s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isKeyboardLink())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && label()->isKeyboardLink())
            label()->activate();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    ClickableLabel *label() const { return static_cast<ClickableLabel *>(widget()); }
};

QAccessibleInterface *linkFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("tzolkara::ClickableLabel") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<ClickableLabel *>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
    // Captions are shown as they are: "&&" stays a double ampersand unless
    // the caller turns it into one.
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void ClickableLabel::makeKeyboardLink(const QString &address)
{
    m_keyboardLink = true;
    m_address = address;
    setFocusPolicy(m_coveredByTwin ? Qt::NoFocus : Qt::StrongFocus);
}

void ClickableLabel::setCoveredByTwin(bool covered)
{
    m_coveredByTwin = covered;
    if (m_keyboardLink)
        setFocusPolicy(covered ? Qt::NoFocus : Qt::StrongFocus);
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

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                       event->key() == Qt::Key_Space;
    if (m_keyboardLink && opens && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

// A keyboard link takes the focus, and QLabel then sets its text through a
// whole text document, laid out again for every size it is asked. A link is
// plain text: measured and drawn as QLabel draws a label without focus.
QSize ClickableLabel::plainTextSize(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    const int extra = 2 * margin();
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const bool tryWidth = width < 0 && wordWrap();
    if (tryWidth)
        width = std::min(metrics.averageCharWidth() * 80, maximumWidth());
    else if (width < 0)
        width = 2000;
    const QMargins margins = contentsMargins();
    width -= extra + margins.left() + margins.right();
    QRect bounds = metrics.boundingRect(0, 0, width, 2000, flags, text());
    if (tryWidth && bounds.height() < 4 * metrics.lineSpacing() && bounds.width() > width / 2)
        bounds = metrics.boundingRect(0, 0, width / 2, 2000, flags, text());
    if (tryWidth && bounds.height() < 2 * metrics.lineSpacing() && bounds.width() > width / 4)
        bounds = metrics.boundingRect(0, 0, width / 4, 2000, flags, text());
    return (bounds.size() + QSize(extra + margins.left() + margins.right(),
                                  extra + margins.top() + margins.bottom()))
        .expandedTo(minimumSize());
}

QSize ClickableLabel::sizeHint() const
{
    return m_keyboardLink && !text().isEmpty() ? plainTextSize(-1) : QLabel::sizeHint();
}

QSize ClickableLabel::minimumSizeHint() const
{
    if (!m_keyboardLink || text().isEmpty())
        return QLabel::minimumSizeHint();
    // As QLabel has it: the widest word, on one line unless the hint is lower.
    return QSize(plainTextSize(0).width(),
                 std::min(plainTextSize(QWIDGETSIZE_MAX).height(), plainTextSize(-1).height()));
}

int ClickableLabel::heightForWidth(int width) const
{
    return m_keyboardLink && !text().isEmpty() ? plainTextSize(width).height()
                                               : QLabel::heightForWidth(width);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    if (m_keyboardLink) {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                          (wordWrap() ? Qt::TextWordWrap : 0) |
                          (layoutDirection() == Qt::LeftToRight ? Qt::TextForceLeftToRight
                                                                : Qt::TextForceRightToLeft);
        style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(),
                              foregroundRole());
    } else {
        QLabel::paintEvent(event);
    }
    if (!hasFocus())
        return;
    // Where the keyboard is, as on a button.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace tzolkara
