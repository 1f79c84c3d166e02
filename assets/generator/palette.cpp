#include "generator/palette.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

struct Colour {
    QRgb rgb;
    int count;
};

int channel(QRgb rgb, int index)
{
    return index == 0 ? qRed(rgb) : index == 1 ? qGreen(rgb) : qBlue(rgb);
}

// A box of the colour cube holding a run of the shared colour list.
struct Box {
    std::vector<Colour>::iterator begin, end;

    int pixels() const
    {
        int sum = 0;
        for (auto it = begin; it != end; ++it)
            sum += it->count;
        return sum;
    }

    std::array<int, 3> ranges() const
    {
        std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
        for (auto it = begin; it != end; ++it)
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], channel(it->rgb, c));
                high[c] = std::max(high[c], channel(it->rgb, c));
            }
        return {high[0] - low[0], high[1] - low[1], high[2] - low[2]};
    }

    int widestChannel() const
    {
        const auto r = ranges();
        return int(std::max_element(r.begin(), r.end()) - r.begin());
    }

    // Wide boxes band visibly and busy boxes cover much of the picture: both
    // deserve more entries, so they are split first.
    double splitPriority() const
    {
        if (end - begin < 2)
            return -1;
        const auto r = ranges();
        return *std::max_element(r.begin(), r.end()) * std::sqrt(double(pixels()));
    }

    // Splits at the pixel-weighted median of the widest channel.
    Box splitOff()
    {
        const int c = widestChannel();
        std::sort(begin, end, [c](const Colour &a, const Colour &b) { return channel(a.rgb, c) < channel(b.rgb, c); });
        const int half = pixels() / 2;
        int seen = 0;
        auto middle = begin + 1;
        for (auto it = begin; it != end - 1; ++it) {
            seen += it->count;
            middle = it + 1;
            if (seen >= half)
                break;
        }
        Box upper{middle, end};
        end = middle;
        return upper;
    }

    QRgb mostUsed() const
    {
        return std::max_element(begin, end, [](const Colour &a, const Colour &b) { return a.count < b.count; })->rgb;
    }
};

std::vector<Colour> histogram(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xFF000000];
    }
    std::vector<Colour> colours;
    colours.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        colours.push_back({it.key(), it.value()});
    return colours;
}

} // namespace

QList<QRgb> colourTableFor(const QImage &picture, int size)
{
    std::vector<Colour> colours = histogram(picture);
    std::vector<Box> boxes{{colours.begin(), colours.end()}};
    while (int(boxes.size()) < size) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box &a, const Box &b) {
            return a.splitPriority() < b.splitPriority();
        });
        if (widest->splitPriority() < 0)
            break; // every box holds a single colour
        boxes.push_back(widest->splitOff());
    }
    QList<QRgb> table;
    for (const Box &box : boxes)
        table.append(box.mostUsed());
    return table;
}

QImage toIndexed(const QImage &picture, int size)
{
    // Qt maps each pixel to its nearest table entry without dithering, which
    // keeps the plates and strips free of noise.
    return picture.convertToFormat(QImage::Format_Indexed8, colourTableFor(picture, size), Qt::ThresholdDither);
}
