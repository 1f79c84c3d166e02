// Draws the window pictures of the installer into a folder:
//   asset_generator OUTDIR
// Each picture keeps the areas its window relies on (button plates, the
// light strips behind black prompts, the dark areas behind white text); the
// rest is free artwork.
#include "generator/painting.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: asset_generator OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;
    const bool saved = toPalette(drawMainPicture(), 256).save(out.filePath("main.png"))
        && toPalette(drawChooserPicture(), 256).save(out.filePath("chooser.png"))
        && toPalette(drawNewFolderPicture(), 220).save(out.filePath("newfolder.png"))
        && toPalette(drawSmallPicture(), 220).save(out.filePath("small.png"))
        && drawIcon().save(out.filePath("icon.png"));
    return saved ? 0 : 1;
}
