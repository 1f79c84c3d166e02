// What a missing volume costs before the disk prompt shows: the mount table
// read and one search of every offered volume, for a name no medium holds.
// Runs only when the library asks for a volume, never for a set whose volumes
// lie side by side. Prints the medians of 201 rounds:
//   bench_volume_search
#include "extract/volume_search.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename Work>
double medianMicroseconds(Work work)
{
    std::vector<double> times;
    for (int round = 0; round < 201; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e3);
    }
    std::nth_element(times.begin(), times.begin() + 100, times.end());
    return times[100];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const std::vector<MountRecord> volumes = offeredVolumes();
    const std::string inside = "setup/no-such-set-" + std::to_string(QCoreApplication::applicationPid()) + ".part2.rar";
    std::size_t kept = 0;
    const double table = medianMicroseconds([&] { kept += offeredVolumes().size(); });
    const double search = medianMicroseconds([&] { kept += findVolumeFile(inside, volumes).has_value(); });
    std::printf("offered volumes: %zu\nmount table read: %.0f us\none search, nothing found: %.0f us\n",
                volumes.size(), table, search);
    return kept == 0 ? 1 : 0;
}
