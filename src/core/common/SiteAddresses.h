// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// The two web sites the program links to. Every address the program opens or
// shows is made from these.
inline const QString kMainSiteHost = QStringLiteral("www.tzolkara.example");
inline const QString kHelpSiteHost = QStringLiteral("help.tzolkara.example");

// The main site as link captions show it ("Visit www.tzolkara.example Now").
inline QString mainSiteCaptionAddress()
{
    return kMainSiteHost;
}

// The main site's full address, as a printed report gives it.
inline QString mainSiteFullAddress()
{
    return QStringLiteral("https://") + kMainSiteHost;
}

inline QString helpSiteFullAddress()
{
    return QStringLiteral("https://") + kHelpSiteHost;
}

} // namespace tzolkara
