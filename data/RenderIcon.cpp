// Renders the program's icon as PNG files for the desktop entry, from the same drawing the window uses:
//
//   RenderIcon <folder> <side>...
//
// writes <folder>/<side>x<side>/titleshaperworkshop.png for every side given, the layout of an icon theme.
#include "main/layout/BlobPicture.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // Runs during the build, where no display may exist: the drawing goes to plain images only, which
    // need no application object and no window system.
    if (argc < 3) {
        std::fprintf(stderr, "usage: RenderIcon <folder> <side>...\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side <= 0 || side > 1024) {
            std::fprintf(stderr, "RenderIcon: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1").arg(side);
        const QString file = root.filePath(folder + QStringLiteral("/titleshaperworkshop.png"));
        if (!root.mkpath(folder) || !layout::BlobImage(side).save(file, "PNG")) {
            std::fprintf(stderr, "RenderIcon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
