#include "app/display_platform.h"
#include "tests/support/test_registry.h"

#include <QTest>

namespace {

// Sets or, for a null value, removes an environment variable.
void setVariable(const char *name, const QByteArray &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

} // namespace

// X11 comes first where the user names no platform; what the user names stays.
class DisplayPlatformTest : public QObject {
    Q_OBJECT

    QByteArray savedPlatform;
    QByteArray savedDisplay;
    QByteArray savedWayland;

private slots:
    void init()
    {
        savedPlatform = qgetenv("QT_QPA_PLATFORM");
        savedDisplay = qgetenv("DISPLAY");
        savedWayland = qgetenv("WAYLAND_DISPLAY");
    }

    void cleanup()
    {
        setVariable("QT_QPA_PLATFORM", savedPlatform.isEmpty() ? QByteArray() : savedPlatform);
        setVariable("DISPLAY", savedDisplay.isEmpty() ? QByteArray() : savedDisplay);
        setVariable("WAYLAND_DISPLAY", savedWayland.isEmpty() ? QByteArray() : savedWayland);
    }

    void x11IsPreferredUnlessNamed_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("chosen");
        const QByteArray none;
        QTest::newRow("X11 desktop") << none << QByteArray(":0") << none << QByteArray("xcb");
        QTest::newRow("Wayland desktop with XWayland") << none << QByteArray(":1") << QByteArray("wayland-0")
                                                       << QByteArray("xcb");
        QTest::newRow("set but empty") << QByteArray("") << QByteArray(":0") << none << QByteArray("xcb");
        QTest::newRow("user names wayland") << QByteArray("wayland") << QByteArray(":1") << QByteArray("wayland-0")
                                            << QByteArray("wayland");
        QTest::newRow("user names offscreen") << QByteArray("offscreen") << QByteArray(":0") << none
                                              << QByteArray("offscreen");
        QTest::newRow("Wayland without XWayland") << none << none << QByteArray("wayland-0") << none;
    }

    void x11IsPreferredUnlessNamed()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, chosen);
        setVariable("QT_QPA_PLATFORM", platform);
        setVariable("DISPLAY", display);
        setVariable("WAYLAND_DISPLAY", wayland);
        preferX11Platform();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), chosen);
    }
};

REGISTER_TEST(DisplayPlatformTest)
#include "display_platform_test.moc"
