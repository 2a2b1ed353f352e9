// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/readings/ReportScreen.h"

#include "core/common/SiteAddresses.h"
#include "core/engine/BirthMonth.h"
#include "core/engine/KinEngine.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReportRuns.h"
#include "core/settings/DayNamesChoice.h"
#include "gui/common/Artwork.h"
#include "gui/common/ClickableLabel.h"
#include "gui/common/ClipboardGuard.h"
#include "gui/common/Desktop.h"
#include "gui/common/Fonts.h"
#include "gui/common/MayaDayFrame.h"
#include "gui/common/ReadingPdf.h"
#include "gui/common/ScreenStyle.h"
#include "gui/shell/BrandLinks.h"

#include "core/i18n/ShownDates.h"
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tzolkara {

namespace {

QTextCharFormat charFormat(RunFormat format)
{
    QTextCharFormat result;
    const bool bold = format == RunFormat::Label || format == RunFormat::Heading;
    result.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    switch (format) {
    case RunFormat::Label:
        result.setForeground(QColor(128, 0, 128));
        break;
    case RunFormat::Value:
        result.setForeground(QColor(0, 0, 0));
        break;
    case RunFormat::Heading:
    case RunFormat::HeadingColourPlain:
        result.setForeground(QColor(0, 128, 0));
        break;
    }
    return result;
}

QPushButton *button(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(objectName);
    result->setFont(verdana(9.75, true));
    result->setMinimumSize(96, 30);
    return result;
}

} // namespace

ReportScreen::ReportScreen(Kind kind, KinEngine &engine, const ReadingPictures &pictures,
                           const DayNamesChoice &dayNames, Navigator &navigator, QWidget *parent)
    : ProgramScreen(kind == Kind::Astrology ? ScreenId::AstrologySave : ScreenId::NumerologySave,
                    navigator, parent),
      m_kind(kind), m_engine(engine), m_pictures(pictures), m_dayNames(dayNames)
{
    const bool astrology = kind == Kind::Astrology;
    setObjectName(astrology ? QStringLiteral("frmMayanAstrologySave")
                            : QStringLiteral("frmMayanNumerologySave"));
    setWindowTitle(astrology ? tr("Tzolkara Mayan Astrology") : tr("Tzolkara Mayan Numerology"));

    auto *content = new QWidget;
    applyScreenStyle(content);

    RTB = new QTextEdit(content);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setFont(verdana(9.75));
    // A report to read, print and save: what the user may type would reach
    // neither the file nor the reading, so the box does not take it.
    RTB->setReadOnly(true);
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->document()->setDocumentMargin(8);
    RTB->setMinimumSize(600, 380);
    guardClipboard(RTB, desktop());

    cmdSave = button(QStringLiteral("cmdSave"), tr("&Save"), content);
    cmdPrint = button(QStringLiteral("cmdPrint"), tr("&Print"), content);
    connect(cmdSave, &QPushButton::clicked, this, &ReportScreen::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ReportScreen::cmdPrint_Click);
    cmdSavePdf = button(QStringLiteral("cmdSavePdf"), tr("Save as P&DF"), content);
    connect(cmdSavePdf, &QPushButton::clicked, this, &ReportScreen::cmdSavePdf_Click);

    Label1 = createHomePageLink(desktop(), content, QStringLiteral("Label1"),
                                tr("Click Here To Visit %1 Now").arg(mainSiteCaptionAddress()));
    Label14 = createHomePageLink(desktop(), content, QStringLiteral("Label14"),
                                 tr("The Most Popular Online Mystic Discussion Forum"));
    for (ClickableLabel *link : {Label1, Label14}) {
        link->setWordWrap(false);
        link->setAlignment(Qt::AlignCenter);
    }
    QWidget *brandLinks = createBrandLinks(desktop(), content, BrandOnTop::CoBrand);
    setTabOrder(Label14, Label1); // as they stand, top to bottom

    // Esc leaves the report for the result screen, as it leaves the About box.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leave->setContext(Qt::WidgetWithChildrenShortcut);
    connect(leave, &QShortcut::activated, this, &ReportScreen::close);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSavePdf);
    buttons->addStretch();

    auto *report = new QHBoxLayout;
    report->setSpacing(10);
    report->addWidget(RTB, 1);
    report->addLayout(buttons);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    layout->addLayout(report, 1);
    layout->addSpacing(4);
    layout->addWidget(Label14);
    layout->addWidget(Label1);
    layout->addSpacing(4);
    layout->addWidget(brandLinks);

    setContent(content);
}

void ReportScreen::Form_Load()
{
    const ReadingState &state = m_engine.state();
    const ReportRuns runs = m_kind == Kind::Astrology
                                ? composeAstrologyReport(state, reportTrailer())
                                : composeNumerologyReport(state, reportTrailer());
    RTB->clear();
    // Run by run at the end, so that each run keeps its own format.
    QTextCursor cursor(RTB->document());
    for (const ReportRun &run : runs) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(run.text, charFormat(run.format));
    }
    RTB->moveCursor(QTextCursor::Start);
}

void ReportScreen::Form_Unload()
{
    const ScreenId resultId =
        m_kind == Kind::Astrology ? ScreenId::AstrologyResult : ScreenId::NumerologyResult;
    if (ProgramScreen *result = navigator().findScreen(resultId)) {
        result->show();
        result->raise();
        navigator().activateScreen(result);
    }
}

void ReportScreen::cmdSave_Click()
{
    FileRequest request;
    request.title = applicationTitle();
    request.filter = tr("Rich Text Format (*.man)");
    request.defaultSuffix = QStringLiteral("man");
    const QString path = desktop().saveFileName(this, request);
    if (path.isEmpty())
        return;

    QString reason;
    if (!ReadingFile::write(path, ReadingFile::inputsOf(m_engine.state()), &reason)) {
        desktop().showError(this, tr("The reading could not be saved to %1.\r%2")
                                      .arg(QDir::toNativeSeparators(path), reason));
    }
}

void ReportScreen::cmdPrint_Click()
{
    // The whole report is printed, never a selected part; an empty
    // selection keeps the box from suggesting otherwise.
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);

    switch (desktop().print(*RTB->document(), windowTitle())) {
    case PrintResult::Printed:
        break;
    case PrintResult::NoPrinter:
        desktop().showError(this, tr("No printer is available. Install a printer, then print the "
                                     "report again."));
        break;
    case PrintResult::Failed:
        desktop().showError(this, tr("The report could not be printed."));
        break;
    }
}

void ReportScreen::cmdSavePdf_Click()
{
    const ReadingState &state = m_engine.state();
    const bool astrology = m_kind == Kind::Astrology;
    const int month = monthIndexOf(state.BirthMonth) + 1;

    ReadingPdf::Header header;
    header.heading = windowTitle();
    header.name = state.UserName;
    header.lines
        << tr("Date of birth: %1").arg(monthFirstDate(state.BirthYear, month - 1, state.BirthDay))
        << MayaDayFrame::linesFor(state.BirthYear, month, state.BirthDay, m_dayNames.names());
    const QString tone = m_pictures.astrologyTones().resource(state.DayNumber);
    if (astrology) {
        header.pictureArea = QSizeF(200, 100);
        const int sign = Artwork::daySignIndex(state.DaySign);
        header.pictures = {{m_pictures.daySigns().resource(sign), QRectF(0, 0, 100, 100), {}},
                           {tone, QRectF(110, 22, 88, 55), {}}};
    } else {
        header.pictureArea = QSizeF(120, 76);
        header.pictures = {{tone, QRectF(0, 2, 120, 75), {}}};
    }
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(state.BirthYear, 4, 10, QLatin1Char('0'))
                             .arg(month, 2, 10, QLatin1Char('0'))
                             .arg(state.BirthDay, 2, 10, QLatin1Char('0'));
    ReadingPdf::exportWithDialog(
        desktop(), this, ReadingPdf::suggestedFileName(state.UserName, date),
        tr("%1 reading for %2").arg(windowTitle(), state.UserName), header, *RTB->document());
}

} // namespace tzolkara
