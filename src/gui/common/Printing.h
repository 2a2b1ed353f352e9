// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QTextDocument;

namespace tzolkara {

// Prints whole documents on the default printer, without a dialog. Tests
// send the output to a PDF file instead.
class Printing final
{
public:
    enum class Result { Printed, NoPrinter, Failed };

    static Result printDocument(const QTextDocument &document, const QString &jobName);

    // For tests: print into this PDF file (an empty path uses the printer).
    static void setPdfOutputFile(const QString &path);
};

} // namespace tzolkara
