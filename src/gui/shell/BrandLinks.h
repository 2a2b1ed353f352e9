// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/common/ClickableLabel.h"

#include <QString>

namespace tzolkara {

class Desktop;

// The advertising links every program screen carries.

// "Co-brand this software ..." and "Home Business Opportunity ..." share one
// rectangle; the one on top is the one seen and clicked.
enum class BrandOnTop { FullBrand, CoBrand };

// Makes lblCobrand and lblFullBrand, stacked in one rectangle, inside the
// caption-less frame fraFullBrand (or, with inFrame false, a plain holder).
QWidget *createBrandLinks(Desktop &desktop, QWidget *parent, BrandOnTop onTop, bool inFrame = true);

// A label that opens the home page (Label14, Label61, Label1 ...).
ClickableLabel *createHomePageLink(Desktop &desktop, QWidget *parent, const QString &objectName,
                                   const QString &caption);

QString fullBrandCaption();
QString coBrandCaption();
// "The Most Popular Online Mystic Discussion Forum. Click Here To Visit <site> Now."
QString forumCaption();

} // namespace tzolkara
