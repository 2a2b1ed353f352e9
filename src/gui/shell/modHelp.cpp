// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/modHelp.h"

#include "core/common/SiteAddresses.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/UpdateReminder.h"
#include "gui/common/Desktop.h"

#include <QCoreApplication>
#include <QUrl>

namespace tzolkara::modHelp {

QString onlineHelpAddress()
{
    return mainSiteFullAddress() + QStringLiteral("/tzolkara/tzolkara-help.html");
}

QString homePageAddress()
{
    return mainSiteFullAddress();
}

QString downloadPageAddress()
{
    return mainSiteFullAddress() + QStringLiteral("/tzolkara/download-tzolkara.html");
}

QString donatePageAddress()
{
    return helpSiteFullAddress() + QStringLiteral("/donate.html");
}

QString fullBrandPageAddress()
{
    return helpSiteFullAddress() + QStringLiteral("/fully-branded.html");
}

QString coBrandPageAddress()
{
    return helpSiteFullAddress() + QStringLiteral("/co-brand.html");
}

void OpenWebPage(Desktop &desktop, const QString &address)
{
    desktop.openUrl(QUrl(address));
}

void OpenOnlineHelp(Desktop &desktop)
{
    OpenWebPage(desktop, onlineHelpAddress());
}

void OpenHomePage(Desktop &desktop)
{
    OpenWebPage(desktop, homePageAddress());
}

void OpenDownloadPage(Desktop &desktop)
{
    OpenWebPage(desktop, downloadPageAddress());
}

void OpenDonatePage(Desktop &desktop)
{
    OpenWebPage(desktop, donatePageAddress());
}

void OpenFullBrandPage(Desktop &desktop)
{
    OpenWebPage(desktop, fullBrandPageAddress());
}

void OpenCoBrandPage(Desktop &desktop)
{
    OpenWebPage(desktop, coBrandPageAddress());
}

void CheckUpdateReminder(Desktop &desktop, SettingsStore &store)
{
    const QDate today = desktop.today();
    const std::optional<QString> stored = store.read(kSettingsSection, kLastReminderDateKey);
    // Not a text the program wrote (edited by hand): no question, no change.
    if (!stored)
        return;
    switch (decideUpdateReminder(*stored, today)) {
    case ReminderAction::Nothing:
        return;
    case ReminderAction::RecordFirstRun:
        // A store that cannot be written only means the question may come
        // again at the next start; start-up goes on either way.
        store.write(kSettingsSection, kLastReminderDateKey, reminderDateText(today));
        return;
    case ReminderAction::Ask:
        break;
    }
    const bool yes = desktop.askYesNo(
        nullptr,
        QCoreApplication::translate("modHelp", "There maybe an update to this software available\r"
                                               "Do you want to check for an update?"));
    store.write(kSettingsSection, kLastReminderDateKey, reminderDateText(today));
    if (yes)
        OpenDownloadPage(desktop);
}

} // namespace tzolkara::modHelp
