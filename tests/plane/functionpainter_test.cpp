#include "plane/functionpainter.h"
#include "plane/planepainter.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace plane;

namespace {

QImage Render(PlaneScene& scene, const PlaneView& view, const PaintOptions& options)
{
    QImage image(view.Width(), view.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlanePainter(painter, view, options).Paint(scene);
    return image;
}

PaintOptions GraphsOnly(FunctionList& list)
{
    PaintOptions options;
    options.GridVisible = false;
    options.AxesVisible = false;
    options.Functions = &list;
    return options;
}

int CountPixels(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}

TEST(FunctionPainter, DrawsEachGraphInItsColourAndTheHotOneHighlighted)
{
    PlaneScene scene;
    FunctionList list;
    list.AddFormula(QStringLiteral("[1]"), scene, base::colour::kRed);
    TFunction* low = list.AddFormula(QStringLiteral("[-1]"), scene, base::colour::kBlue);
    list.AddFormula(QStringLiteral("[x+]"), scene, base::colour::kBlack);  // not valid: not drawn
    const PlaneView view(200, 100);
    PaintOptions options = GraphsOnly(list);
    options.HotFunction = low;
    const QImage image = Render(scene, view, options);
    const QColor red = base::BgrColor(base::colour::kRed);
    const QColor hot = base::BgrColor(base::colour::plane::kHot);
    for (int column : {0, 100, 199}) {
        EXPECT_EQ(image.pixelColor(column, view.ToScreenY(1)), red) << column;
        EXPECT_EQ(image.pixelColor(column, view.ToScreenY(-1)), hot) << column;
    }
    EXPECT_EQ(CountPixels(image, red), view.Width());
    EXPECT_EQ(CountPixels(image, base::BgrColor(base::colour::kBlack)), 0);
    EXPECT_EQ(CountPixels(image, base::BgrColor(base::colour::kBlue)), 0);
}

TEST(FunctionPainter, LeavesTheGapOfAPoleEmpty)
{
    PlaneScene scene;
    FunctionList list;
    list.AddFormula(QStringLiteral("[drob[1][x]]"), scene, base::colour::kRed);
    const PlaneView view(200, 100);
    const QImage image = Render(scene, view, GraphsOnly(list));
    const QColor red = base::BgrColor(base::colour::kRed);
    for (int row = 0; row < view.Height(); ++row) EXPECT_NE(image.pixelColor(view.ToScreenX(0), row), red) << row;
    EXPECT_GT(CountPixels(image, red), 0);
}

} // namespace
