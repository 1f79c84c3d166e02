#include "tests/support/fixtures.h"
#include "tests/support/test_registry.h"
#include "tests/toolkit/probe_form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

class ToolForm : public TForm {
public:
    static const FormDesign<ToolForm> &Design()
    {
        static const FormDesign<ToolForm> design{"Tool", 320, 200, clBlack, bsToolWindow, {}};
        return design;
    }
};

QPoint centredFor(int width, int height)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return screen.topLeft()
        + QPoint(std::max(0, (screen.width() - width) / 2), std::max(0, (screen.height() - height) / 2));
}

} // namespace

class FormTest : public QObject {
    Q_OBJECT

    ProbeForm *mainForm = nullptr;
    ToolForm *toolForm = nullptr;

private slots:
    void init()
    {
        Application->CreateForm(mainForm);
        Application->CreateForm(toolForm);
    }

    void cleanup()
    {
        Application->DestroyForms();
        mainForm = nullptr;
        toolForm = nullptr;
    }

    void theFirstFormCreatedIsTheMainForm()
    {
        QCOMPARE(Application->MainForm(), static_cast<TForm *>(mainForm));
        QVERIFY(!mainForm->Visible());
        QVERIFY(!toolForm->Visible());
    }

    void bordersFollowTheDesign()
    {
        const Qt::WindowFlags skinned = mainForm->Handle()->windowFlags();
        QVERIFY(skinned.testFlag(Qt::FramelessWindowHint));
        // A plain window: Qt would make a Qt::Tool transient, and window
        // managers iconify the main window with its transients.
        const Qt::WindowFlags tool = toolForm->Handle()->windowFlags();
        QCOMPARE(tool & Qt::WindowType_Mask, Qt::Window);
        QVERIFY(tool.testFlag(Qt::WindowTitleHint));
        QVERIFY(tool.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!tool.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!tool.testFlag(Qt::WindowMaximizeButtonHint));
        for (TForm *form : {static_cast<TForm *>(mainForm), static_cast<TForm *>(toolForm)}) {
            QCOMPARE(form->Handle()->minimumSize(), QSize(form->ClientWidth(), form->ClientHeight()));
            QCOMPARE(form->Handle()->maximumSize(), QSize(form->ClientWidth(), form->ClientHeight()));
        }
    }

    void centredWhenFirstShownThenKeepsItsPlace()
    {
        showAndWait(mainForm);
        QCOMPARE(mainForm->Handle()->pos(), centredFor(200, 120));
        showAndWait(toolForm);
        // A framed window is centred by its frame.
        const QSize frame = toolForm->Handle()->frameGeometry().size();
        QVERIFY(frame != toolForm->Handle()->size());
        QCOMPARE(toolForm->Handle()->pos(), centredFor(frame.width(), frame.height()));

        toolForm->Handle()->move(12, 34);
        toolForm->Hide();
        toolForm->Show();
        QCOMPARE(toolForm->Handle()->pos(), QPoint(12, 34));
    }

    void skinnedFormsStayOverTheMainFormTheToolWindowStandsAlone()
    {
        ProbeForm *secondForm = nullptr;
        Application->CreateForm(secondForm);
        showAndWait(mainForm);
        showAndWait(secondForm);
        showAndWait(toolForm);
        QCOMPARE(secondForm->Handle()->windowHandle()->transientParent(), mainForm->Handle()->windowHandle());
        QCOMPARE(secondForm->Handle()->windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
        QCOMPARE(mainForm->Handle()->windowFlags() & Qt::WindowType_Mask, Qt::Window);
        QCOMPARE(mainForm->Handle()->windowHandle()->transientParent(), nullptr);
        // Minimising a transient window iconifies its main window too.
        QCOMPARE(toolForm->Handle()->windowHandle()->transientParent(), nullptr);
        QCOMPARE(toolForm->Handle()->parentWidget(), nullptr);
    }

    void showingBringsAMinimisedFormBack()
    {
        showAndWait(toolForm);
        toolForm->Handle()->setWindowState(Qt::WindowMinimized);
        toolForm->Show();
        QVERIFY(!(toolForm->Handle()->windowState() & Qt::WindowMinimized));
    }

    void aCloseRequestRunsTheFormsHandlerInsteadOfClosing()
    {
        ProbeForm *secondForm = nullptr;
        Application->CreateForm(secondForm);
        int requests = 0;
        secondForm->OnCloseRequest = [&](TObject *sender) {
            ++requests;
            QCOMPARE(sender, static_cast<TObject *>(secondForm));
        };
        showAndWait(mainForm);
        showAndWait(secondForm);
        QVERIFY(!secondForm->Handle()->close());
        QCOMPARE(requests, 1);
        QVERIFY(secondForm->Visible());
        // Close() itself is not a request from the window manager.
        secondForm->Close();
        QCOMPARE(requests, 1);
        QVERIFY(!secondForm->Visible());
    }

    void closingTheMainFormEndsTheLoopClosingAnotherHides_data()
    {
        QTest::addColumn<bool>("byWindowManager");
        QTest::newRow("Close()") << false;
        QTest::newRow("window manager") << true;
    }

    void closingTheMainFormEndsTheLoopClosingAnotherHides()
    {
        QFETCH(bool, byWindowManager);
        showAndWait(mainForm);
        showAndWait(toolForm);
        auto closeForm = [&](TForm *form) {
            if (byWindowManager)
                form->Handle()->close();
            else
                form->Close();
        };
        closeForm(toolForm);
        QVERIFY(!toolForm->Visible());
        QVERIFY(!Application->Terminated());
        mainForm->SetEnabled(false); // the rule holds for a disabled main form too
        closeForm(mainForm);
        QVERIFY(Application->Terminated());
    }

    void aDisabledFormLooksUnchangedAndLeavesOthersUsable()
    {
        showAndWait(mainForm);
        const QImage before = grab(mainForm);
        mainForm->SetEnabled(false);
        QCOMPARE(grab(mainForm), before);
        QVERIFY(toolForm->Handle()->isEnabled());
        QVERIFY(mainForm->Handle()->isEnabled()); // Qt's own disabling stays off
    }

    void aStopInsideANestedPassTakesEffectBackInTheLoop()
    {
        QStringList steps;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] { steps << "nested event"; });
            Application->Terminate();
            Application->ProcessMessages();
            steps << "handler went on";
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&] { steps << "timed out"; Application->Terminate(); });
        watchdog.start(5000);
        Application->Run();
        QCOMPARE(steps, (QStringList{"nested event", "handler went on"}));
    }
};

REGISTER_TEST(FormTest)
#include "form_test.moc"
