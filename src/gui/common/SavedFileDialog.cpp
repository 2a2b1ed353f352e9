// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/SavedFileDialog.h"

#include "gui/common/Desktop.h"
#include <QCoreApplication>

namespace tzolkara {

QString askForSavedFile(Desktop &desktop, QWidget *parent, const QString &filter,
                        const QString &suffix)
{
    FileRequest request;
    request.title = QCoreApplication::translate("SavedFileDialog", "Select the source file");
    request.filter = filter;
    request.defaultSuffix = suffix;
    const QString path = desktop.openFileName(parent, request);
    if (path.isEmpty())
        return {};
    if (!path.endsWith(suffix)) {
        desktop.showError(parent,
                          QCoreApplication::translate("SavedFileDialog", "Please Check The File."));
        return {};
    }
    return path;
}

} // namespace tzolkara
