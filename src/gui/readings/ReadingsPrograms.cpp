// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/readings/ReadingsPrograms.h"

#include "gui/common/Artwork.h"
#include "gui/readings/EntryScreen.h"
#include "gui/readings/ReportScreen.h"
#include "gui/readings/frmMayanAstrologyResult.h"
#include "gui/readings/frmMayanNumerologyResult.h"
#include <QCoreApplication>

namespace tzolkara {

Program astrologyProgram(KinEngine &engine, const ReadingPictures &pictures,
                         const DayNamesChoice &dayNames)
{
    Program program{QCoreApplication::translate("Programs", "Mayan Astrology"),
                    QColor(255, 255, 0),
                    Artwork::kAstrologyIconResource,
                    QStringLiteral("Picture4"),
                    ScreenId::AstrologyMain,
                    ProgramEntry::Button | ProgramEntry::WelcomeCaption,
                    {}};
    program.screens = {
        {ScreenId::AstrologyMain,
         [&engine](Navigator &navigator) {
             return new EntryScreen(EntryScreen::Kind::Astrology, engine, navigator);
         }},
        {ScreenId::AstrologyResult,
         [&engine, &pictures, &dayNames](Navigator &navigator) {
             return new frmMayanAstrologyResult(engine, pictures, dayNames, navigator);
         }},
        {ScreenId::AstrologySave,
         [&engine, &pictures, &dayNames](Navigator &navigator) {
             return new ReportScreen(ReportScreen::Kind::Astrology, engine, pictures, dayNames,
                                     navigator);
         }},
    };
    return program;
}

Program numerologyProgram(KinEngine &engine, const ReadingPictures &pictures,
                          const DayNamesChoice &dayNames)
{
    Program program{QCoreApplication::translate("Programs", "Mayan Numerology"),
                    QColor(0, 255, 0),
                    Artwork::kNumerologyIconResource,
                    QStringLiteral("Picture2"),
                    ScreenId::NumerologyMain,
                    ProgramEntry::Button | ProgramEntry::WelcomeCaption,
                    {}};
    program.screens = {
        {ScreenId::NumerologyMain,
         [&engine](Navigator &navigator) {
             return new EntryScreen(EntryScreen::Kind::Numerology, engine, navigator);
         }},
        {ScreenId::NumerologyResult,
         [&engine, &pictures](Navigator &navigator) {
             return new frmMayanNumerologyResult(engine, pictures, navigator);
         }},
        {ScreenId::NumerologySave,
         [&engine, &pictures, &dayNames](Navigator &navigator) {
             return new ReportScreen(ReportScreen::Kind::Numerology, engine, pictures, dayNames,
                                     navigator);
         }},
    };
    return program;
}

} // namespace tzolkara
