// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/BrandLinks.h"

#include "core/common/SiteAddresses.h"
#include "gui/common/ClickableLabel.h"
#include "gui/common/Fonts.h"
#include "gui/shell/modHelp.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>

namespace tzolkara {

namespace {

ClickableLabel *linkLabel(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *label = new ClickableLabel(caption, parent);
    label->setObjectName(objectName);
    label->setFont(verdana(8.25, true, true));
    label->setWordWrap(true);
    label->setAutoFillBackground(true); // the label on top hides the one beneath
    label->setForegroundRole(QPalette::Link);
    return label;
}

} // namespace

QString fullBrandCaption()
{
    return QCoreApplication::translate(
        "BrandLinks",
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.");
}

QString coBrandCaption()
{
    // Shown as written: one ampersand, and the double blanks kept.
    return QCoreApplication::translate(
        "BrandLinks",
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
        "co-branding.");
}

QString forumCaption()
{
    return QCoreApplication::translate("BrandLinks",
                                       "The Most Popular Online Mystic Discussion Forum. "
                                       "Click Here To Visit %1 Now.")
        .arg(mainSiteCaptionAddress());
}

QWidget *createBrandLinks(Desktop &desktop, QWidget *parent, BrandOnTop onTop, bool inFrame)
{
    QFrame *holder = new QFrame(parent);
    if (inFrame) {
        holder->setObjectName(QStringLiteral("fraFullBrand"));
        holder->setFrameShape(QFrame::StyledPanel);
    }
    auto *grid = new QGridLayout(holder);
    grid->setContentsMargins(6, 4, 6, 4);

    ClickableLabel *coBrand = linkLabel(holder, QStringLiteral("lblCobrand"), coBrandCaption());
    ClickableLabel *fullBrand =
        linkLabel(holder, QStringLiteral("lblFullBrand"), fullBrandCaption());
    grid->addWidget(coBrand, 0, 0);
    grid->addWidget(fullBrand, 0, 0);
    coBrand->makeKeyboardLink(modHelp::coBrandPageAddress());
    fullBrand->makeKeyboardLink(modHelp::fullBrandPageAddress());
    const bool coBrandOnTop = onTop == BrandOnTop::CoBrand;
    (coBrandOnTop ? coBrand : fullBrand)->raise();
    (coBrandOnTop ? fullBrand : coBrand)->setCoveredByTwin(true);

    QObject::connect(coBrand, &ClickableLabel::clicked,
                     [&desktop] { modHelp::OpenCoBrandPage(desktop); });
    QObject::connect(fullBrand, &ClickableLabel::clicked,
                     [&desktop] { modHelp::OpenFullBrandPage(desktop); });
    return holder;
}

ClickableLabel *createHomePageLink(Desktop &desktop, QWidget *parent, const QString &objectName,
                                   const QString &caption)
{
    ClickableLabel *label = linkLabel(parent, objectName, caption);
    label->setAutoFillBackground(false);
    label->makeKeyboardLink(modHelp::homePageAddress());
    QObject::connect(label, &ClickableLabel::clicked,
                     [&desktop] { modHelp::OpenHomePage(desktop); });
    return label;
}

} // namespace tzolkara
