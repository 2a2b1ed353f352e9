// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libtzolkara-ondemand.so: what the program draws with Qt SVG and prints with
// Qt Print Support, loaded by common/OnDemand.cpp when first asked for.

#include "gui/common/OnDemand.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSvgRenderer>
#include <QTextDocument>

#include <memory>

using tzolkara::PrintResult;

extern "C" Q_DECL_EXPORT bool tzolkara_render_svg(const QString &resource, QPainter &painter,
                                                  const QRectF &bounds)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return false;
    renderer.render(&painter, bounds);
    return true;
}

extern "C" Q_DECL_EXPORT int tzolkara_print(const QTextDocument &document, const QString &jobName,
                                            const QString &pdfFile)
{
    std::unique_ptr<QPrinter> printer;
    if (!pdfFile.isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfFile);
    } else {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull())
            return int(PrintResult::NoPrinter);
        printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    }
    printer->setDocName(jobName);
    if (!printer->isValid())
        return int(PrintResult::NoPrinter);
    document.print(printer.get());
    return int(printer->printerState() == QPrinter::Error ? PrintResult::Failed
                                                          : PrintResult::Printed);
}

// Checked at compile time: the names the loader asks for are these.
static_assert(sizeof(tzolkara::OnDemand::kRenderSvgName) == sizeof("tzolkara_render_svg"));
static_assert(sizeof(tzolkara::OnDemand::kPrintName) == sizeof("tzolkara_print"));
