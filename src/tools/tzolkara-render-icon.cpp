// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// tzolkara-render-icon [--raw] INPUT.svg SIZE OUTPUT: renders an SVG drawing
// as a SIZE x SIZE picture through the same renderer that draws it inside the
// program. Run at build time: as a PNG for the desktop's icon theme, or with
// --raw as the bare pixels (premultiplied ARGB32, row after row) that
// renderSvg() then copies instead of drawing, for the pictures of the first
// paint.

#include "gui/common/ImageList.h"

#include <QFile>
#include <QImage>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// No application object: drawing shapes into an image needs no display, and
// these drawings hold no text (which would need the font database).
int main(int argc, char **argv)
{
    const bool raw = argc > 1 && std::strcmp(argv[1], "--raw") == 0;
    if (raw) {
        --argc;
        ++argv;
    }
    const int size = argc == 4 ? std::atoi(argv[2]) : 0;
    if (size < 1) {
        std::fputs("usage: tzolkara-render-icon [--raw] INPUT.svg SIZE OUTPUT\n", stderr);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    if (!QSvgRenderer(input).isValid()) {
        std::fprintf(stderr, "tzolkara-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage image = tzolkara::renderSvg(input, QSize(size, size));
    const QString output = QString::fromLocal8Bit(argv[3]);
    bool written = false;
    if (raw) {
        QFile file(output);
        written = file.open(QIODevice::WriteOnly) &&
                  file.write(reinterpret_cast<const char *>(image.constBits()),
                             image.sizeInBytes()) == image.sizeInBytes() &&
                  file.flush();
    } else {
        written = image.save(output, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "tzolkara-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
