#include "ui/gifwriter.h"
#include <QHash>
#include <QSaveFile>
#include <gif_lib.h>
#include <algorithm>
#include <cstring>
#include <vector>

namespace ui {
namespace {

struct Sink {
    QByteArray bytes;
};

int WriteToSink(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<Sink*>(gif->UserData)->bytes.append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct Shade {
    QRgb colour;
    int count;
};

int Channel(QRgb colour, int channel)
{
    return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

// A box of the median cut: its shades and their widest channel, worked out
// once when the box is made (a cut only makes two new boxes).
struct Box {
    std::vector<Shade> shades;
    int channel = 0;
    int range = -1;
};

Box MakeBox(std::vector<Shade> shades)
{
    Box box{std::move(shades)};
    for (int channel = 0; channel < 3; ++channel) {
        int low = 255, high = 0;
        for (const Shade& shade : box.shades) {
            low = std::min(low, Channel(shade.colour, channel));
            high = std::max(high, Channel(shade.colour, channel));
        }
        if (high - low > box.range) {
            box.channel = channel;
            box.range = high - low;
        }
    }
    return box;
}

QRgb Average(const std::vector<Shade>& box)
{
    double r = 0, g = 0, b = 0, n = 0;
    for (const Shade& shade : box) {
        r += qRed(shade.colour) * double(shade.count);
        g += qGreen(shade.colour) * double(shade.count);
        b += qBlue(shade.colour) * double(shade.count);
        n += shade.count;
    }
    return qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
}

// A picture's own colours, the commonest (its background) first. The median
// cut below would end with the same colours, one box each, but only after a
// cut per colour, each sorting and measuring boxes again: most of the time
// of a formula picture, whose smoothed letter edges give it a few hundred.
QList<QRgb> OwnColours(std::vector<Shade> shades)
{
    std::sort(shades.begin(), shades.end(), [](const Shade& a, const Shade& b) {
        return a.count != b.count ? a.count > b.count : a.colour < b.colour;
    });
    QList<QRgb> table;
    table.reserve(qsizetype(shades.size()));
    for (const Shade& shade : shades) table.append(shade.colour);
    return table;
}

// At most maxColours colours for the picture: its own colours when there are
// few enough, otherwise a median cut of its colour histogram, so that soft
// gradients keep their shades instead of snapping to a fixed colour cube.
QList<QRgb> Palette(const QImage& rgb, int maxColours)
{
    // Counted by runs of one colour: a picture is mostly long runs of its
    // background, and a lookup per pixel was most of a frame's cost.
    QHash<QRgb, int> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width();) {
            int end = x + 1;
            while (end < rgb.width() && line[end] == line[x]) ++end;
            histogram[line[x] | 0xFF000000] += end - x;
            x = end;
        }
    }
    std::vector<Shade> shades;
    shades.reserve(size_t(histogram.size()));
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) shades.push_back({it.key(), it.value()});
    if (int(shades.size()) <= maxColours) return OwnColours(std::move(shades));
    std::vector<Box> boxes;
    boxes.push_back(MakeBox(std::move(shades)));
    while (int(boxes.size()) < maxColours) {
        int widest = -1, widestRange = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].shades.size() < 2 || boxes[i].range <= widestRange) continue;
            widest = i;
            widestRange = boxes[i].range;
        }
        if (widest < 0) break;
        std::vector<Shade> box = std::move(boxes[size_t(widest)].shades);
        const int channel = boxes[size_t(widest)].channel;
        std::sort(box.begin(), box.end(),
                  [channel](const Shade& a, const Shade& b) { return Channel(a.colour, channel) < Channel(b.colour, channel); });
        long long total = 0;
        for (const Shade& shade : box) total += shade.count;
        long long seen = 0;
        size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            seen += box[cut - 1].count;
            if (seen * 2 >= total) break;
        }
        std::vector<Shade> upper(box.begin() + long(cut), box.end());
        box.resize(cut);
        boxes[size_t(widest)] = MakeBox(std::move(box));
        boxes.push_back(MakeBox(std::move(upper)));
    }
    QList<QRgb> table;
    for (const Box& box : boxes)
        if (!box.shades.empty()) table.append(box.shades.size() == 1 ? box.shades.front().colour : Average(box.shades));
    return table;
}

// The frame as an indexed picture; with transparency, index 0 is reserved for
// the transparent colour so that it never merges with a visible one.
QImage Indexed(const QImage& source, const GifOptions& options)
{
    QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    const Qt::ImageConversionFlags flags = Qt::ThresholdDither | Qt::AvoidDither;
    if (!options.transparent) return rgb.convertToFormat(QImage::Format_Indexed8, Palette(rgb, 256), flags);

    const QRgb key = options.transparentColor & 0xFFFFFF;
    QImage opaque = rgb;
    // Reduce the visible pixels alone: paint the key colour as a visible neighbour first.
    QImage reduced = opaque.convertToFormat(QImage::Format_Indexed8, Palette(opaque, 255), flags);
    QList<QRgb> table = reduced.colorTable();
    if (table.size() >= 256) table.resize(255);
    QList<QRgb> withKey{qRgb(qRed(key), qGreen(key), qBlue(key))};
    withKey += table;
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(withKey);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const uchar* idx = reduced.constScanLine(y);
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            if ((in[x] & 0xFFFFFF) == key) dst[x] = 0;
            else dst[x] = uchar(std::min<int>(idx[x], 254) + 1);
        }
    }
    return out;
}

ColorMapObject* MakeMap(const QImage& indexed)
{
    const QList<QRgb> table = indexed.colorTable();
    int size = 2;
    while (size < table.size()) size *= 2;
    std::vector<GifColorType> colors(size_t(size), GifColorType{0, 0, 0});
    for (int i = 0; i < table.size(); ++i)
        colors[size_t(i)] = GifColorType{GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                                         GifByteType(qBlue(table[i]))};
    return GifMakeMapObject(size, colors.data());
}

bool PutFrame(GifFileType* gif, const QImage& indexed, int delayMs, const GifOptions& options, bool animated)
{
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = options.transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
    gcb.UserInputFlag = false;
    gcb.DelayTime = animated ? std::max(1, delayMs / 10) : 0;
    gcb.TransparentColor = options.transparent ? 0 : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&gcb, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR) return false;

    ColorMapObject* map = MakeMap(indexed);
    const int ok = EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, map);
    GifFreeMapObject(map);
    if (ok == GIF_ERROR) return false;
    std::vector<GifByteType> line(size_t(indexed.width()));
    for (int y = 0; y < indexed.height(); ++y) {
        std::memcpy(line.data(), indexed.constScanLine(y), line.size());
        if (EGifPutLine(gif, line.data(), indexed.width()) == GIF_ERROR) return false;
    }
    return true;
}

} // namespace

QByteArray EncodeGif(const QList<GifFrame>& frames, const GifOptions& options)
{
    if (frames.isEmpty() || frames.first().image.isNull()) return {};
    Sink sink;
    int error = 0;
    GifFileType* gif = EGifOpen(&sink, WriteToSink, &error);
    if (!gif) return {};
    EGifSetGifVersion(gif, true);
    const QSize size = frames.first().image.size();
    const QImage first = Indexed(frames.first().image, options);
    ColorMapObject* screenMap = MakeMap(first);
    bool ok = EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, screenMap) != GIF_ERROR;
    GifFreeMapObject(screenMap);
    const bool animated = frames.size() > 1;
    if (ok && animated && options.loop) {
        const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const GifByteType loop[] = {1, 0, 0};
        ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR
             && EGifPutExtensionBlock(gif, sizeof netscape, netscape) != GIF_ERROR
             && EGifPutExtensionBlock(gif, sizeof loop, loop) != GIF_ERROR
             && EGifPutExtensionTrailer(gif) != GIF_ERROR;
    }
    for (int i = 0; ok && i < frames.size(); ++i) {
        QImage image = frames[i].image;
        if (image.size() != size) image = image.copy(0, 0, size.width(), size.height());
        ok = PutFrame(gif, i == 0 ? first : Indexed(image, options), frames[i].delayMs, options, animated);
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR) ok = false;
    return ok ? sink.bytes : QByteArray();
}

bool WriteGif(const QString& realPath, const QList<GifFrame>& frames, const GifOptions& options)
{
    const QByteArray bytes = EncodeGif(frames, options);
    if (bytes.isEmpty()) return false;
    QSaveFile file(realPath);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

bool WriteGif(const QString& realPath, const QImage& image, const GifOptions& options)
{
    return WriteGif(realPath, QList<GifFrame>{{image, 0}}, options);
}

} // namespace ui
