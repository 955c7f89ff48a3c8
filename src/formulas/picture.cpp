// A formula as a whole on a canvas (with its prefix and suffix) and as a
// picture file.
#include "formulas/drawing.h"
#include "formulas/formula.h"
#include "formulas/formulapages.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "ui/gifwriter.h"
#include <QBuffer>
#include <algorithm>

namespace formulas {

void TFormula::Measure(QPainter& canvas, int& width, int& height)
{
    m_root->Measure(canvas);
    m_prefix->Measure(canvas);
    m_suffix->Measure(canvas);
    width = m_root->Width;
    if (!m_prefixText.isEmpty()) width += m_prefix->Width;
    if (!m_suffixText.isEmpty()) width += m_suffix->Width;
    height = m_root->Height;
}

void TFormula::Draw(QPainter& canvas, int x, int y)
{
    int width = 0, height = 0;
    Measure(canvas, width, height);
    if (!m_prefixText.isEmpty()) {
        m_prefix->Draw(canvas, x, y + m_root->Axis - m_prefix->Axis);
        x += m_prefix->Width;
    }
    m_root->Draw(canvas, x, y);
    if (!m_suffixText.isEmpty()) m_suffix->Draw(canvas, x + m_root->Width, y + m_root->Axis - m_suffix->Axis);
}

void TFormula::DrawCaret(QPainter& canvas)
{
    if (m_current) m_current->DrawCaret(canvas);
}

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

QImage TFormula::Picture(const QColor& colour, const QColor& background)
{
    int width = 0, height = 0;
    {
        QImage probe = Canvas(1, 1, background);
        QPainter canvas(&probe);
        PrepareCanvas(canvas, colour);
        Measure(canvas, width, height);
    }
    if (width <= 0) return Canvas(16, 20, background);
    // The axis goes to the vertical middle, so that a picture centred in a
    // line of text sits on the text's middle.
    const int axis = m_root->Axis;
    const bool axisLow = axis > height / 2;
    QImage image = Canvas(width + 6, axisLow ? 2 * axis + 6 : 2 * (height - axis) + 6, background);
    QPainter canvas(&image);
    PrepareCanvas(canvas, colour);
    Draw(canvas, 3, axisLow ? 3 : height - 2 * axis + 3);
    return image;
}

bool TFormula::SaveImage(const QString& fileName, const QColor& colour, const QColor& background)
{
    const QImage image = Picture(colour, background);
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
