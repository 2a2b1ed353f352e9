// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace tzolkara {

// A label that acts on a single click, with the hand pointer of a link.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

    // Makes the label a link for the keyboard and for screen readers: it
    // takes the focus with Tab, opens with Enter or Space, and says what it
    // is, with its address as description.
    void makeKeyboardLink(const QString &address);
    bool isKeyboardLink() const { return m_keyboardLink; }
    const QString &address() const { return m_address; }

    // Marks a label that lies hidden beneath another in the same place: it
    // is neither in the tab order nor shown to screen readers.
    void setCoveredByTwin(bool covered);
    bool isCoveredByTwin() const { return m_coveredByTwin; }

    // What a click does, for the keyboard and for assistive technology.
    void activate() { emit clicked(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QSize plainTextSize(int width) const;

    bool m_pressed = false;
    bool m_keyboardLink = false;
    bool m_coveredByTwin = false;
    QString m_address;
};

} // namespace tzolkara
