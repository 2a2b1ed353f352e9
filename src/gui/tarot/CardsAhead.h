// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace tzolkara {

class ReadingPictures;

// Draws the twenty tarot cards while the question screen waits for the user,
// one card a turn of the event loop, so the first cast of a session copies
// its five pictures instead of drawing them from SVG (up to 2.5 ms each) and
// its result is painted within one frame. The cards hold text in the user's
// fonts, so they cannot be drawn when the program is built.
class CardsAhead final : public QObject
{
    Q_OBJECT

public:
    // Draws at `screen`'s pixel density, starting a moment after `screen` is
    // first shown, so its own first paint goes first.
    CardsAhead(QWidget *screen, const ReadingPictures &pictures);

    bool isDone() const { return m_nextGlyph >= kGlyphCount; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static constexpr int kGlyphCount = 20;
    static constexpr int kStartDelayMs = 100;

    void drawNext();

    QWidget *m_screen;
    const ReadingPictures &m_pictures;
    QTimer m_timer;
    int m_nextGlyph = 0;
};

} // namespace tzolkara
