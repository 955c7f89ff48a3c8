// A formula as a picture and as a picture file.
#include "formulas/view/picture.h"
#include "formulas/view/drawing.h"
#include "formulas/view/formulapages.h"
#include "formulas/formula.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "ui/gifwriter.h"
#include <QBuffer>
#include <algorithm>

namespace formulas {

namespace {

// Pictures are laid out at the resolution the point sizes of the content
// were chosen for, whatever the screen.
constexpr int kPictureDotsPerMeter = 3780; // 96 dots per inch
// A formula longer than this (thousands of terms in one line of a page) is
// cut off at the edge rather than asking for a picture no program can hold.
constexpr int kLongestPictureSide = 16000;

QImage Canvas(int width, int height, const QColor& background)
{
    QImage image(std::min(width, kLongestPictureSide), std::min(height, kLongestPictureSide),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(kPictureDotsPerMeter);
    image.setDotsPerMeterY(kPictureDotsPerMeter);
    image.fill(background);
    return image;
}

void PrepareCanvas(QPainter& canvas, const QColor& colour)
{
    canvas.setFont(FormulaFont(PictureFontSize()));
    // Bars and signs thicken with large sizes in the same whole steps as the
    // layout's margins (drawing.cpp), as the strokes of the glyphs do.
    canvas.setPen(QPen(colour, std::max(1, PictureFontSize() / 14)));
    canvas.setRenderHint(QPainter::TextAntialiasing, true);
}

} // namespace

QImage Picture(TFormula& formula, const QColor& colour, const QColor& background)
{
    int width = 0, height = 0;
    {
        QImage probe = Canvas(1, 1, background);
        QPainter canvas(&probe);
        PrepareCanvas(canvas, colour);
        Measure(formula, canvas, width, height);
    }
    if (width <= 0) return Canvas(16, 20, background);
    // The axis goes to the vertical middle, so that a picture centred in a
    // line of text sits on the text's middle.
    const int axis = formula.Root()->Axis;
    const bool axisLow = axis > height / 2;
    QImage image = Canvas(width + 6, axisLow ? 2 * axis + 6 : 2 * (height - axis) + 6, background);
    QPainter canvas(&image);
    PrepareCanvas(canvas, colour);
    Draw(formula, canvas, 3, axisLow ? 3 : height - 2 * axis + 3);
    return image;
}

bool SaveImage(TFormula& formula, const QString& fileName, const QColor& colour, const QColor& background)
{
    const QImage image = Picture(formula, colour, background);
    QByteArray bytes;
    if (fileName.toLower().contains(QLatin1String(".gif"))) {
        ui::GifOptions options;
        options.transparent = true;
        options.transparentColor = image.pixel(0, image.height() - 1);
        bytes = ui::EncodeGif({{image, 0}}, options);
    } else {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) return false;
    }
    // Pictures are drawn again whenever a page needs them: written in one
    // step, never forced to the disk.
    return !bytes.isEmpty() && base::WriteScratchBytes(fileName, bytes);
}

} // namespace formulas
