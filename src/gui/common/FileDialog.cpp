// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/FileDialog.h"

namespace tzolkara {

namespace {

// What tests set and read. Until a test queues a path or resets it, the
// program keeps no record of its dialogs.
struct State
{
    bool installed = false;
    QList<QString> queued;
    FileDialog::Request last;
    int requests = 0;
};

State &state()
{
    static State s;
    return s;
}

QString run(QWidget *parent, const FileDialog::Request &request, QFileDialog::AcceptMode mode)
{
    State &seam = state();
    if (seam.installed) {
        seam.last = request;
        ++seam.requests;
        if (!seam.queued.isEmpty())
            return seam.queued.takeFirst();
    }

    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOptions(request.options);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString FileDialog::getOpenFileName(QWidget *parent, const Request &request)
{
    return run(parent, request, QFileDialog::AcceptOpen);
}

QString FileDialog::getSaveFileName(QWidget *parent, const Request &request)
{
    return run(parent, request, QFileDialog::AcceptSave);
}

void FileDialog::setNextFileName(const QString &path)
{
    state().installed = true;
    state().queued.append(path);
}

const FileDialog::Request &FileDialog::lastRequest()
{
    return state().last;
}

int FileDialog::requestCount()
{
    return state().requests;
}

void FileDialog::reset()
{
    state() = State();
    state().installed = true;
}

} // namespace tzolkara
