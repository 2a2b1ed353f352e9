// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SavedFileDialog.h"

#include "FileDialog.h"
#include "MessageBox.h"
#include <QCoreApplication>

namespace tzolkara {

QString askForSavedFile(QWidget *parent, const QString &filter, const QString &suffix)
{
    FileDialog::Request request;
    request.title = QCoreApplication::translate("SavedFileDialog", "Select the source file");
    request.filter = filter;
    request.defaultSuffix = suffix;
    // No options: Qt's dialog has no read-only check box to hide, and its
    // ReadOnly would stop the user making or renaming folders in it.
    request.options = {};
    const QString path = FileDialog::getOpenFileName(parent, request);
    if (path.isEmpty())
        return {};
    if (!path.endsWith(suffix)) {
        MessageBox::error(parent,
                          QCoreApplication::translate("SavedFileDialog", "Please Check The File."));
        return {};
    }
    return path;
}

} // namespace tzolkara
