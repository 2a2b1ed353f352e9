#include "modHelp.h"

#include "SettingsStore.h"
#include "UpdateReminder.h"
#include "common/Clock.h"
#include "common/MessageBox.h"
#include "common/SiteAddresses.h"

#include <QDesktopServices>
#include <QUrl>

namespace tzolkara::modHelp {

void OpenWebPage(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void OpenOnlineHelp()
{
    OpenWebPage(mainSiteFullAddress() + QStringLiteral("/tzolkara/tzolkara-help.html"));
}

void OpenHomePage()
{
    OpenWebPage(mainSiteFullAddress());
}

void OpenDownloadPage()
{
    OpenWebPage(mainSiteFullAddress() + QStringLiteral("/tzolkara/download-tzolkara.html"));
}

void OpenDonatePage()
{
    OpenWebPage(helpSiteFullAddress() + QStringLiteral("/donate.html"));
}

void OpenFullBrandPage()
{
    OpenWebPage(helpSiteFullAddress() + QStringLiteral("/fully-branded.html"));
}

void OpenCoBrandPage()
{
    OpenWebPage(helpSiteFullAddress() + QStringLiteral("/co-brand.html"));
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
    const MessageBox::Answer answer =
        MessageBox::show(nullptr,
                         QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?"),
                         MessageBox::Icon::Information, MessageBox::Buttons::YesNo);
    store.write(kSettingsSection, kLastReminderDateKey, reminderDateText(today));
    if (answer == MessageBox::Answer::Yes)
        OpenDownloadPage();
}

} // namespace tzolkara::modHelp
