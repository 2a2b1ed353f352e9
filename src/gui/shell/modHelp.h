// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program's web links and its start-up update reminder.
namespace tzolkara::modHelp {

// Hands the address to the desktop's browser; whether one opens is not
// reported (there is nothing the user could do about it here).
void OpenWebPage(const QString &address);

// The fixed addresses of the links.
QString onlineHelpAddress();
QString homePageAddress();
QString downloadPageAddress();
QString donatePageAddress();
QString fullBrandPageAddress();
QString coBrandPageAddress();

void OpenOnlineHelp();
void OpenHomePage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

// Once per start: asks whether to look for an update when the last question
// lies more than 14 days away, and remembers when it asked.
void CheckUpdateReminder();

} // namespace tzolkara::modHelp
