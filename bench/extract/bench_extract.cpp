// Unpacks a release's archive through the real progress window, headless,
// started by a click on "extract", and prints the run's wall time and the
// process's peak memory:
//   bench_extract RELEASE_FOLDER DESTINATION
#include "app/character_types.h"
#include "app/window_set.h"
#include "extract/progress_window.h"
#include "launcher/main_window.h"
#include "toolkit/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_extract RELEASE_FOLDER DESTINATION\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication qtApplication(qtArgc, argv);
    useUtf8CharacterTypes();
    TApplication application;
    application.Title = "Installer";
    if (::chdir(argv[1]) != 0)
        return 1;
    CreateWindowSet();
    if (::chdir(argv[2]) != 0)
        return 1;
    Form1->Show();
    Form1->SetEnabled(false);
    Form4->SetVisible(true);
    if (!QTest::qWaitForWindowExposed(Form4->Handle()))
        return 1;

    QElapsedTimer timer;
    timer.start();
    const QPoint link(Form4->Label2->Left() + Form4->Label2->Width() / 2,
                      Form4->Label2->Top() + Form4->Label2->Height() / 2);
    QTest::mouseClick(Form4->Handle()->windowHandle(), Qt::LeftButton, Qt::NoModifier, link);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const bool finished = Form1->Enabled() && !Form4->Visible();
    std::printf("%.3f %ld %s\n", seconds, usage.ru_maxrss, finished ? "done" : Form4->Label1->Caption().c_str());
    DestroyWindowSet();
    return finished ? 0 : 1;
}
