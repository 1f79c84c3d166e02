#pragma once

// Picks Qt's X11 platform (XWayland on a Wayland desktop) when a display is
// there and the user names no platform. To be called before the QApplication
// is made.
void preferX11Platform();
