// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>

// Catches every http and https address the program asks the desktop to open,
// so tests can check links without starting a browser.
class UrlCatcher final : public QObject
{
    Q_OBJECT

public:
    UrlCatcher();
    ~UrlCatcher() override;

    QList<QUrl> opened;
    // Runs at the moment an address is opened, for tests of ordering.
    std::function<void(const QUrl &)> onOpen;

    QStringList openedAddresses() const;

public slots:
    void open(const QUrl &url);
};
