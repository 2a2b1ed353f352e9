// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/ScreenStyle.h"

#include "gui/common/Fonts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

namespace tzolkara {

namespace {

// Every role of every group is set, so that QWidget::setPalette() keeps this
// very palette (a palette with any role unset is merged with the inherited
// one into a new palette).
QPalette screenPalette(const QPalette &standard)
{
    QPalette palette = standard;
    palette.setColor(QPalette::Window, QColor(0xf6, 0xf0, 0xe2));
    palette.setColor(QPalette::WindowText, QColor(0x2a, 0x1b, 0x12));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0x2a, 0x1b, 0x12));
    palette.setColor(QPalette::Button, QColor(0xe4, 0xd6, 0xb8));
    palette.setColor(QPalette::ButtonText, QColor(0x2a, 0x1b, 0x12));
    palette.setColor(QPalette::Link, QColor(0x1f, 0x5d, 0x7a));
    // The roles above set every group alike; a control that rests (the
    // calendar's lists while Find looks for a feast) must look it.
    const QColor resting(0x9a, 0x8a, 0x78);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, resting);
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

} // namespace

void applyScreenStyle(QWidget *content)
{
    content->setAutoFillBackground(true);
    content->setFont(verdana(8.25));
}

void applyScreenPalette(QWidget *content)
{
    // The style keeps what it draws for each palette, and a widget that
    // inherits a palette from a parent with one of its own gets a palette of
    // its own. One palette, the same object for every widget of every
    // screen, keeps that to one set of drawings for the life of the program.
    static const QPalette shared = screenPalette(content->palette());
    content->setPalette(shared);
    const QList<QWidget *> widgets = content->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->setPalette(shared);
}

namespace {

// Wrapped text whose width is fixed and whose height setWrappedText() fixes to
// its text. Once its size is fixed it answers the layouts with it: as a plain
// QLabel it would lay its whole text out anew, several times, for every size
// the layouts ask of it while a screen is made and shown, only for them to
// clamp the answer to that fixed size.
class WrappingTextLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return isSized() ? minimumSize() : QLabel::sizeHint(); }
    QSize minimumSizeHint() const override
    {
        return isSized() ? minimumSize() : QLabel::minimumSizeHint();
    }
    int heightForWidth(int width) const override
    {
        return isSized() ? minimumHeight() : QLabel::heightForWidth(width);
    }

    // The height its text needs at its width.
    int textHeight() const { return QLabel::heightForWidth(width()); }

private:
    bool isSized() const { return minimumSize() == maximumSize(); }
};

} // namespace

QLabel *wrappingTextLabel(int width, QWidget *parent)
{
    auto *label = new WrappingTextLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFixedWidth(width);
    return label;
}

void setWrappedText(QLabel *label, const QString &text)
{
    label->setText(text);
    // A wrapped label's size hint does not know its height at its width.
    const auto *wrapping = dynamic_cast<const WrappingTextLabel *>(label);
    const int height = wrapping ? wrapping->textHeight() : label->heightForWidth(label->width());
    label->setFixedHeight(std::max(height, label->fontMetrics().height()));
}

QLabel *boldCaption(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(verdana(8.25, true));
    return label;
}

QLabel *introLabel(const QString &objectName, const QString &text, QWidget *parent)
{
    QLabel *label = boldCaption(objectName, text, parent);
    label->setFont(verdana(9.75, true));
    label->setWordWrap(true);
    return label;
}

QGroupBox *personalDetailsFrame(QWidget *parent, QGridLayout **grid)
{
    auto *frame =
        new QGroupBox(QCoreApplication::translate("ScreenStyle", "Personal Details"), parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(verdana(8.25, true));
    *grid = new QGridLayout(frame);
    (*grid)->setContentsMargins(14, 16, 14, 14);
    (*grid)->setHorizontalSpacing(12);
    (*grid)->setVerticalSpacing(10);
    return frame;
}

} // namespace tzolkara
