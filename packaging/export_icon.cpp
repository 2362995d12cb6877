// Writes the program's icon as a PNG at a whole multiple of its size, without smoothing, so
// that the installed icons keep the drawn pixels.
#include "ui/icons/teilerwerk.xpm"

#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCALE OUTPUT.png\n", argv[0]);
        return EXIT_FAILURE;
    }
    const int scale = std::atoi(argv[1]);
    const QImage icon(teilerwerk_xpm);
    if (scale < 1 || icon.isNull()) {
        std::fprintf(stderr, "%s: no icon at scale %s\n", argv[0], argv[1]);
        return EXIT_FAILURE;
    }
    const QImage scaled = icon.scaled(icon.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled.save(QString::fromLocal8Bit(argv[2]), "PNG") ? EXIT_SUCCESS : EXIT_FAILURE;
}
