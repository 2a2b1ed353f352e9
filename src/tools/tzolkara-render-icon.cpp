// tzolkara-render-icon INPUT.svg SIZE OUTPUT.png: renders the program icon as
// a SIZE x SIZE PNG for the desktop's icon theme, through the same renderer
// that draws the icon inside the program. Run at build time.

#include "common/ImageList.h"

#include <QImage>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

// No application object: drawing shapes into an image needs no display, and
// an icon holds no text (which would need the font database).
int main(int argc, char **argv)
{
    const int size = argc == 4 ? std::atoi(argv[2]) : 0;
    if (size < 1) {
        std::fputs("usage: tzolkara-render-icon INPUT.svg SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    if (!QSvgRenderer(input).isValid()) {
        std::fprintf(stderr, "tzolkara-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage image = tzolkara::renderSvg(input, QSize(size, size));
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "tzolkara-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
