#include "ui/gifwriter.h"
#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
QImage Square(QColor fill, QColor mark)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(fill);
    QPainter p(&image);
    p.fillRect(5, 2, 6, 6, mark);
    return image;
}
} // namespace

TEST(GifWriter, AnimationKeepsFramesSizeAndColours)
{
    QList<ui::GifFrame> frames;
    for (int i = 0; i < 3; ++i) frames.append({Square(Qt::white, QColor(200, 30 * i, 10)), 80});
    QByteArray bytes = ui::EncodeGif(frames);
    ASSERT_TRUE(bytes.startsWith("GIF89a"));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    EXPECT_EQ(reader.imageCount(), 3);
    EXPECT_EQ(reader.size(), QSize(20, 10));
    QImage first = reader.read();
    EXPECT_EQ(first.pixelColor(7, 4), QColor(200, 0, 10));
    EXPECT_EQ(reader.nextImageDelay(), 80);
}

TEST(GifWriter, KeyColourBecomesTransparent)
{
    ui::GifOptions options;
    options.transparent = true;
    options.transparentColor = qRgb(255, 255, 255);
    QByteArray bytes = ui::EncodeGif({{Square(Qt::white, Qt::black), 0}}, options);
    QBuffer buffer(&bytes);
    QImage image = QImageReader(&buffer, "gif").read();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixelColor(7, 4), QColor(Qt::black));
}

TEST(GifWriter, EmptyInputWritesNothing)
{
    EXPECT_TRUE(ui::EncodeGif({}).isEmpty());
    EXPECT_FALSE(ui::WriteGif(QStringLiteral("/nonexistent-folder/x.gif"), Square(Qt::red, Qt::blue)));
}

TEST(GifWriter, SoftGradientsKeepTheirShades)
{
    // 768 shades: more than a GIF holds, so the palette has to be chosen well.
    QImage image(256, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 256; ++x) image.setPixel(x, y, qRgb(x, 200 + y * 20, 255 - x / 2));
    QByteArray bytes = ui::EncodeGif({{image, 0}});
    QBuffer buffer(&bytes);
    const QImage decoded = QImageReader(&buffer, "gif").read().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), image.size());
    int worst = 0;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb a = image.pixel(x, y), b = decoded.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 6);
}

// A picture with no more colours than the GIF palette holds comes back
// exactly, with or without a transparent key colour taking one entry.
TEST(GifWriter, FewColoursComeBackExactly)
{
    struct Case {
        int colours;
        bool transparent;
    };
    for (const Case c : {Case{2, false}, Case{200, false}, Case{256, false}, Case{255, true}}) {
        SCOPED_TRACE(testing::Message() << c.colours << " colours, transparent " << c.transparent);
        QImage image(64, 8, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int shade = (y * image.width() + x) % c.colours;
                image.setPixel(x, y, qRgb(shade, 255 - shade, (shade * 7) % 256));
            }
        ui::GifOptions options;
        options.transparent = c.transparent;
        options.transparentColor = qRgb(1, 2, 3); // not one of the picture's
        QByteArray bytes = ui::EncodeGif({{image, 0}}, options);
        QBuffer buffer(&bytes);
        const QImage decoded = QImageReader(&buffer, "gif").read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(decoded.size(), image.size());
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) wrong += decoded.pixel(x, y) != image.pixel(x, y);
        EXPECT_EQ(wrong, 0);
    }
}
