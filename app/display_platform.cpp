#include "app/display_platform.h"

#include <QByteArray>
#include <QtGlobal>

void preferX11Platform()
{
    // The skinned windows centre themselves and stack as designed only where
    // a program may place its own windows, which X11 allows and Wayland does
    // not. A platform the user names is honoured.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}
