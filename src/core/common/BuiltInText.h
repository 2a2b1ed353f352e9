// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tzolkara {

// A text built into the program from resources/texts (resource path
// ":/texts/..."): one paragraph of UTF-8. The file may end in one line break,
// which is not part of the text; editors like to add one.
//
// Every text is built in and the tests check each language has them all, so
// one that cannot be read means a broken build. The program then stops with the path rather than show a
// reading with an empty text.
QString builtInText(const QString &resourcePath);

} // namespace tzolkara
