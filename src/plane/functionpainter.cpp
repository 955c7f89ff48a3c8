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

} // namespace plane
