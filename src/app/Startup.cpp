// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Startup.h"

#include "app/LazyStyleIcons.h"
#include "app/ProgramContext.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "gui/common/Artwork.h"
#include "gui/common/Fonts.h"
#include "gui/desktop/SystemDesktop.h"
#include "gui/shell/frmMDI.h"
#include "gui/shell/modHelp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QScreen>

#include <memory>
#include <system_error>
#include <thread>

#include <fontconfig/fontconfig.h>

namespace tzolkara {

namespace {

// fontconfig's own initialisation on a thread of its own. Qt starts it again
// when it first needs a font; started twice at once, fontconfig keeps one
// result, so waiting here only saves doing the work twice.
class FontConfigWarmUp final
{
public:
    FontConfigWarmUp()
    {
        try {
            m_thread = std::thread([] { FcInit(); });
        } catch (const std::system_error &) {
            // No thread to be had: Qt reads the configuration itself.
        }
    }
    ~FontConfigWarmUp() { wait(); }
    Q_DISABLE_COPY_MOVE(FontConfigWarmUp)

    void wait()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};

// Closes every window of the program, in the order the window system lists
// them; the caller then ends the program.
void UnloadAllAndEnd()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->close();
}

} // namespace

void bringToFront(QWidget *mainWindow)
{
    // A question asked at start-up comes before the main window exists.
    QWidget *window = QApplication::activeModalWidget();
    if (!window)
        window = mainWindow;
    if (!window)
        return;
    // Back to its maximized or normal size, not to a plain normal window.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

frmMDI *startMainWindow(ProgramContext &context)
{
    modHelp::CheckUpdateReminder(context.desktop, context.settings);
    auto *window = new frmMDI(context.programs(), context.desktop, context.dayNames);
    window->setWelcomePanelVisible(true);
    // Fill the screen even where no window manager maximizes windows.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    return window;
}

int runTzolkara(int &argc, char **argv, const std::function<void(frmMDI &)> &beforeEventLoop)
{
    // Reading the font configuration is the longest single step before the
    // first paint; it needs nothing of Qt, so it runs beside the
    // application's start (the connection to the display above all).
    FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    const Language language = Language::forUiLanguages(QLocale::system().uiLanguages());
    const InstalledLanguage installedLanguage(language);
    QApplication::setStyle(styleWithLazyMenuBarArrow());
    QApplication::setWindowIcon(Artwork::applicationIcon());
    fonts.wait();
    // The program's one family for what the screens leave to the default
    // font too (menus, tooltips, message boxes), at the desktop's size.
    QApplication::setFont(verdana(QApplication::font().pointSizeF()));
    // Seeds the tarot's random numbers from the clock, once.
    SystemDesktop desktop;

    SingleInstance instance;
    if (!instance.tryAcquire()) {
        desktop.showInformation(
            nullptr, QCoreApplication::translate("Startup", "Application is already running"));
        UnloadAllAndEnd();
        return 0;
    }
    // A second start may come while the update question is still open, before
    // the main window exists.
    QPointer<frmMDI> mainWindow;
    QObject::connect(&instance, &SingleInstance::activationRequested,
                     [&mainWindow] { bringToFront(mainWindow); });

    ProgramContext context(desktop, language);
    const std::unique_ptr<frmMDI> window(startMainWindow(context));
    mainWindow = window.get();
    if (beforeEventLoop)
        beforeEventLoop(*window);
    return QApplication::exec();
}

} // namespace tzolkara
