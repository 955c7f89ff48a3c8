// The header picture of the results table panel ("Table.JPG"): squared paper
// with the panel's title and a few cells in the colours of the verdicts.
#include "artgen.h"
#include "look.h"

namespace {
using namespace artgen;

// The panel shows the left part of the picture; it is drawn wide enough for
// a maximised window. The height is that of the panel's picture control.
constexpr int kWidth = 2560;
constexpr int kHeight = 56;

void DrawCells(QPainter& p, int left)
{
    const QColor colours[] = {QColor(0, 255, 0), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                              Qt::white, QColor(0, 255, 0)};
    p.setPen(QPen(look::kGridBold, 1));
    p.setFont(look::Font(look::kSans, 11, true));
    int x = left;
    int number = 1;
    for (const QColor& colour : colours) {
        const QRect cell(x, 18, 19, 19);
        p.fillRect(cell, colour);
        p.setPen(look::kInk);
        p.drawRect(cell);
        if (colour != Qt::white) p.drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(number));
        number = number % 3 + 1;
        x += 20;
    }
}

bool DrawTableHeader(const QString& folder)
{
    QImage image = look::Paper({kWidth, kHeight});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, kWidth, kHeight, QColor(255, 231, 150, 120));
    look::DrawMotifs(p, QRect(420, 0, kWidth - 420, kHeight), 40, 2303);
    p.setPen(look::kInk);
    p.setFont(look::Font(look::kSerif, 24, true, true));
    p.drawText(QPointF(14, 37), QStringLiteral("Таблица результатов"));
    DrawCells(p, 390);
    p.fillRect(0, kHeight - 2, kWidth, 2, look::kBand);
    p.end();
    return SaveJpg(image, folder, QStringLiteral("JPG/Table.JPG"));
}

} // namespace

ARTGEN_REGISTER("results table header", DrawTableHeader);
