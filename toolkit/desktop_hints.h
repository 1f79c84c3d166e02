#pragma once

#include <QMargins>

class QWidget;

// Window-manager hints (EWMH) that Qt sets no flag for under X11. Each call
// does nothing on other platforms, or before the window has a native handle.
namespace DesktopHints {

// Keeps the window off task bars and pagers. The window manager drops
// _NET_WM_STATE when a window is hidden, so this goes before every showing;
// Qt adds its own states to the ones found on the window when it maps it.
void keepOffTaskBar(QWidget *window);

// Makes the window a utility window, which window managers frame with a
// small caption bar.
void markAsUtility(QWidget *window);

// The frame the window manager will put round the window, asked of it before
// the window is shown (_NET_REQUEST_FRAME_EXTENTS); none where it does not
// answer within a moment.
QMargins frameExtentsBeforeShowing(QWidget *window);

} // namespace DesktopHints
