// Draws the installer's window pictures and icon as PNG files:
//   asset_generator OUTPUT_FOLDER
#include "generator/palette.h"
#include "generator/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

namespace {

struct Picture {
    const char *file;
    std::function<QImage()> draw;
    int paletteSize; // 0 keeps 32 bits
};

// The windows show 8-bit palette pictures; the small ones share a 220-colour table size.
const Picture Pictures[] = {
    {"main.png", drawMainPicture, 256},
    {"chooser.png", drawChooserPicture, 256},
    {"newfolder.png", drawNewFolderPicture, 220},
    {"small.png", drawSmallPicture, 220},
    {"icon.png", drawIcon, 0},
};

bool write(const Picture &picture, const QDir &folder)
{
    QImage image = picture.draw();
    if (picture.paletteSize > 0) {
        image = toIndexed(image, picture.paletteSize);
        if (image.colorCount() != picture.paletteSize) {
            std::fprintf(stderr, "%s: only %d colours to fill a %d-colour table\n", picture.file,
                         int(image.colorCount()), picture.paletteSize);
            return false;
        }
    }
    if (!image.save(folder.filePath(picture.file))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(picture.file)));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs fonts but no screen, so the generator runs on build machines.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: asset_generator OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Picture &picture : Pictures)
        if (!write(picture, folder))
            return 1;
    return 0;
}
