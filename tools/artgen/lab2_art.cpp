// The coordinate line lab's bottom strip "JPG\LineBott.jpg": paper with a
// few motifs. The lab scales it to its width, 140 pixels high.
#include "artgen.h"
#include "look.h"
#include <QPainter>

namespace {

constexpr QSize kStrip(800, 140); // the lab's usual width: no stretching there

// Only paper and motifs: a drawn number line here would look like one to click.
QImage BottomStrip()
{
    QImage image = artgen::look::Paper(kStrip);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(0, 0, kStrip.width(), 3, artgen::look::kAccent);
    artgen::look::DrawMotifs(p, QRect(20, 14, kStrip.width() - 40, kStrip.height() - 28), 6, 2);
    return image;
}

bool DrawLab2Pictures(const QString& programFolder)
{
    return artgen::SaveJpg(BottomStrip(), programFolder, QStringLiteral("JPG/LineBott.jpg"));
}

} // namespace

ARTGEN_REGISTER("coordinate line lab pictures", DrawLab2Pictures);
