#include "extract/progress_window.h"
#include "launcher/main_window.h"
#include "tests/extract/archive_fixture.h"
#include "tests/support/test_registry.h"

#include <QProcess>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

namespace {

// What the progress window showed at one pass of events inside the run.
struct Sample {
    QString status;
    int position;
    bool visible;
};

// Samples the progress window at every pass of pending events during the
// run: the run lets the event loop through only from the library's data
// callback, so each sample is taken inside an entry, after a block was
// unpacked.
class RunSampler {
public:
    RunSampler()
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (!Form4->Running)
                return;
            samples.push_back({QString::fromStdString(Form4->Label1->Caption()), Form4->ProgressBar1->Position(),
                               Form4->Visible()});
            if (onSample)
                onSample();
        });
        timer_.start();
    }

    std::vector<Sample> samples;
    std::function<void()> onSample;

    // The samples taken while the status line named the entry.
    std::vector<int> positionsOf(const QString &entry) const
    {
        std::vector<int> positions;
        for (const Sample &sample : samples)
            if (sample.status == "Extracting " + entry)
                positions.push_back(sample.position);
        return positions;
    }

private:
    QTimer timer_;
};

} // namespace

// The bar on real runs of real archives: it moves with each entry's blocks and
// starts again at the next entry; the window handles events all along.
class ProgressTest : public QObject {
    Q_OBJECT

private slots:
    void theBarFillsPerEntryAndStartsAgainAtTheNext()
    {
        ExtractionFixture run;
        // Stored, so that the library hands over each entry in blocks of 1 MiB.
        const QStringList entries{"a.bin", "b.bin", "c.bin"};
        Contents contents;
        for (int i = 0; i < entries.size(); ++i)
            contents[entries[i].toStdString()] = randomBytes(3500000, unsigned(i + 1));
        const std::string archive = packArchive(run.release, "game.rar", contents, {"-m0"});
        run.createWindows(archive);
        RunSampler sampler;
        run.extract();
        QVERIFY(!Form4->Visible());

        QVERIFY2(!sampler.samples.empty(), "no event was handled during the run");
        for (int i = 0; i < entries.size(); ++i) {
            const std::vector<int> positions = sampler.positionsOf(entries[i]);
            QVERIFY2(positions.size() >= 3, qPrintable(entries[i] + ": too few blocks seen"));
            QVERIFY2(std::is_sorted(positions.begin(), positions.end()), qPrintable(entries[i]));
            QVERIFY2(positions.front() < 50, qPrintable(entries[i] + " did not start low"));
            QVERIFY2(positions.back() >= 90, qPrintable(entries[i] + " did not fill the bar"));
        }
    }

    // A close request to the progress window while the run goes on is
    // ignored: its messages must stay in sight.
    void theRunKeepsItsWindowAgainstCloseRequests()
    {
        ExtractionFixture run;
        const std::string archive =
            packArchive(run.release, "game.rar", {{"a.bin", randomBytes(3500000, 7)}}, {"-m0"});
        run.createWindows(archive);
        RunSampler sampler;
        int requests = 0;
        sampler.onSample = [&] {
            if (requests++ < 2)
                Form4->Handle()->close();
        };
        run.extract();
        QVERIFY(requests >= 3);
        for (const Sample &sample : sampler.samples)
            QVERIFY(sample.visible);
        QVERIFY(!Form4->Visible()); // hidden by the run's normal end
        QVERIFY(Form1->Enabled());
    }
};

// An entry over 4 GiB: the bar is reckoned on its whole 64-bit size. The
// entry is packed from a stream of zeros and the run is cut short by a file
// size limit after its first block; packing it costs rar about 20 s of CPU.
class LargeEntryTest : public QObject {
    Q_OBJECT

private slots:
    void theBarOfAnEntryOver4GiBCountsItsWholeSize()
    {
        ExtractionFixture run;
        constexpr qint64 size = (qint64(4) << 30) + 3 * 1024 * 1024;
        QProcess rar;
        rar.setWorkingDirectory(QString::fromStdString(run.release.path()));
        rar.start("sh", {"-c", QString("head -c %1 /dev/zero | rar a -m1 -idq -sihuge.bin game.rar").arg(size)});
        if (!rar.waitForFinished(600000) || rar.exitCode() != 0)
            QSKIP("rar could not pack an entry over 4 GiB here");
        run.createWindows("game.rar");
        RunSampler sampler;
        {
            FileSizeLimit limit(1024 * 1024);
            run.extract();
        }
        QCOMPARE(Form4->EntrySize, size);
        QVERIFY2(!sampler.samples.empty(), "no block was unpacked");
        QVERIFY(Form4->EntryPercent > 0);
        QVERIFY2(Form4->EntryPercent < 1, qPrintable(QString::number(Form4->EntryPercent)));
        for (const Sample &sample : sampler.samples)
            QCOMPARE(sample.position, 0);
    }
};

REGISTER_TEST(ProgressTest)
REGISTER_TEST(LargeEntryTest)
#include "progress_test.moc"
