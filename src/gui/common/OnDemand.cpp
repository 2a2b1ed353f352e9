// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/OnDemand.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace tzolkara::OnDemand {

namespace {

// Found from the program's own folder, so that the build tree's programs and
// tests (build/src, build/tests) and the installed one (/usr/bin) each take
// their own: build/lib/<multiarch>/tzolkara, /usr/lib/<multiarch>/tzolkara.
// The folder is the kernel's word, which holds also for a tool that makes no
// application.
QFunctionPointer entryPoint(const char *name)
{
    // Qt keeps a library loaded once it is; asking again costs a lookup.
    QLibrary module(QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path() +
                    QStringLiteral("/../" TZOLKARA_MODULE_DIR "/libtzolkara-ondemand.so"));
    return module.resolve(name);
}

} // namespace

bool renderSvg(const QString &resource, QPainter &painter, const QRectF &bounds)
{
    const auto render = reinterpret_cast<RenderSvgFunction>(entryPoint(kRenderSvgName));
    return render && render(resource, painter, bounds);
}

PrintResult print(const QTextDocument &document, const QString &jobName, const QString &pdfFile)
{
    const auto printDocument = reinterpret_cast<PrintFunction>(entryPoint(kPrintName));
    if (!printDocument)
        return PrintResult::Failed;
    return PrintResult(printDocument(document, jobName, pdfFile));
}

} // namespace tzolkara::OnDemand
