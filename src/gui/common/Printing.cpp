// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/Printing.h"

#include "gui/common/OnDemand.h"

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
    switch (OnDemand::print(document, jobName, pdfOutputFile())) {
    case OnDemand::PrintResult::Printed:
        return Result::Printed;
    case OnDemand::PrintResult::NoPrinter:
        return Result::NoPrinter;
    case OnDemand::PrintResult::Failed:
        break;
    }
    return Result::Failed;
}

void Printing::setPdfOutputFile(const QString &path)
{
    pdfOutputFile() = path;
}

} // namespace tzolkara
