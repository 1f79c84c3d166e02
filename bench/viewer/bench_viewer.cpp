// Times the viewer loading generated NFO files of 1, 10 and 50 MiB (80-column
// code page 437 lines), headless, against the floor: handing the same text to
// the text box in one call.
//   bench_viewer [WORKDIR]
#include "app/window_set.h"
#include "launcher/main_window.h"
#include "launcher/text_viewer.h"
#include "toolkit/application.h"
#include "toolkit/code_page_437.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Repeats = 7;

// Box-drawing art and text in 80-column CR LF lines.
QByteArray makeNfo(qint64 size)
{
    const QByteArray lines[] = {
        QByteArray("\xc9") + QByteArray(78, '\xcd') + "\xbb\r\n",
        QByteArray("\xba  ") + QByteArray("RELEASE NOTES  \xb0\xb1\xb2\xdb  some text of the release").leftJustified(75, ' ') + "\xba\r\n",
        QByteArray("\xc8") + QByteArray(78, '\xcd') + "\xbc\r\n",
    };
    QByteArray nfo;
    nfo.reserve(size + 100);
    for (int i = 0; nfo.size() < size; ++i)
        nfo += lines[i % 3];
    return nfo;
}

double medianOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <class F> double timeOnce(F &&work)
{
    Form5->Memo1->Clear();
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication qtApplication(qtArgc, argv);
    QTemporaryDir scratch;
    const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(work);
    if (::chdir(QFile::encodeName(work).constData()) != 0)
        return 1;

    std::printf("%8s %12s %12s %8s\n", "size", "viewer (s)", "floor (s)", "ratio");
    double firstPerMiB = 0;
    double firstFloorPerMiB = 0;
    for (const int mebibytes : {1, 10, 50}) {
        const QByteArray nfo = makeNfo(qint64(mebibytes) << 20);
        QFile out("release.nfo");
        if (!out.open(QIODevice::WriteOnly) || out.write(nfo) != nfo.size())
            return 1;
        out.close();
        QFile settings("install.ini");
        if (!settings.open(QIODevice::WriteOnly))
            return 1;
        settings.write("Bench\r\nBench\r\nrelease.nfo\r\nfile_id.diz\r\nB\r\nb.rar\r\n");
        settings.close();

        TApplication application;
        application.Title = "Installer";
        CreateWindowSet();
        // The same text as the viewer makes of it, already decoded.
        QString text;
        text.reserve(nfo.size());
        for (const QByteArray &line : nfo.split('\r')) {
            const QByteArray bytes = line.startsWith('\n') ? line.mid(1) : line;
            if (!bytes.isEmpty())
                text += fromCodePage437(std::string_view(bytes.constData(), std::size_t(bytes.size()))) + u'\n';
        }
        // Both on the shown window, alternating, so neither gets the warm-up.
        Form5->Show();
        std::vector<double> viewerTimes;
        std::vector<double> floorTimes;
        for (int i = 0; i < Repeats; ++i) {
            viewerTimes.push_back(timeOnce([] { ShowTextFile(Form1->Label5); }));
            floorTimes.push_back(timeOnce([&] { Form5->Memo1->Editor()->setPlainText(text); }));
        }
        const double viewer = medianOf(viewerTimes);
        const double floor = medianOf(floorTimes);
        DestroyWindowSet();

        const double perMiB = viewer / mebibytes;
        const double floorPerMiB = floor / mebibytes;
        if (firstPerMiB == 0) {
            firstPerMiB = perMiB;
            firstFloorPerMiB = floorPerMiB;
        }
        std::printf("%5d MiB %12.3f %12.3f %8.2f   (per MiB: viewer x%.2f, floor x%.2f of their 1 MiB rate)\n",
                    mebibytes, viewer, floor, viewer / floor, perMiB / firstPerMiB, floorPerMiB / firstFloorPerMiB);
    }
    return 0;
}
