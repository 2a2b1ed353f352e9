// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/ClipboardGuard.h"

#include "gui/common/Desktop.h"

#include <QEvent>
#include <QTextEdit>

namespace tzolkara {

namespace {

class MouseGuard final : public QObject
{
public:
    MouseGuard(Desktop &desktop, QObject *parent) : QObject(parent), m_desktop(desktop) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            m_desktop.emptyClipboard();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Desktop &m_desktop;
};

} // namespace

void guardClipboard(QTextEdit *text, Desktop &desktop)
{
    // Mouse moves reach the viewport only while tracking is on.
    text->viewport()->setMouseTracking(true);
    text->viewport()->installEventFilter(new MouseGuard(desktop, text));
    QObject::connect(text, &QTextEdit::textChanged, text, [&desktop] { desktop.emptyClipboard(); });
}

} // namespace tzolkara
