// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {
class Desktop;
class SettingsStore;
} // namespace tzolkara

// The program's web links and its start-up update reminder, on the desktop
// the program runs on.
namespace tzolkara::modHelp {

// Hands the address to the desktop's browser; whether one opens is not
// reported (there is nothing the user could do about it here).
void OpenWebPage(Desktop &desktop, const QString &address);

// The fixed addresses of the links.
QString onlineHelpAddress();
QString homePageAddress();
QString downloadPageAddress();
QString donatePageAddress();
QString fullBrandPageAddress();
QString coBrandPageAddress();

void OpenOnlineHelp(Desktop &desktop);
void OpenHomePage(Desktop &desktop);
void OpenDownloadPage(Desktop &desktop);
void OpenDonatePage(Desktop &desktop);
void OpenFullBrandPage(Desktop &desktop);
void OpenCoBrandPage(Desktop &desktop);

// Once per start: asks whether to look for an update when the last question
// lies more than 14 days away, and remembers in `settings` when it asked.
void CheckUpdateReminder(Desktop &desktop, SettingsStore &settings);

} // namespace tzolkara::modHelp
