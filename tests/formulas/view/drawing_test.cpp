// Layout of formulas: sizes, axes and where the bars, signs and caret land.
#include "formulas/formula.h"
#include "formulas/view/drawing.h"
#include "formulas/view/picture.h"
#include "formulas/formulatest.h"
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

using namespace formulas;

namespace {

constexpr int kSize = 14;

// A formula drawn black on white at (x, y) of a canvas at 96 dots per inch.
class Drawn {
public:
    explicit Drawn(const QString& text, int x = 10, int y = 10, bool editing = false, int size = kSize)
        : image(600, 300, QImage::Format_RGB32)
    {
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        formula.SetText(text);
        formula.SetEditing(editing);
        QPainter canvas(&image);
        canvas.setFont(FormulaFont(size));
        canvas.setPen(Qt::black);
        Draw(formula, canvas, x, y);
    }

    TTerm* Element(int k) const { return formula.Root()->Child(k); }
    bool Ink(int x, int y) const { return qGray(image.pixel(x, y)) < 128; }
    // Columns of a row that carry ink.
    std::pair<int, int> InkSpan(int y) const
    {
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x)
            if (Ink(x, y)) {
                if (first < 0) first = x;
                last = x;
            }
        return {first, last};
    }

    TFormula formula;
    QImage image;
};

int TextHeight(int points)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterY(3780);
    return QFontMetrics(FormulaFont(points), &probe).height();
}

int Middle(const TTerm* term) { return term->Top + term->Axis; }

} // namespace

TEST(FormulaLayout, FractionBarSpansTheWiderPartLessTwoPixelsEachSideAndCentresTheOther)
{
    Drawn drawn(QStringLiteral("[drob[1][x+1]]"));
    TTerm* fraction = drawn.Element(1);
    TTerm* numerator = fraction->Child(1);
    TTerm* denominator = fraction->Child(2);
    EXPECT_EQ(fraction->Width, std::max(numerator->Width, denominator->Width) + 4);
    EXPECT_EQ(fraction->Height, numerator->Height + denominator->Height);
    EXPECT_EQ(fraction->Axis, numerator->Height);
    const int bar = fraction->Top + fraction->Axis;
    EXPECT_EQ(drawn.InkSpan(bar), std::make_pair(fraction->Left + 2, fraction->Left + fraction->Width - 2));
    EXPECT_EQ(numerator->Left, fraction->Left + fraction->Width / 2 - numerator->Width / 2);
    EXPECT_EQ(denominator->Top, bar + 1);
}

// Formulas enlarged for a projector keep their proportions: from 28 points
// on, margins and bracket widths double.
TEST(FormulaLayout, LargeSizesWidenMarginsInWholeSteps)
{
    for (const auto& [size, unit] : {std::pair{27, 1}, std::pair{28, 2}, std::pair{42, 3}}) {
        Drawn drawn(QStringLiteral("[drob[1][x+1]][skob[x]][syst[[x]][[y]]]"), 10, 10, false, size);
        TTerm* fraction = drawn.Element(1);
        EXPECT_EQ(fraction->Width, std::max(fraction->Child(1)->Width, fraction->Child(2)->Width) + 4 * unit) << size;
        EXPECT_EQ(drawn.InkSpan(fraction->Top + fraction->Axis).first, fraction->Left + 2 * unit) << size;
        EXPECT_EQ(fraction->Child(2)->Top, fraction->Top + fraction->Axis + unit) << size;
        EXPECT_EQ(fraction->Height, fraction->Child(1)->Height + fraction->Child(2)->Height + unit - 1) << size;
        EXPECT_EQ(drawn.Element(2)->Width, drawn.Element(2)->Child(1)->Width + 10 * unit) << size;
        EXPECT_EQ(drawn.Element(3)->Child(1)->Left, drawn.Element(3)->Left + 6 * unit) << size;
    }
}

TEST(FormulaLayout, NeighboursShareOneAxis)
{
    Drawn power(QStringLiteral("[a][powr[x][2]][b]"));
    EXPECT_EQ(Middle(power.Element(1)), Middle(power.Element(2)));
    EXPECT_EQ(Middle(power.Element(3)), Middle(power.Element(2)));
    // The base of the power lies on the same middle as its neighbours.
    EXPECT_EQ(Middle(power.Element(2)->Child(1)), Middle(power.Element(1)));

    // A fraction beside a letter: its bar lies on the letter's middle.
    Drawn fraction(QStringLiteral("[x+][drob[1][2]]"));
    EXPECT_EQ(Middle(fraction.Element(1)), fraction.Element(2)->Top + fraction.Element(2)->Axis);

    // Brackets, absolute value and a power keep the axis of a fraction inside them.
    Drawn bracketed(QStringLiteral("[x+][skob[drob[1][powr[x][2]]]][+][modl[drob[1][powr[x][2]]]]"));
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(Middle(bracketed.Element(k)), Middle(bracketed.Element(1))) << k;
}

TEST(FormulaLayout, ReducedSizesNestAndStopAtTheLowerBound)
{
    Drawn drawn(QStringLiteral("[powr[x][powr[y][powr[z][powr[u][powr[v][w]]]]]]"));
    std::vector<int> sizes;
    for (TTerm* term = drawn.Element(1); term->Kind() == TermKind::Power; term = term->Child(2)->Child(1))
        sizes.push_back(term->Child(2)->FontSize);
    EXPECT_EQ(sizes, (std::vector<int>{11, 8, 6, 6, 6}));

    EXPECT_EQ(ReducedFontSize(14), 11);
    EXPECT_EQ(ReducedFontSize(8), 6);
    EXPECT_EQ(ReducedFontSize(5), 5); // never raised above the term's own size

    // Degree, subscript, logarithm base and integral limits are reduced too.
    Drawn others(QStringLiteral("[sqrt[3][x]][indx[a][n]][loga[2][x]][intg[0][1][x]]"));
    EXPECT_EQ(others.Element(1)->Child(1)->FontSize, 11);
    EXPECT_EQ(others.Element(1)->Child(2)->FontSize, 14);
    EXPECT_EQ(others.Element(2)->Child(2)->FontSize, 11);
    EXPECT_EQ(others.Element(3)->Child(1)->FontSize, 11);
    EXPECT_EQ(others.Element(4)->Child(1)->FontSize, 11);
    EXPECT_EQ(others.Element(4)->Child(2)->FontSize, 11);
    EXPECT_EQ(others.Element(4)->Child(3)->FontSize, 14);
}

// Whatever is drawn of a term lies inside its box, so that neighbours and
// picture edges never cut into it.
TEST(FormulaLayout, BoxesHoldWhatIsDrawnInThem)
{
    const auto inside = [](const TTerm* outer, const TTerm* inner) {
        return inner->Left >= outer->Left && inner->Top >= outer->Top &&
               inner->Left + inner->Width <= outer->Left + outer->Width &&
               inner->Top + inner->Height <= outer->Top + outer->Height;
    };
    // One fraction deep above its bar, the other deep below.
    Drawn sequence(QStringLiteral("[drob[drob[1][2]][3]][+][drob[1][drob[2][drob[3][4]]]]"));
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(inside(sequence.formula.Root(), sequence.Element(k))) << k;

    Drawn system(QStringLiteral("[syst[[x+y=5]][[2x-y=100]]]"));
    TTerm* brace = system.Element(1);
    for (int k = 1; k <= 2; ++k) EXPECT_TRUE(inside(brace, brace->Child(k))) << k;

    // A degree taller than the radical's tick raises the sign instead of
    // sticking out above it.
    Drawn root(QStringLiteral("[sqrt[drob[drob[1][2]][3]][x]]"));
    EXPECT_TRUE(inside(root.Element(1), root.Element(1)->Child(1)));
    EXPECT_TRUE(inside(root.Element(1), root.Element(1)->Child(2)));
}

TEST(FormulaLayout, EmptyPlacesMeasureHalfATextHeightAndShowOnlyWhileEditing)
{
    Drawn shown(QStringLiteral("[drob[][]]"), 10, 10, false);
    TTerm* numerator = shown.Element(1)->Child(1);
    EXPECT_EQ(numerator->Height, TextHeight(kSize));
    EXPECT_EQ(numerator->Width, TextHeight(kSize) / 2);
    const int cx = numerator->Left + numerator->Width / 2, cy = numerator->Top + numerator->Height / 2;
    EXPECT_FALSE(shown.Ink(cx, cy));

    Drawn edited(QStringLiteral("[drob[][]]"), 10, 10, true);
    EXPECT_TRUE(edited.Ink(cx, cy));
    EXPECT_TRUE(edited.Ink(cx - 3, cy - 4));
    EXPECT_FALSE(edited.Ink(cx - 5, cy));
}

TEST(FormulaLayout, TextGlyphsFollowTheLettersMeaning)
{
    const auto kinds = [](const QString& text) {
        QString shape;
        for (const Glyph& glyph : PlanText(text)) shape += QChar(u"uisdme"[int(glyph.kind)]);
        return shape;
    };
    EXPECT_EQ(kinds(QStringLiteral("2*x-1=0")), QStringLiteral("udimueu"));
    EXPECT_EQ(kinds(QStringLiteral("sin(x)")), QStringLiteral("uuuuiu"));
    // Reserved words are taken whole from the last of the table: arcsin and
    // ctg, not sin and tg inside them; "sinx" is still sin followed by x.
    EXPECT_EQ(kinds(QStringLiteral("arcsin ctg sinx")), QStringLiteral("uuuuuuuuuuuuuui"));
    EXPECT_EQ(kinds(QStringLiteral("и*r жк2")), QStringLiteral("sdiuisu"));

    const std::vector<Glyph> shown = PlanText(QStringLiteral("а{б}ж"));
    QString text;
    for (const Glyph& glyph : shown) text += glyph.shown;
    EXPECT_EQ(text, QStringLiteral("<[>]e"));
}

TEST(FormulaLayout, MinusIsAsWideAsPlusAndEqualsIsTwoLines)
{
    Drawn minus(QStringLiteral("[1-1]"));
    Drawn plus(QStringLiteral("[1+1]"));
    EXPECT_EQ(minus.Element(1)->Width, plus.Element(1)->Width);

    Drawn equals(QStringLiteral("[=]"));
    TTerm* run = equals.Element(1);
    int rows = 0;
    for (int y = run->Top; y < run->Top + run->Height; ++y)
        if (equals.InkSpan(y).first >= 0) ++rows;
    EXPECT_EQ(rows, 2);
    const int cy = run->Top + run->Height / 2, gap = run->Height / 8;
    EXPECT_EQ(equals.InkSpan(cy - gap), std::make_pair(run->Left + 1, run->Left + run->Width - 1 - run->Width % 2));
    EXPECT_TRUE(equals.Ink(run->Left + run->Width / 2, cy + gap));
}

TEST(FormulaLayout, PrefixAndSuffixSitOnTheRootsAxis)
{
    TFormula formula;
    formula.SetText(QStringLiteral("[drob[1][powr[x][2]]]"));
    formula.SetPrefix(QStringLiteral("y = "));
    formula.SetSuffix(QStringLiteral("=0"));
    QImage image(400, 200, QImage::Format_RGB32);
    QPainter canvas(&image);
    canvas.setFont(FormulaFont(kSize));
    int width = 0, height = 0;
    Measure(formula, canvas, width, height);
    EXPECT_EQ(width, formula.Prefix()->Width + formula.Root()->Width + formula.Suffix()->Width);
    EXPECT_EQ(height, formula.Root()->Height);
    Draw(formula, canvas, 5, 7);
    EXPECT_EQ(formula.Root()->Left, 5 + formula.Prefix()->Width);
    EXPECT_EQ(Middle(formula.Prefix()), Middle(formula.Root()));
    EXPECT_EQ(Middle(formula.Suffix()), Middle(formula.Root()));
    EXPECT_EQ(formula.Suffix()->Left, formula.Root()->Left + formula.Root()->Width);

    formula.SetSuffix(QString());
    Measure(formula, canvas, width, height);
    EXPECT_EQ(width, formula.Prefix()->Width + formula.Root()->Width);
}

// The caret lands where the measured advances put the glyphs, also after a
// "<" stored as its letter.
TEST(FormulaLayout, CaretIsBlueAtTheMeasuredPosition)
{
    const auto blueColumns = [](const QImage& image, int y) {
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kCaretColour) columns.push_back(x);
        return columns;
    };
    Drawn drawn(QStringLiteral("[xа1]"), 10, 10, true);
    auto* run = static_cast<TSimpleTerm*>(drawn.Element(1));
    QPainter canvas(&drawn.image);
    canvas.setFont(FormulaFont(kSize)); // the font the formula was measured with
    run->Caret = 3;
    drawn.formula.SetCurrent(run);
    DrawCaret(drawn.formula, canvas);
    const std::vector<int> advances = TextRunAdvances(canvas, *run);
    ASSERT_EQ(advances.size(), 3u);
    EXPECT_EQ(advances[0] + advances[1] + advances[2], run->Width);
    EXPECT_EQ(blueColumns(drawn.image, run->Top + run->Height / 2),
              std::vector<int>{run->Left + advances[0] + advances[1]});
    EXPECT_EQ(blueColumns(drawn.image, run->Top + run->Height - 2).size(), size_t(run->Width + 1));
    canvas.end();

    // Between elements of a sequence: after the first element.
    Drawn sequence(QStringLiteral("[x][drob[1][2]]"), 10, 10, true);
    QPainter sequenceCanvas(&sequence.image);
    TSostTerm* root = sequence.formula.Root();
    root->Caret = 3;
    sequence.formula.SetCurrent(root);
    DrawCaret(sequence.formula, sequenceCanvas);
    EXPECT_EQ(blueColumns(sequence.image, root->Top + root->Height / 3),
              std::vector<int>{root->Left + sequence.Element(1)->Width});
}

// The editor's font is given in pixels; what is measured must be what is drawn.
TEST(FormulaLayout, PixelSizedCanvasFontMeasuresAsItDraws)
{
    QImage image(600, 100, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter canvas(&image);
    QFont font(kFormulaFontFamily);
    font.setPixelSize(22);
    canvas.setFont(font);
    TFormula formula;
    formula.SetText(QStringLiteral("[mmmmmmmmmmmmmmmmmmmm]"));
    Draw(formula, canvas, 0, 0);
    const auto* run = static_cast<TSimpleTerm*>(formula.Root()->Child(1));
    EXPECT_EQ(run->FontSize, 17);
    int drawnRight = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) drawnRight = x;
    // The italic m may lean a pixel or two out of its last advance, no more.
    EXPECT_NEAR(drawnRight, run->Width, 3);
    EXPECT_EQ(canvas.font().pixelSize(), 22); // the caller's font is left as it was
}

// Trees that the reader never makes, and pictures too long for any program,
// are laid out without harm.
TEST(FormulaLayout, IncompleteTermsAndEndlessFormulasAreHarmless)
{
    TFormula formula;
    formula.SetText(QStringLiteral("[x]"));
    formula.Root()->AppendChild(std::make_unique<TDrobTerm>(formula.Root(), &formula));
    formula.Root()->AppendChild(std::make_unique<TIntegralTerm>(formula.Root(), &formula));
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter canvas(&image);
    canvas.setFont(FormulaFont(kSize));
    Draw(formula, canvas, 0, 0);
    EXPECT_EQ(formula.Root()->Child(2)->Width, 0);
    EXPECT_EQ(formula.Root()->Width, formula.Root()->Child(1)->Width);
    canvas.end();

    QString endless;
    for (int i = 0; i < 3000; ++i) endless += QStringLiteral("[drob[1][x]][+]");
    TFormula wide;
    wide.SetText(endless);
    const QImage picture = Picture(wide, Qt::black, Qt::white);
    EXPECT_EQ(picture.width(), 16000);
    EXPECT_FALSE(picture.isNull());
}
