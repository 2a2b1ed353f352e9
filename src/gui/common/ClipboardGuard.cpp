// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/ClipboardGuard.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QTextEdit>

namespace tzolkara {

namespace {

class MouseGuard final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            emptyClipboard();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void emptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

void guardClipboard(QTextEdit *text)
{
    // Mouse moves reach the viewport only while tracking is on.
    text->viewport()->setMouseTracking(true);
    text->viewport()->installEventFilter(new MouseGuard(text));
    QObject::connect(text, &QTextEdit::textChanged, text, [] { emptyClipboard(); });
}

} // namespace tzolkara
