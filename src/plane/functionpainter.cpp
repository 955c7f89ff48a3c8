#include "plane/functionpainter.h"
#include "base/colours.h"
#include <QPainter>

namespace plane {

void DrawGraphs(QPainter& painter, const PlaneView& view, FunctionList& list, const TAlgebra* hot, int penWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (TFunction* f : list.Functions()) {
        const base::Bgr colour = f == hot ? base::colour::plane::kHot : f->Color;
        painter.setPen(QPen(base::BgrColor(colour), penWidth));
        for (const QPolygon& piece : f->Graph(view).Pieces) painter.drawPolyline(piece);
    }
    painter.restore();
}

void DrawRegions(QPainter& painter, const PlaneView& view, const RegionPicture& picture)
{
    if (picture.Columns == 0 || picture.Rows == 0) return;
    const double stretch = view.Scale() / picture.Scale * picture.Step;
    const QRectF target(view.ToScreenX(picture.Left), view.ToScreenY(picture.Top), picture.Columns * stretch,
                        picture.Rows * stretch);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture.Image);
    painter.restore();
}

void DrawRegionCurves(QPainter& painter, const PlaneView& view, const RegionPicture& picture)
{
    if (picture.Columns == 0 || picture.Rows == 0) return;
    const double stretch = view.Scale() / picture.Scale * picture.Step;
    const double left = view.ToScreenX(picture.Left);
    const double top = view.ToScreenY(picture.Top);
    for (int row = 0; row < picture.Rows; ++row)
        for (int column = 0; column < picture.Columns; ++column) {
            const uint32_t colour = picture.CurveAt(column, row);
            if (colour == RegionPicture::kNoCurve) continue;
            painter.fillRect(QRectF(left + column * stretch, top + row * stretch, stretch, stretch),
                             base::BgrColor(base::Bgr(colour)));
        }
}

} // namespace plane
