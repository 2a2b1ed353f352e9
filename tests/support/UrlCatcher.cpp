// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/UrlCatcher.h"

#include <QDesktopServices>

UrlCatcher::UrlCatcher()
{
    // The handler API names its slot as text; there is no typed variant.
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QStringList UrlCatcher::openedAddresses() const
{
    QStringList addresses;
    for (const QUrl &url : opened)
        addresses << url.toString();
    return addresses;
}

void UrlCatcher::open(const QUrl &url)
{
    opened.append(url);
    if (onOpen)
        onOpen(url);
}
