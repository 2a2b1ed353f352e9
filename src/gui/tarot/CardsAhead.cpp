// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/tarot/CardsAhead.h"

#include "gui/tarot/frmMayanAstrologyTarotResult.h"

#include <QEvent>
#include <QWidget>

namespace tzolkara {

CardsAhead::CardsAhead(QWidget *screen, const ReadingPictures &pictures)
    : QObject(screen), m_screen(screen), m_pictures(pictures)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CardsAhead::drawNext);
    screen->installEventFilter(this);
}

bool CardsAhead::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_screen && event->type() == QEvent::Show) {
        m_screen->removeEventFilter(this);
        m_timer.start(kStartDelayMs);
    }
    return false;
}

void CardsAhead::drawNext()
{
    const qreal ratio = m_screen->devicePixelRatioF();
    // A cast may already have drawn some of them.
    while (m_nextGlyph < kGlyphCount &&
           frmMayanAstrologyTarotResult::isCardDrawn(m_pictures, m_nextGlyph, ratio))
        ++m_nextGlyph;
    if (isDone())
        return;
    frmMayanAstrologyTarotResult::drawCardAhead(m_pictures, m_nextGlyph++, ratio);
    // A zero timer fires once the events already waiting (keys, paints) are
    // handled, so typing never waits for more than one card.
    m_timer.start(0);
}

} // namespace tzolkara
