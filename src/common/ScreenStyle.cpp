#include "ScreenStyle.h"

#include "Fonts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <QWidget>
#include <algorithm>

namespace tzolkara {

void applyScreenStyle(QWidget *content)
{
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, QColor(0xf6, 0xf0, 0xe2));
    palette.setColor(QPalette::WindowText, QColor(0x2a, 0x1b, 0x12));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0x2a, 0x1b, 0x12));
    palette.setColor(QPalette::Button, QColor(0xe4, 0xd6, 0xb8));
    palette.setColor(QPalette::ButtonText, QColor(0x2a, 0x1b, 0x12));
    palette.setColor(QPalette::Link, QColor(0x1f, 0x5d, 0x7a));
    content->setPalette(palette);
    content->setAutoFillBackground(true);
    content->setFont(verdana(8.25));
}

void makeWrappingText(QLabel *label, int width)
{
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFixedWidth(width);
    // Its height is set with its text instead: height-for-width layouts
    // would otherwise squeeze the screen below what the texts need.
    QSizePolicy policy = label->sizePolicy();
    policy.setHeightForWidth(false);
    label->setSizePolicy(policy);
}

void setWrappedText(QLabel *label, const QString &text)
{
    label->setText(text);
    // A wrapped label's size hint does not know its height at its width.
    label->setFixedHeight(
        std::max(label->heightForWidth(label->width()), label->fontMetrics().height()));
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
    auto *frame = new QGroupBox(QStringLiteral("Personal Details"), parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(verdana(8.25, true));
    *grid = new QGridLayout(frame);
    (*grid)->setContentsMargins(14, 16, 14, 14);
    (*grid)->setHorizontalSpacing(12);
    (*grid)->setVerticalSpacing(10);
    return frame;
}

} // namespace tzolkara
