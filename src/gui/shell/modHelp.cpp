// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/modHelp.h"

#include "core/common/Clock.h"
#include "core/common/SiteAddresses.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/UpdateReminder.h"
#include "gui/common/MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
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

void OpenWebPage(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void OpenOnlineHelp()
{
    OpenWebPage(onlineHelpAddress());
}

void OpenHomePage()
{
    OpenWebPage(homePageAddress());
}

void OpenDownloadPage()
{
    OpenWebPage(downloadPageAddress());
}

void OpenDonatePage()
{
    OpenWebPage(donatePageAddress());
}

void OpenFullBrandPage()
{
    OpenWebPage(fullBrandPageAddress());
}

void OpenCoBrandPage()
{
    OpenWebPage(coBrandPageAddress());
}

void CheckUpdateReminder()
{
    SettingsStore store;
    const QDate today = Clock::today();
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
    const MessageBox::Answer answer = MessageBox::show(
        nullptr,
        QCoreApplication::translate("modHelp", "There maybe an update to this software available\r"
                                               "Do you want to check for an update?"),
        MessageBox::Icon::Information, MessageBox::Buttons::YesNo);
    store.write(kSettingsSection, kLastReminderDateKey, reminderDateText(today));
    if (answer == MessageBox::Answer::Yes)
        OpenDownloadPage();
}

} // namespace tzolkara::modHelp
