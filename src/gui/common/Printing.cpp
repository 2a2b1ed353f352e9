// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Printing.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

namespace tzolkara {

namespace {
QString &pdfOutputFile()
{
    static QString path;
    return path;
}
} // namespace

Printing::Result Printing::printDocument(const QTextDocument &document, const QString &jobName)
{
    std::unique_ptr<QPrinter> printer;
    if (!pdfOutputFile().isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfOutputFile());
    } else {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull())
            return Result::NoPrinter;
        printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    }
    printer->setDocName(jobName);
    if (!printer->isValid())
        return Result::NoPrinter;
    document.print(printer.get());
    return printer->printerState() == QPrinter::Error ? Result::Failed : Result::Printed;
}

void Printing::setPdfOutputFile(const QString &path)
{
    pdfOutputFile() = path;
}

} // namespace tzolkara
