// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/frmMDI.h"

#include "core/common/SiteAddresses.h"
#include "core/settings/DayNamesChoice.h"
#include "gui/common/Artwork.h"
#include "gui/common/ClickableLabel.h"
#include "gui/common/Fonts.h"
#include "gui/shell/BrandLinks.h"
#include "gui/shell/CommonMenus.h"
#include "gui/shell/frmAbout.h"
#include "gui/shell/modHelp.h"
#include "tables/engine/MayaCalendar.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tzolkara {

namespace {

// 120 twips at 96 pixels to the inch.
constexpr int kExitButtonRightGap = 8;
constexpr int kBannerHeight = 28;
constexpr int kButtonRowHeight = 50;
constexpr int kCoBrandHeight = 48;
constexpr int kEmblemSize = 144;

const QColor kStripColour(192, 192, 255);
const QColor kButtonColour(192, 192, 192);

QFrame *colouredStrip(const QString &objectName, const QColor &colour, int height)
{
    auto *strip = new QFrame;
    strip->setObjectName(objectName);
    strip->setFixedHeight(height);
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, colour);
    strip->setPalette(palette);
    return strip;
}

QPushButton *greyButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(verdana(8.25, true));
    button->setAutoDefault(true); // Enter presses the focused button, as Space does
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, kButtonColour);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    return button;
}

struct Heading
{
    const char *text;
    QColor colour;
    qreal pointSize;
};

// The welcome panel's headings, above the programs' own captions.
const std::array<Heading, 3> &headings()
{
    static const std::array<Heading, 3> list = {{
        {QT_TRANSLATE_NOOP("tzolkara::frmMDI", "Welcome to Tzolkara"), QColor(0, 255, 255), 12},
        {QT_TRANSLATE_NOOP(
             "tzolkara::frmMDI",
             "Welcome to the world of Mayan Astrology! Know more about your Mayan Astrology sign. "
             "Know what your Mayan Numerology lucky number is or consult the Mayan Astrology Tarot "
             "Oracle!"),
         QColor(255, 0, 0), 8.25},
        {QT_TRANSLATE_NOOP("tzolkara::frmMDI", "Tzolkara includes the following programs"),
         QColor(0, 255, 255), 12},
    }};
    return list;
}

constexpr qreal kProgramCaptionSize = 12;

} // namespace

frmMDI::frmMDI(QList<Program> programs, Desktop &desktop, const DayNamesChoice &dayNames,
               QWidget *parent)
    : QMainWindow(parent), m_programs(std::move(programs)), m_desktop(desktop), m_dayNames(dayNames)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(frmAbout::versionCaption());
    setWindowIcon(Artwork::applicationIcon());

    buildMenuBar();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildBanner());
    layout->addWidget(buildButtonRow());
    layout->addWidget(buildClientArea(), 1);
    layout->addWidget(buildCoBrandStrip());
    setCentralWidget(central);
    // The program buttons, today's link and the open screens first, then
    // Exit, then the links.
    if (!cmdSelectOption.empty() && lblToday->focusPolicy() != Qt::NoFocus)
        setTabOrder(cmdSelectOption.back(), lblToday);
    setTabOrder(cmdMdiExit, lblStarloomBanner);
    setTabOrder(lblStarloomBanner, Label7);
    // The keyboard starts on the first program.
    if (!cmdSelectOption.empty())
        cmdSelectOption.front()->setFocus();

    MDIForm_Load();
    connect(&m_dayNames, &DayNamesChoice::changed, this, &frmMDI::updateTodayLine);
}

frmMDI::~frmMDI()
{
    // The screens still go through their last hide and deactivation after
    // this body; none of that may reach the menu bar of a window that is
    // already half gone.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        window->removeEventFilter(this);
        disconnect(window, nullptr, this, nullptr);
    }
}

void frmMDI::buildMenuBar()
{
    QMenu *file = addFileMenu(menuBar());
    bool programItems = false;
    for (const Program &program : m_programs) {
        if (!program.entries.testFlag(ProgramEntry::FileMenu))
            continue;
        connect(addMenuItem(file, program.menuName, program.menuCaption), &QAction::triggered, this,
                [this, &program] { OpenProgramScreen(program.firstScreen); });
        programItems = true;
    }
    if (programItems)
        addMenuSeparator(file, QStringLiteral("mnuFileSep"));
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
            &frmMDI::mnuExit_Click);
    addCommonMenus(menuBar(), MenuVariant::MainWindow, m_desktop);
    m_ownMenus = menuBar()->actions();
}

void frmMDI::updateMenuBar()
{
    QList<QAction *> wanted = m_ownMenus;
    bool usable = true;
    if (!isWelcomePanelVisible()) {
        const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::StackingOrder);
        bool inFront = true;
        for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
            auto *screen = qobject_cast<ProgramScreen *>(*it);
            if (!screen || screen->isClosed() || screen->isHidden())
                continue;
            if (!screen->menuBarActions().isEmpty()) {
                wanted = screen->menuBarActions();
                usable = inFront;
                break;
            }
            // A screen without menus (the report) in front: the bar shows the
            // menus of the screen behind it, greyed, so that no Alt key of
            // theirs competes with the report's own buttons.
            inFront = false;
        }
    }
    QMenuBar *bar = menuBar();
    bar->setEnabled(usable);
    if (bar->actions() == wanted)
        return;
    // removeAction, not clear(): clear() deletes the items the bar owns.
    for (QAction *action : bar->actions())
        bar->removeAction(action);
    bar->addActions(wanted);
}

QFrame *frmMDI::buildBanner()
{
    Picture6 = colouredStrip(QStringLiteral("Picture6"), kStripColour, kBannerHeight);
    Picture6->setCursor(Qt::PointingHandCursor);
    Picture6->installEventFilter(this);

    lblStarloomBanner = new ClickableLabel(tr("The Most Popular Online Mystic Forum. Best Resource "
                                              "For Everything Mystic. Visit %1 Now")
                                               .arg(mainSiteCaptionAddress()),
                                           Picture6);
    lblStarloomBanner->setObjectName(QStringLiteral("lblStarloomBanner"));
    lblStarloomBanner->setFont(verdana(9.75, true, true));
    lblStarloomBanner->makeKeyboardLink(modHelp::homePageAddress());
    lblStarloomBanner->setAutoFillBackground(true);
    QPalette palette = lblStarloomBanner->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    lblStarloomBanner->setPalette(palette);
    lblStarloomBanner->setContentsMargins(6, 1, 6, 1);
    lblStarloomBanner->adjustSize();
    lblStarloomBanner->move(0, (kBannerHeight - lblStarloomBanner->height()) / 2);
    connect(lblStarloomBanner, &ClickableLabel::clicked, this,
            [this] { modHelp::OpenHomePage(m_desktop); });
    return Picture6;
}

QFrame *frmMDI::buildButtonRow()
{
    auto *strip = new QFrame;
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setFixedHeight(kButtonRowHeight);

    picButtonContainer = new QFrame(strip);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    auto *row = new QHBoxLayout(picButtonContainer);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    for (const Program &program : m_programs) {
        if (!program.entries.testFlag(ProgramEntry::Button))
            continue;
        const auto index = int(cmdSelectOption.size());
        auto *picture = new QLabel(picButtonContainer);
        picture->setObjectName(program.iconName);
        picture->setFixedSize(32, 32);
        picture->setAccessibleName(tr("Icon of %1").arg(program.caption));
        picture->setPixmap(Artwork::programButtonIcon(program.iconResource, devicePixelRatioF()));
        auto *button = greyButton(QStringLiteral("cmdSelectOption_%1").arg(index), program.caption,
                                  picButtonContainer);
        button->setMinimumHeight(32);
        connect(button, &QPushButton::clicked, this,
                [this, &program] { cmdSelectOption_Click(program); });
        if (index > 0)
            row->addSpacing(18);
        row->addWidget(picture);
        row->addWidget(button);
        cmdSelectOption.push_back(button);
    }
    picButtonContainer->adjustSize();
    picButtonContainer->move(0, (kButtonRowHeight - picButtonContainer->height()) / 2);
    return strip;
}

QWidget *frmMDI::buildClientArea()
{
    auto *client = new QWidget;
    auto *grid = new QGridLayout(client);
    grid->setContentsMargins(0, 0, 0, 0);

    m_mdiArea = new QMdiArea(client);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(Qt::black);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->addWidget(m_mdiArea, 0, 0);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::updateMenuBar);

    // The welcome panel lies over the screens' area while it is visible.
    picMain = new QFrame(client);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setAutoFillBackground(true);
    QPalette black = picMain->palette();
    black.setColor(QPalette::Window, Qt::black);
    picMain->setPalette(black);
    picMain->setMouseTracking(true);
    picMain->installEventFilter(this);
    grid->addWidget(picMain, 0, 0);
    picMain->raise();

    int top = 36;
    auto addCaption = [this, &top](const QString &text, const QColor &colour, qreal pointSize) {
        auto *caption = new ClickableLabel(text, picMain);
        caption->setObjectName(QStringLiteral("lblCaption_%1").arg(lblCaption.size()));
        caption->setFont(verdana(pointSize, true));
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, colour);
        caption->setPalette(palette);
        caption->move(0, top);
        lblCaption.push_back(caption);
        return caption;
    };
    for (const Heading &heading : headings()) {
        const bool wrapped = &heading == &headings()[1];
        ClickableLabel *caption = addCaption(tr(heading.text), heading.colour, heading.pointSize);
        caption->setCursor(Qt::ArrowCursor);
        if (wrapped) {
            caption->setWordWrap(true);
            caption->setAlignment(Qt::AlignHCenter);
            caption->setFixedWidth(640);
            caption->setFixedHeight(caption->heightForWidth(640));
        } else {
            caption->adjustSize();
        }
        top += caption->height() + (wrapped ? 40 : 14);
        connect(caption, &ClickableLabel::clicked, this, [this] { lblCaption_Click(nullptr); });
    }
    top += 10;
    for (const Program &program : m_programs) {
        if (program.entries.testFlag(ProgramEntry::TodayLink))
            m_todayProgram = &program;
        if (!program.entries.testFlag(ProgramEntry::WelcomeCaption))
            continue;
        ClickableLabel *caption = addCaption(program.caption, program.colour, kProgramCaptionSize);
        caption->adjustSize();
        top += caption->height() + 18;
        connect(caption, &ClickableLabel::clicked, this,
                [this, &program] { lblCaption_Click(&program); });
        connect(caption, &ClickableLabel::mouseMoved, this,
                [this, caption] { lblCaption_MouseMove(caption); });
    }

    // The calendar wheel beneath the choices; an ornament, not a control.
    picEmblem = new QLabel(picMain);
    picEmblem->setObjectName(QStringLiteral("picEmblem"));
    picEmblem->setAttribute(Qt::WA_TransparentForMouseEvents);
    picEmblem->setAccessibleName(tr("The Tzolkara emblem"));
    picEmblem->setPixmap(svgPixmap(Artwork::kApplicationIconResource,
                                   QSize(kEmblemSize, kEmblemSize), devicePixelRatioF()));
    picEmblem->setFixedSize(kEmblemSize, kEmblemSize);
    picEmblem->move(0, top + 24);

    lblToday = new ClickableLabel(QString(), picMain);
    lblToday->setObjectName(QStringLiteral("lblToday"));
    lblToday->setFont(verdana(9.75, true));
    QPalette light = lblToday->palette();
    light.setColor(QPalette::WindowText, QColor(224, 224, 224));
    lblToday->setPalette(light);
    lblToday->setToolTip(tr(
        "Today in the 260-day count and the Haab', then in the Long Count of days since the Maya "
        "creation."));
    if (m_todayProgram) {
        lblToday->setFont(verdana(9.75, true, true));
        lblToday->makeKeyboardLink(QString());
        lblToday->setAccessibleDescription(tr("Opens the %1").arg(m_todayProgram->caption));
        connect(lblToday, &ClickableLabel::clicked, this, &frmMDI::lblToday_Click);
    } else {
        lblToday->setCursor(Qt::ArrowCursor);
    }
    lblToday->move(0, picEmblem->y() + kEmblemSize + 16);
    // The line is part of the panel: moving over it clears the captions'
    // underline as the panel does.
    lblToday->setMouseTracking(true);
    lblToday->installEventFilter(this);
    m_midnight = new QTimer(this);
    m_midnight->setSingleShot(true);
    connect(m_midnight, &QTimer::timeout, this, &frmMDI::updateTodayLine);
    updateTodayLine();
    return client;
}

QFrame *frmMDI::buildCoBrandStrip()
{
    QFrame *strip = colouredStrip(QStringLiteral("PicCoBrand"), kStripColour, kCoBrandHeight);
    Label7 = new ClickableLabel(fullBrandCaption(), strip);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setFont(verdana(8.25, true, true));
    Label7->setWordWrap(true);
    Label7->makeKeyboardLink(modHelp::fullBrandPageAddress());
    connect(Label7, &ClickableLabel::clicked, this,
            [this] { modHelp::OpenFullBrandPage(m_desktop); });

    cmdMdiExit = greyButton(QStringLiteral("cmdMdiExit"), tr("&Exit"), strip);
    cmdMdiExit->setMinimumWidth(80);
    cmdMdiExit->adjustSize();
    connect(cmdMdiExit, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
    return strip;
}

int frmMDI::screenWidth() const
{
    const QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    return display ? display->geometry().width() : width();
}

void frmMDI::MDIForm_Load()
{
    // Centred on the width of the whole display, as the window opens maximized.
    const int width = screenWidth();
    lblStarloomBanner->move((width - lblStarloomBanner->width()) / 2, lblStarloomBanner->y());
    picButtonContainer->move((width - picButtonContainer->width()) / 2, picButtonContainer->y());
    for (ClickableLabel *caption : lblCaption)
        caption->move((width - caption->width()) / 2, caption->y());
    picEmblem->move((width - picEmblem->width()) / 2, picEmblem->y());
    cmdMdiExit->move(width - (cmdMdiExit->width() + kExitButtonRightGap),
                     (kCoBrandHeight - cmdMdiExit->height()) / 2);

    const int labelWidth = std::max(200, cmdMdiExit->x() - 24);
    Label7->setFixedWidth(labelWidth);
    Label7->setFixedHeight(std::min(kCoBrandHeight, Label7->heightForWidth(labelWidth)));
    Label7->move(12, (kCoBrandHeight - Label7->height()) / 2);
}

void frmMDI::updateTodayLine()
{
    const QDate today = m_desktop.today();
    const MayaCalendar::Day day =
        MayaCalendar::dayOf(MayaCalendar::julianDayOf(today.year(), today.month(), today.day()));
    lblToday->setText(
        tr("Today: %1, %2")
            .arg(QString::fromStdString(MayaCalendar::calendarRoundText(day, m_dayNames.names())),
                 QString::fromStdString(MayaCalendar::longCountText(day.longCount))));
    lblToday->adjustSize();
    lblToday->move((screenWidth() - lblToday->width()) / 2, lblToday->y());
    // A moment after midnight, so that the new day has surely begun.
    const QDateTime now = m_desktop.now();
    m_midnight->start(
        std::max<qint64>(1000, now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0, 1)))));
}

void frmMDI::setWelcomePanelVisible(bool visible)
{
    if (visible && !picMain->isVisible())
        updateTodayLine();
    if (visible) {
        // A screen the panel still covers once the event that showed it is
        // done (the calendar opened over a reading that has closed) is
        // hidden, so that no key reaches it unseen. Not at once: a screen
        // that hands over shows the next one, closes, and then hides the
        // panel again.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!isWelcomePanelVisible())
                    return;
                for (ProgramScreen *screen : openScreens()) {
                    if (screen->isVisible())
                        screen->hide();
                }
            },
            Qt::QueuedConnection);
    }
    picMain->setVisible(visible);
    updateMenuBar();
}

bool frmMDI::isWelcomePanelVisible() const
{
    return picMain->isVisibleTo(const_cast<frmMDI *>(this));
}

ProgramScreen *frmMDI::findScreen(ScreenId id) const
{
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        auto *screen = qobject_cast<ProgramScreen *>(window);
        if (screen && screen->id() == id && !screen->isClosed())
            return screen;
    }
    return nullptr;
}

ProgramScreen *frmMDI::loadScreen(ScreenId id)
{
    if (ProgramScreen *existing = findScreen(id))
        return existing;
    ProgramScreen *screen = nullptr;
    for (const Program &program : m_programs) {
        for (const Program::Screen &made : program.screens) {
            if (made.id == id && made.make)
                screen = made.make(*this);
        }
    }
    if (!screen)
        return nullptr;
    m_mdiArea->addSubWindow(screen, screen->windowFlags());
    // Whatever shows, hides, raises or ends a screen may change whose menus
    // the bar shows.
    screen->installEventFilter(this);
    connect(screen, &QObject::destroyed, this, &frmMDI::updateMenuBar, Qt::QueuedConnection);
    screen->Form_Load();
    return screen;
}

ProgramScreen *frmMDI::showScreen(ScreenId id)
{
    ProgramScreen *screen = loadScreen(id);
    if (!screen)
        return nullptr;
    screen->show();
    if (!screen->isPlaced()) {
        // Sized once shown: only then are its fonts and style final.
        screen->fitToContent();
        placeScreen(screen);
        screen->setPlaced();
    }
    screen->raise();
    m_mdiArea->setActiveSubWindow(screen);
    return screen;
}

void frmMDI::activateScreen(ProgramScreen *screen)
{
    m_mdiArea->setActiveSubWindow(screen);
}

void frmMDI::placeScreen(ProgramScreen *screen) const
{
    screen->move(std::max(0, (screenWidth() - screen->width()) / 2), 0);
}

ProgramScreen *frmMDI::OpenProgramScreen(ScreenId screen)
{
    CloseProgramScreens();
    setWelcomePanelVisible(false);
    return showScreen(screen);
}

void frmMDI::lblToday_Click()
{
    if (m_todayProgram)
        OpenProgramScreen(m_todayProgram->firstScreen);
}

void frmMDI::CloseProgramScreens()
{
    for (ProgramScreen *screen : openScreens())
        screen->close();
}

QList<ProgramScreen *> frmMDI::openScreens() const
{
    QList<ProgramScreen *> open;
    for (const Program &program : m_programs) {
        for (const Program::Screen &made : program.screens) {
            if (ProgramScreen *screen = findScreen(made.id))
                open.append(screen);
        }
    }
    return open;
}

void frmMDI::cmdSelectOption_Click(const Program &program)
{
    OpenProgramScreen(program.firstScreen);
}

void frmMDI::lblCaption_Click(const Program *program)
{
    CloseProgramScreens();
    if (program)
        OpenProgramScreen(program->firstScreen);
}

void frmMDI::lblCaption_MouseMove(ClickableLabel *caption)
{
    QFont font = caption->font();
    font.setUnderline(true);
    caption->setFont(font);
}

void frmMDI::picMain_MouseMove()
{
    for (ClickableLabel *caption : lblCaption) {
        QFont font = caption->font();
        font.setUnderline(false);
        caption->setFont(font);
    }
}

void frmMDI::cmdMdiExit_Click()
{
    close();
}

void frmMDI::mnuExit_Click()
{
    close();
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    // Nothing is asked and nothing is saved: every screen goes, then the
    // window, and with it the program.
    CloseProgramScreens();
    event->accept();
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
        if (qobject_cast<ProgramScreen *>(watched))
            updateMenuBar();
        break;
    default:
        break;
    }
    if ((watched == picMain || watched == lblToday) && event->type() == QEvent::MouseMove)
        picMain_MouseMove();
    if (watched == Picture6 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        modHelp::OpenHomePage(m_desktop);
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tzolkara
