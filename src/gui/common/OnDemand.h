// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/common/Desktop.h"

#include <QString>

class QPainter;
class QRectF;
class QTextDocument;

namespace tzolkara::OnDemand {

// SVG pictures (Qt SVG) and printers (Qt Print Support) are reached through a
// module of the program's own, libtzolkara-ondemand.so in ../lib/<multiarch>/tzolkara/
// beside the program, loaded the first time either is asked for: start-up,
// which shows only pictures drawn at build time and prints nothing, neither
// loads nor links the two libraries.

// Draws the SVG resource into `bounds`; false when it is no picture, or the
// module is missing.
bool renderSvg(const QString &resource, QPainter &painter, const QRectF &bounds);

// The whole document on the default printer, without a dialog, or into the
// PDF file `pdfFile` when one is named.
PrintResult print(const QTextDocument &document, const QString &jobName, const QString &pdfFile);

// The module's two entry points, with C names so that they are found by name;
// the print result travels as PrintResult's value.
using RenderSvgFunction = bool (*)(const QString &, QPainter &, const QRectF &);
using PrintFunction = int (*)(const QTextDocument &, const QString &, const QString &);
inline constexpr char kRenderSvgName[] = "tzolkara_render_svg";
inline constexpr char kPrintName[] = "tzolkara_print";

} // namespace tzolkara::OnDemand
