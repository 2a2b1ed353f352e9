#include "Startup.h"

#include "ProgramScreens.h"
#include "SingleInstance.h"
#include "common/Artwork.h"
#include "common/MessageBox.h"
#include "common/RandomSource.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QScreen>

#include <memory>

namespace tzolkara {

namespace {

// Closes every window of the program, in the order the window system lists
// them; the caller then ends the program.
void UnloadAllAndEnd()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->close();
}

} // namespace

frmMDI *startMainWindow()
{
    RandomSource::instance().seedFromClock();
    modHelp::CheckUpdateReminder();
    registerProgramScreens();
    auto *window = new frmMDI;
    window->setWelcomePanelVisible(true);
    // Fill the screen even where no window manager maximizes windows.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    return window;
}

int runTzolkara(int &argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(Artwork::applicationIcon());

    SingleInstance instance;
    if (!instance.tryAcquire()) {
        MessageBox::information(nullptr, QStringLiteral("Application is already running"));
        UnloadAllAndEnd();
        return 0;
    }

    const std::unique_ptr<frmMDI> window(startMainWindow());
    return QApplication::exec();
}

} // namespace tzolkara
