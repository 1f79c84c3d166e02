#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "tests/toolkit/probe_form.h"

#include <QTest>
#include <QWindow>

// Mouse events go to the topmost visible, enabled graphic control under the
// pointer; a left press captures the mouse; a click is a left release inside
// after a left press on the same control.
class MouseTest : public QObject {
    Q_OBJECT

    ProbeForm *form = nullptr;
    MessageBoxSeam boxes;

    // Named points of the probe form.
    QPoint at(const QString &place) const
    {
        if (place == "one") return {20, 20};     // Label1 only
        if (place == "both") return {50, 20};    // Label2 over Label1
        if (place == "two") return {80, 20};     // Label2 only
        if (place == "picture") return {150, 50};
        if (place == "bare") return {150, 110};  // the form, below the picture
        return {400, 400};                       // "outside" the window
    }


    void steps(const QString &script)
    {
        play(form, script, [this](const QString &place) { return at(place); });
    }

private slots:
    void init()
    {
        Application->SetMessageBoxSeam(&boxes);
        boxes = MessageBoxSeam();
        Application->CreateForm(form);
        showAndWait(form);
        // Settle the pointer on the bare form so the log starts empty.
        moveTo(form, at("bare"));
        form->log.clear();
    }

    void cleanup()
    {
        Application->DestroyForms();
        Application->SetMessageBoxSeam(nullptr);
        form = nullptr;
    }

    void eventsReachTheRightControl_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("hover") << "move:one" << QStringList{"Label1.move"};
        QTest::newRow("later control on top") << "move:both" << QStringList{"Label2.move"};
        QTest::newRow("picture") << "move:picture" << QStringList{"Image1.move"};
        // The window system reports the pointer's arrival before a press.
        QTest::newRow("click") << "move:one press:one release:one"
                               << QStringList{"Label1.move", "Label1.down", "Label1.click"};
        QTest::newRow("capture follows the pointer out")
            << "move:one press:one move:picture move:outside release:outside"
            << QStringList{"Label1.move", "Label1.down", "Label1.move", "Label1.move"};
        QTest::newRow("release over another control is no click")
            << "move:one press:one move:two release:two"
            << QStringList{"Label1.move", "Label1.down", "Label1.move"};
        QTest::newRow("back inside before release clicks")
            << "move:one press:one move:picture move:one release:one"
            << QStringList{"Label1.move", "Label1.down", "Label1.move", "Label1.move", "Label1.click"};
        QTest::newRow("right press captures nothing and never clicks")
            << "move:one rpress:one move:picture rrelease:picture"
            << QStringList{"Label1.move", "Label1.down", "Image1.move"};
        QTest::newRow("right release on the control is no click")
            << "move:one rpress:one rrelease:one" << QStringList{"Label1.move", "Label1.down"};
        QTest::newRow("double-click clicks once")
            << "move:one dclick:one"
            << QStringList{"Label1.move", "Label1.down", "Label1.click", "Label1.down"};
        QTest::newRow("the picture captures too")
            << "move:picture press:picture move:one release:one"
            << QStringList{"Image1.move", "Image1.move"};
    }

    void eventsReachTheRightControl()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, expected);
        steps(script);
        QCOMPARE(form->log, expected);
    }

    void hiddenAndDisabledControlsLetEventsThrough_data()
    {
        QTest::addColumn<bool>("hide");
        QTest::newRow("hidden") << true;
        QTest::newRow("disabled") << false;
    }

    void hiddenAndDisabledControlsLetEventsThrough()
    {
        QFETCH(bool, hide);
        if (hide)
            form->Label2->SetVisible(false);
        else
            form->Label2->SetEnabled(false);
        steps("move:both move:two press:two release:two");
        QCOMPARE(form->log, (QStringList{"Label1.move", "Image1.move"}));
    }

    void disabledFormTakesNoInput()
    {
        form->SetEnabled(false);
        steps("move:one press:one release:one dclick:two");
        QVERIFY(form->log.isEmpty());
        form->SetEnabled(true);
        steps("move:one press:one release:one");
        QCOMPARE(form->log, (QStringList{"Label1.move", "Label1.down", "Label1.click"}));
    }

    void anExceptionIsReportedAndTheLoopGoesOn_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expectedText");
        QTest::newRow("plain") << "Installer" << "Boom.";
        QTest::newRow("other title") << "Setup" << "Boom.";
    }

    void anExceptionIsReportedAndTheLoopGoesOn()
    {
        QFETCH(QString, title);
        QFETCH(QString, expectedText);
        const std::string previousTitle = Application->Title;
        Application->Title = title.toStdString();
        form->throwOnClick = true;
        steps("press:one release:one");
        Application->Title = previousTitle;

        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(boxes.shown[0].caption), title);
        QCOMPARE(QString::fromStdString(boxes.shown[0].text), expectedText);
        QVERIFY(boxes.shown[0].icon == TMsgIcon::Stop);
        QVERIFY(boxes.shown[0].buttons == TMsgButtons::Ok);

        form->throwOnClick = false;
        steps("press:two release:two");
        QCOMPARE(form->log.last(), QString("Label2.click"));
    }

    void aFullStopIsAddedEvenAfterOne()
    {
        Application->ShowException(std::runtime_error("Done."));
        QCOMPARE(QString::fromStdString(boxes.shown.at(0).text), QString("Done.."));
    }
};

REGISTER_TEST(MouseTest)
#include "mouse_test.moc"
