// Painting into pictures: the colours and extents that carry meaning are
// checked by pixel; the pictures are kept in the temporary folder for a look.
#include "probability/laplas.h"
#include "base/random.h"
#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

using namespace probability;

namespace {

QImage CoinStrip()
{
    QImage strip(60, 30, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setBrush(QColor(200, 160, 40));
    p.drawEllipse(2, 2, 25, 25);
    p.setBrush(QColor(120, 120, 120));
    p.drawEllipse(32, 2, 25, 25);
    return strip;
}

class LaplasPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base::SetRandomSeed(8);
        GridLook grid1;
        grid1.width = 400;
        grid1.color = QColor(255, 255, 240);
        lab.BindGrid1(grid1);
        GridLook grid2;
        grid2.width = 300;
        grid2.defaultColWidth = 60;
        grid2.defaultRowHeight = 20;
        lab.BindGrid2(grid2);
    }

    QImage grid1(int height = 200)
    {
        QImage image(400, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        lab.PaintGrid1(p, 0, 30, height);
        return image;
    }

    static void keep(const QImage& image, const QString& name)
    {
        image.save(QDir::tempPath() + "/orindo_" + name + ".png");
    }

    TLaplas lab;
};

// Left edge of column col in a grid with one-pixel lines.
int ColumnLeft(const GridLayout& layout, int col)
{
    int x = 0;
    for (int c = 0; c < col; ++c) x += layout.colWidths[c] + 1;
    return x;
}

} // namespace

TEST_F(LaplasPaintTest, CoinTableShowsTilesAndProbabilityBars)
{
    lab.SetPictureStrip(CoinStrip());
    lab.SetModel(kCoins, 2, 1, 3);
    const GridLayout layout = lab.Grid1Layout();
    const QImage image = grid1();
    keep(image, "coins");
    const int bar = ColumnLeft(layout, 5); // k + 2
    // Row [1,1,2] (probability 0,375): 38 pixels of silver, then the grid colour.
    const int y = 31 + 15;
    EXPECT_EQ(image.pixelColor(bar + 36, y), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixelColor(bar + 38, y), QColor(255, 255, 240));
    // Tiles: the coin sides of row [1,1,2]; white of the strip is transparent.
    EXPECT_EQ(image.pixelColor(ColumnLeft(layout, 3) + 15, y), QColor(120, 120, 120));
    EXPECT_EQ(image.pixelColor(ColumnLeft(layout, 1) + 15, y), QColor(200, 160, 40));
    EXPECT_EQ(image.pixelColor(ColumnLeft(layout, 1) + 1, 31 + 1), QColor(255, 255, 240));
    // The summary row is painted across the whole width.
    EXPECT_EQ(image.pixelColor(380, 4 * 31 + 2), QColor(255, 255, 240));

    lab.SetBarScale(200);
    EXPECT_EQ(grid1().pixelColor(bar + 74, y), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(LaplasPaintTest, FrequencyBarsAndSelectedRows)
{
    lab.SetModel(kCoins, 2, 0, 1);
    lab.SetMode(2);
    for (int i = 0; i < 4; ++i) lab.RunOne();
    lab.AddEvent();
    lab.Grid1MouseDown(1);
    const int f = lab.ShownTable().Frequency[1];
    const QImage image = grid1();
    keep(image, "frequencies");
    const int bar = ColumnLeft(lab.Grid1Layout(), 3);
    const int y = 31 + 15;
    if (f > 0) {
        EXPECT_EQ(image.pixelColor(bar + f * 25 - 1, y), BgrColor(kFrequencyBar));
    }
    EXPECT_NE(image.pixelColor(bar + f * 25 + 1, y), BgrColor(kFrequencyBar));
    // The number box of a row of the selected event takes the event's colour.
    EXPECT_EQ(image.pixelColor(3, y - 12), BgrColor(EventPalette[0]));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 255, 240));
}

TEST_F(LaplasPaintTest, BallsByNumberAndByColour)
{
    for (int e = 1; e <= 5; ++e) lab.SetBallColor(e, e + 2);
    lab.SetModel(kBallsWithReplacement, 5, 0, 2);
    QImage image = grid1();
    keep(image, "balls");
    const GridLayout layout = lab.Grid1Layout();
    // Row [1,2]: ball 2 has colour 4 (green); its rim is sampled off the number.
    EXPECT_EQ(image.pixelColor(ColumnLeft(layout, 2) + 5, 31 + 15), BgrColor(BallPalette[4]));
    lab.SetModel(kBallsWithReplacement, 5, 2, 2);
    image = grid1();
    keep(image, "ballcolours");
    // Row [colour 3, colour 4].
    EXPECT_EQ(image.pixelColor(ColumnLeft(layout, 2) + 15, 31 + 15), BgrColor(BallPalette[4]));
    EXPECT_EQ(image.pixelColor(ColumnLeft(layout, 1) + 15, 15), BgrColor(BallPalette[3]));
}

TEST_F(LaplasPaintTest, EventTableAndGraph)
{
    lab.SetModel(kDice, 6, 0, 1);
    lab.SetGraphCanvas(QSize(300, 101), QColor(240, 240, 240));
    // Dotted lines at each tenth, an axis at x = 20.
    const QImage empty = lab.imXY();
    bool tenth = false;
    for (int x = 22; x < 40; ++x) tenth |= empty.pixelColor(x, 50) == QColor(0xC0, 0xC0, 0xC0);
    EXPECT_TRUE(tenth);
    EXPECT_EQ(empty.pixelColor(200, 45), QColor(240, 240, 240));

    lab.AddEvent();
    for (int r = 0; r < 6; ++r) lab.Grid1MouseDown(r); // certain event A
    lab.AddEvent();
    lab.Grid1MouseDown(0);                             // event B = {1}
    for (int i = 0; i < 100; ++i) lab.RunOne();
    const QImage graph = lab.imXY();
    keep(graph, "graph");
    // A stays at relative frequency 1: the top line, from x = 21 on.
    EXPECT_EQ(graph.pixelColor(21, 0), BgrColor(EventPalette[0]));
    EXPECT_EQ(graph.pixelColor(120, 0), BgrColor(EventPalette[0]));
    EXPECT_NE(graph.pixelColor(121, 0), BgrColor(EventPalette[0]));
    // B ends near its frequency.
    const int yB = int(std::nearbyint(100 - 100.0 * lab.Event(1).Hits / 100));
    EXPECT_EQ(graph.pixelColor(120, yB), BgrColor(EventPalette[1]));

    QImage events(300, 63, QImage::Format_RGB32);
    events.fill(Qt::black);
    QPainter p(&events);
    lab.PaintGrid2(p);
    p.end();
    keep(events, "events");
    EXPECT_EQ(events.pixelColor(2, 2), BgrColor(EventPalette[0]));
    EXPECT_EQ(events.pixelColor(63, 2), BgrColor(EventPalette[1]));
    EXPECT_EQ(lab.EventFrequencyText(0), "1,0000");
    EXPECT_EQ(lab.EventProbabilityText(1), "0,1667");

    lab.ResetExperiments(); // clears the graph
    EXPECT_NE(lab.imXY().pixelColor(120, 0), BgrColor(EventPalette[0]));
    EXPECT_NE(lab.imXY().pixelColor(120, yB), BgrColor(EventPalette[1]));
}
