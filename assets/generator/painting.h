#pragma once

#include <QImage>

QImage drawMainPicture();      // 450 x 270, main window
QImage drawChooserPicture();   // 300 x 350, folder chooser
QImage drawNewFolderPicture(); // 250 x 120, new-folder dialog
QImage drawSmallPicture();     // 250 x 120, credits and progress windows
QImage drawIcon();             // 64 x 64

// An 8-bit palette picture of at most `colours` colours, taken from the
// picture's most used colours so plates and strips stay exact.
QImage toPalette(const QImage &picture, int colours);
