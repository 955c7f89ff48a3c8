// Formula tags of pages become pictures in the temporary folder.
#include "formulas/view/formulapages.h"
#include "formulas/view/picture.h"
#include "formulas/formula.h"
#include "base/folders.h"
#include "base/paths.h"
#include <algorithm>

namespace formulas {
namespace {

const QString kTagStart = QStringLiteral("<FORMULA=");

constexpr int kDefaultPictureFontSize = 14; // the page font size 12 + 2
constexpr int kLowestPictureFontSize = 6;
constexpr int kHighestPictureFontSize = 96;

int g_pictureFontSize = kDefaultPictureFontSize;

} // namespace

int PictureFontSize() { return g_pictureFontSize; }

void SetPictureFontSize(int points)
{
    g_pictureFontSize = std::clamp(points, kLowestPictureFontSize, kHighestPictureFontSize);
}

void RenderFormulaGif(const QString& bracketText, const QString& fileName, const QColor& textColour,
                      const QColor& backgroundColour)
{
    TFormula formula;
    formula.SetText(bracketText);
    SaveImage(formula, fileName, textColour, backgroundColour);
}

// The search goes on after each picture tag put in, so that text of the
// temporary folder's name is never read as a tag. A temporary folder removed
// while the program runs is made again rather than leaving the page with
// pictures that are not there.
void ExpandFormulaTags(QString& line, int& counter)
{
    if (line.contains(kTagStart, Qt::CaseInsensitive)) base::ForceFolder(base::TempFolder());
    for (qsizetype p = line.indexOf(kTagStart, 0, Qt::CaseInsensitive); p >= 0;
         p = line.indexOf(kTagStart, p, Qt::CaseInsensitive)) {
        const qsizetype close = line.indexOf(u'>', p);
        if (close < 0) return;
        ++counter;
        const QString file = base::TempFolder() + QString::number(counter) + QLatin1String(".GIF");
        const qsizetype textStart = p + kTagStart.size();
        RenderFormulaGif(line.mid(textStart, close - textStart), file, Qt::black, Qt::white);
        const QString picture = QLatin1String("<IMG SRC=\"") + file + QLatin1String("\">");
        line.replace(p, close - p + 1, picture);
        p += picture.size();
    }
}

} // namespace formulas
