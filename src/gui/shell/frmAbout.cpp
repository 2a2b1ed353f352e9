// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/frmAbout.h"

#include "core/common/SiteAddresses.h"
#include "core/common/Version.h"
#include "gui/common/Artwork.h"
#include "gui/common/ClickableLabel.h"
#include "gui/common/Fonts.h"
#include "gui/shell/modHelp.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace tzolkara {

namespace {

QLabel *whiteLabel(const QString &objectName, const QString &text, const QFont &font,
                   QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white;"));
    label->setWordWrap(true);
    return label;
}

ClickableLabel *cyanLink(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new ClickableLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(verdana(8.25, false, true));
    label->setStyleSheet(QStringLiteral("color: rgb(0,255,255);"));
    return label;
}

} // namespace

const QString &frmAbout::versionCaption()
{
    static const QString caption = QStringLiteral("Tzolkara v" TZOLKARA_VERSION);
    return caption;
}

frmAbout::frmAbout(Desktop &desktop, QWidget *parent) : QDialog(parent), m_desktop(desktop)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(versionCaption());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(
        svgPixmap(Artwork::kApplicationIconResource, QSize(32, 32), devicePixelRatioF()));
    picture->setFixedSize(32, 32);

    QLabel *name =
        whiteLabel(QStringLiteral("Label2"), versionCaption(), verdana(9.75, true), this);
    QLabel *description = whiteLabel(
        QStringLiteral("Label1"),
        tr("Tzolkara determines your Mayan astrology zodiac sign, Mayan numerology sign and "
           "mayan astrology tarot reading. This program gives you a detailed interpretation of "
           "the sign you belong to in the Mayan zodiac, your Mayan Day Number / Galactic "
           "Number, your characteristic traits and your personality based on different signs. "
           "This program also helps a person understand his personality and improve himself "
           "for the better."),
        verdana(8.25), this);
    QLabel *parts = whiteLabel(
        QStringLiteral("lblParts"),
        tr("Its parts: Mayan Astrology, Mayan Numerology, the Mayan Astrology Tarot, and the Maya "
           "Calendar, which follows the 260-day count, the Haab' and the Long Count from day to "
           "day, with their feasts, the year bearers and the Moon."),
        verdana(8.25), this);
    QLabel *offer = whiteLabel(QStringLiteral("Label3"),
                               tr("Home Business Opportunity. Start your own "
                                  "Internet business and make money online. Get "
                                  "this software fully branded for your website. "),
                               verdana(8.25, true), this);
    lblCoBrand = cyanLink(QStringLiteral("lblCoBrand"), tr("Click here for more details."), this);
    lblHomePage = cyanLink(QStringLiteral("lblHomePage"),
                           tr("Click here to visit %1").arg(mainSiteCaptionAddress()), this);
    lblCoBrand->makeKeyboardLink(modHelp::fullBrandPageAddress());
    lblHomePage->makeKeyboardLink(modHelp::homePageAddress());

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background-color: rgb(224,224,224);"));

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(verdana(8.25, true));
    cmdOK->setStyleSheet(QStringLiteral("background-color: rgb(192,192,192); color: black;"
                                        "padding: 4px 18px; border: 1px solid #808080;"));
    cmdOK->setDefault(true);

    QLabel *licence = whiteLabel(QStringLiteral("lblLicence"),
                                 tr("Free software under the GNU GPL, version 3 or later;\n"
                                    "its texts and pictures under CC BY-SA 4.0."),
                                 verdana(6.75), this);
    licence->setStyleSheet(QStringLiteral("color: rgb(192,192,192);"));

    auto *header = new QHBoxLayout;
    header->addWidget(picture);
    header->addSpacing(10);
    header->addWidget(name, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(licence, 1);
    buttons->addSpacing(12);
    buttons->addWidget(cmdOK, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(8);
    layout->addLayout(header);
    layout->addWidget(description);
    layout->addWidget(parts);
    layout->addSpacing(6);
    layout->addWidget(offer);
    layout->addWidget(lblCoBrand);
    layout->addWidget(lblHomePage);
    layout->addSpacing(6);
    layout->addWidget(line);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblCoBrand, &ClickableLabel::clicked, this, &frmAbout::lblCoBrand_Click);
    connect(lblHomePage, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);

    setFixedWidth(440);
    setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmAbout::ShowModal(Desktop &desktop)
{
    frmAbout about(desktop);
    // A window of its own, but one the window manager treats as a dialog of
    // the program (no minimise or maximise, kept above the main window).
    if (QWidget *main = QApplication::activeWindow()) {
        about.winId();
        if (about.windowHandle() && main->windowHandle())
            about.windowHandle()->setTransientParent(main->windowHandle());
    }
    about.exec();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblCoBrand_Click()
{
    modHelp::OpenFullBrandPage(m_desktop);
}

void frmAbout::lblHomePage_Click()
{
    modHelp::OpenHomePage(m_desktop);
}

} // namespace tzolkara
