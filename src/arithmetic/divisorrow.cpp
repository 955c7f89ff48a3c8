#include "arithmetic/divisorrow.h"
#include "arithmetic/divisibility.h"
#include "base/colours.h"
#include <QPainter>

namespace arithmetic {

namespace {

constexpr int kTextInset = 2;
constexpr int kSquareSide = 10;
constexpr int kSquareStep = 12;
constexpr int kSquareTop = 5;

} // namespace

void PaintDivisorCell(QPainter& painter, const QRect& rect, int column, long long number, int target)
{
    using namespace base::colour::numberlabs;
    painter.fillRect(rect, base::BgrColor(kResultCell));
    const int count = DivisorCount(number);
    const bool picked = count == target;
    if (column == 0) {
        QFont font = painter.font();
        font.setPointSize(kDivisorFontSize);
        painter.setFont(font);
        painter.setPen(picked ? base::BgrColor(kPickedOut) : Qt::black);
        const QRect text = rect.adjusted(kTextInset, kTextInset, 0, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, QString::number(number));
        return;
    }
    const QColor colour = base::BgrColor(picked ? kPickedOut : kSquare);
    // Squares beyond the cell's right edge are not seen; stop there.
    const int visible = qMin(count, rect.width() / kSquareStep + 1);
    for (int i = 0; i < visible; ++i)
        painter.fillRect(rect.left() + kSquareStep * i, rect.top() + kSquareTop, kSquareSide, kSquareSide, colour);
}

} // namespace arithmetic
