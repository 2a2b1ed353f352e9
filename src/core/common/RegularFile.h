// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFile;
class QString;

namespace tzolkara {

// Opens `path` for reading when it is a regular file, and only then. A named
// pipe, a device or a folder is refused at once instead of blocking the
// program, and the file checked is the file read: nothing can swap it in
// between.
bool openRegularFile(QFile &file, const QString &path);

} // namespace tzolkara
