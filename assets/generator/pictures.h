#pragma once

#include <QImage>

// The windows lay their text, links and widgets over these pictures at fixed
// places; the rectangles those places need are the named constants in
// pictures.cpp. Every picture is drawn in 32 bits; main.cpp reduces them.
QImage drawMainPicture();      // 450 x 270, main window
QImage drawChooserPicture();   // 300 x 350, folder chooser
QImage drawNewFolderPicture(); // 250 x 120, new-folder dialog
QImage drawSmallPicture();     // 250 x 120, credits and progress windows
QImage drawIcon();             // 64 x 64, program icon
