// Saves a picture of the whole screen of the display it runs on, once something is drawn there and the
// picture has settled. scripts/run uses it on a virtual display, where no one can look at the window.
//
//   ScreenGrab <file.png> [seconds to wait at most, default 30]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {

// A screen of one colour shows no window yet.
bool ShowsSomething(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ScreenGrab <file.png> [seconds]\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "ScreenGrab: no screen\n");
        return 1;
    }
    // Two equal pictures in a row, a quarter second apart, mean the window has finished drawing.
    QImage previous;
    for (int tries = 0; tries < seconds * 4; ++tries) {
        const QImage image = screen->grabWindow(0).toImage();
        if (!image.isNull() && ShowsSomething(image) && image == previous) {
            if (!image.save(file, "PNG")) {
                std::fprintf(stderr, "ScreenGrab: cannot write %s\n", argv[1]);
                return 1;
            }
            return 0;
        }
        previous = image;
        QThread::msleep(250);
    }
    std::fprintf(stderr, "ScreenGrab: nothing appeared on the screen within %d seconds\n", seconds);
    return 1;
}
