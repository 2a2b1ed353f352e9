// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints how long a reading takes from its button to the painted result
// screen, against one repaint of that same screen: Calculate on the
// Astrology entry screen, and Next on the tarot question screen (the cast);
// and how long the Maya Calendar takes from Page Down to its painted month,
// and to paint a month page with its marks and the Moon (the goal: within one
// frame, 16.7 ms, under X11).
// It drives the real main window and screens, started as the program starts
// them. Headless by default; under an X server, as bench/run-benchmarks runs
// it, the clipboard's round trips of the tarot count too:
//   xvfb-run -a env QT_QPA_PLATFORM=xcb build/bench/bench_readings

#include "app/ProgramContext.h"
#include "app/Startup.h"
#include "core/settings/DayNamesChoice.h"
#include "gui/common/Artwork.h"
#include "gui/desktop/SystemDesktop.h"
#include "gui/shell/ProgramScreen.h"
#include "gui/shell/frmMDI.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace tzolkara;

namespace {

// Times from arm() to the end of the first paint of one screen: the paint
// event of the screen or of any of its children starts it, and a queued call
// ends it, once the whole paint pass and its flush to the window are done.
class PaintClock final : public QObject
{
public:
    explicit PaintClock(ScreenId screen) : m_screen(screen) { qApp->installEventFilter(this); }

    void arm()
    {
        m_armed = true;
        m_timer.start();
    }

    // Milliseconds from arm() to the painted screen, or -1 after 10 s.
    double wait()
    {
        QTimer::singleShot(10000, &m_loop, [this] { m_loop.exit(1); });
        if (m_ms < 0 && m_loop.exec() != 0)
            return -1;
        const double ms = m_ms;
        m_ms = -1;
        return ms;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_armed && event->type() == QEvent::Paint && isOnScreen(watched)) {
            m_armed = false;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_ms = double(m_timer.nsecsElapsed()) / 1e6;
                    m_loop.quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool isOnScreen(QObject *object) const
    {
        for (auto *widget = qobject_cast<QWidget *>(object); widget;
             widget = widget->parentWidget()) {
            if (auto *screen = qobject_cast<ProgramScreen *>(widget))
                return screen->id() == m_screen;
        }
        return false;
    }

    ScreenId m_screen;
    bool m_armed = false;
    double m_ms = -1;
    QElapsedTimer m_timer;
    QEventLoop m_loop;
};

void press(QWidget *screen, const char *button)
{
    if (auto *found = screen->findChild<QPushButton *>(QString::fromLatin1(button)))
        found->click();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Figures
{
    double first = 0;             // the first reading of the run
    std::vector<double> readings; // the others
    std::vector<double> repaints; // one repaint of the result screen
};

void print(const char *name, const Figures &figures)
{
    std::printf("%s first=%.2f median=%.2f max=%.2f repaint=%.2f n=%zu\n", name, figures.first,
                median(figures.readings),
                *std::max_element(figures.readings.begin(), figures.readings.end()),
                median(figures.repaints), figures.readings.size());
}

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A user takes at least this long between opening an entry screen and asking
// for the first reading (typing a name, choosing a date, asking a question);
// the program may use it, as the tarot does to draw its cards.
constexpr int kUserPauseMs = 1000;

// Clicks `button` on `question` and times until `result` is painted, then
// times one repaint of it, then goes back with its Back button.
void measure(frmMDI &main, ScreenId entry, ScreenId result, const char *button, int readings,
             const std::function<void(ProgramScreen *, int)> &fill, Figures &figures)
{
    PaintClock clock(result);
    for (int i = 0; i <= readings; ++i) {
        ProgramScreen *question = main.findScreen(entry);
        fill(question, i);
        clock.arm();
        press(question, button);
        const double ms = clock.wait();
        if (i == 0)
            figures.first = ms;
        else
            figures.readings.push_back(ms);
        ProgramScreen *shown = main.findScreen(result);
        clock.arm();
        shown->update();
        figures.repaints.push_back(clock.wait());
        press(shown, "cmdBack");
        QApplication::processEvents();
    }
}

// Presses Page Down in the calendar's month grid and times until the next
// month is painted, then one repaint of the screen.
void measureCalendar(frmMDI &main, int presses, Figures &figures)
{
    PaintClock clock(ScreenId::MayaCalendar);
    ProgramScreen *calendar = main.findScreen(ScreenId::MayaCalendar);
    auto *grid = calendar->findChild<QWidget *>(QStringLiteral("grdMonth"));
    for (int i = 0; i <= presses; ++i) {
        clock.arm();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
        const double ms = clock.wait();
        if (i == 0)
            figures.first = ms;
        else
            figures.readings.push_back(ms);
        clock.arm();
        calendar->update();
        figures.repaints.push_back(clock.wait());
    }
}

// Paints the calendar's month page in K'iche' names after each of `months`
// Page Downs: from asking for the paint to the painted page, every day's
// marks and moons drawn (the Moon's instants are worked out when the month
// is shown, before this paint).
void measureMonthPage(frmMDI &main, DayNamesChoice &dayNames, int months, Figures &figures)
{
    dayNames.setNames(MayaCalendar::DayNames::Kiche);
    PaintClock clock(ScreenId::MayaCalendar);
    ProgramScreen *calendar = main.findScreen(ScreenId::MayaCalendar);
    auto *grid = calendar->findChild<QAbstractItemView *>(QStringLiteral("grdMonth"));
    for (int i = 0; i <= months; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
        runEventLoopFor(20); // the move's own paint
        clock.arm();
        grid->viewport()->update();
        const double ms = clock.wait();
        if (i == 0)
            figures.first = ms;
        else
            figures.readings.push_back(ms);
    }
    dayNames.setNames(MayaCalendar::DayNames::Yucatec);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // never touch the real settings
    QApplication::setWindowIcon(Artwork::applicationIcon());
    SystemDesktop desktop;
    ProgramContext context(desktop);
    const std::unique_ptr<frmMDI> main(startMainWindow(context));
    // Until the main window is on screen (QApplication::quit would close it).
    runEventLoopFor(500);

    const int readings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    Figures astrology;
    main->OpenProgramScreen(ScreenId::AstrologyMain);
    runEventLoopFor(kUserPauseMs);
    measure(
        *main, ScreenId::AstrologyMain, ScreenId::AstrologyResult, "cmdCalculate", readings,
        [](ProgramScreen *entry, int i) {
            // Days 37 apart: new signs and day numbers, pictures drawn anew.
            entry->findChild<QLineEdit *>(QStringLiteral("txtName"))
                ->setText(QStringLiteral("Ana"));
            const QDate birth = QDate(1950, 3, 1).addDays(37 * i);
            entry->findChild<QComboBox *>(QStringLiteral("cboMonth"))
                ->setCurrentIndex(birth.month() - 1);
            entry->findChild<QComboBox *>(QStringLiteral("cboDate"))
                ->setCurrentIndex(birth.day() - 1);
            entry->findChild<QComboBox *>(QStringLiteral("cboYear"))
                ->setCurrentIndex(birth.year() - 1900);
        },
        astrology);

    Figures tarot;
    main->OpenProgramScreen(ScreenId::TarotMain);
    runEventLoopFor(kUserPauseMs);
    measure(
        *main, ScreenId::TarotMain, ScreenId::TarotResult, "cmdNext", readings,
        [](ProgramScreen *question, int) {
            question->findChild<QLineEdit *>(QStringLiteral("txtName"))
                ->setText(QStringLiteral("Ana"));
        },
        tarot);

    Figures calendar;
    main->OpenProgramScreen(ScreenId::MayaCalendar);
    runEventLoopFor(kUserPauseMs);
    measureCalendar(*main, readings, calendar);
    Figures monthPage;
    measureMonthPage(*main, context.dayNames, readings, monthPage);

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    print("astrology", astrology);
    print("tarot", tarot);
    print("calendar", calendar);
    std::printf("monthpage first=%.2f median=%.2f max=%.2f n=%zu\n", monthPage.first,
                median(monthPage.readings),
                *std::max_element(monthPage.readings.begin(), monthPage.readings.end()),
                monthPage.readings.size());
    return 0;
}
