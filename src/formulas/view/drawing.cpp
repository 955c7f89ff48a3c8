// Measuring and drawing of the term tree. Measure works bottom-up and gives
// every term its Width, Height and Axis (the middle line, from its top, on
// which neighbours are aligned); Draw places the terms top-down. Every term
// records its font size when measured and draws at that size, so a drawing
// does not depend on what the canvas font was left at. Each kind of term has
// its own pair of functions below; Measure and Draw choose by Kind().
#include "formulas/view/drawing.h"
#include "formulas/formula.h"
#include "formulas/terms.h"
#include "base/symbols.h"
#include <QFontMetrics>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace formulas {

// ---- fonts --------------------------------------------------------------------

int ReducedFontSize(int points)
{
    return std::max(points - kSizeReduction, std::min(points, kMinFontSize));
}

namespace {

int DeviceDpi(const QPainter& canvas)
{
    const QPaintDevice* device = canvas.device();
    const int dpi = device ? device->logicalDpiY() : 96;
    return dpi > 0 ? dpi : 96;
}

} // namespace

int CanvasFontSize(const QPainter& canvas)
{
    const QFont font = canvas.font();
    if (font.pointSize() > 0) return font.pointSize();
    if (font.pixelSize() > 0) return std::max(1, int(std::lround(font.pixelSize() * 72.0 / DeviceDpi(canvas))));
    return 12;
}

QFont SizedFont(const QPainter& canvas, int points)
{
    QFont font = canvas.font();
    font.setPointSize(std::max(1, points));
    return font;
}

void SetCanvasFontSize(QPainter& canvas, int points)
{
    canvas.setFont(SizedFont(canvas, points));
}

QFont FormulaFont(int points)
{
    QFont font(kFormulaFontFamily);
    font.setStyleHint(QFont::Serif);
    font.setPointSize(std::max(1, points));
    return font;
}

namespace {

// Only the lines that are not horizontal or vertical (arcs, slants, the
// dot) are smoothed; straight bars stay crisp one-pixel lines.
class Smoothing {
public:
    Smoothing(QPainter& canvas, bool on) : m_canvas(canvas), m_was(canvas.testRenderHint(QPainter::Antialiasing))
    {
        canvas.setRenderHint(QPainter::Antialiasing, on);
    }
    ~Smoothing() { m_canvas.setRenderHint(QPainter::Antialiasing, m_was); }
    Smoothing(const Smoothing&) = delete;
    Smoothing& operator=(const Smoothing&) = delete;

private:
    QPainter& m_canvas;
    bool m_was;
};

void Line(QPainter& canvas, int x1, int y1, int x2, int y2)
{
    const Smoothing crisp(canvas, false);
    canvas.drawLine(x1, y1, x2, y2);
}

// Qt measures arc angles in sixteenths of a degree, counter-clockwise from
// three o'clock.
void Arc(QPainter& canvas, const QRect& box, int startDegrees, int spanDegrees)
{
    const Smoothing smooth(canvas, true);
    canvas.drawArc(box, startDegrees * 16, spanDegrees * 16);
}

// Measures an argument at the reduced size of its term.
void MeasureReduced(QPainter& canvas, TTerm& argument, int termSize)
{
    FontKeeper keep(canvas);
    SetCanvasFontSize(canvas, ReducedFontSize(termSize));
    Measure(argument, canvas);
}

bool IsBlankText(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= u' '; });
}

// The faces of a text run, from the canvas font as it stands.
class RunFonts {
public:
    explicit RunFonts(const QPainter& canvas)
        : m_upright(Styled(canvas.font(), false)), m_italic(Styled(canvas.font(), true)),
          m_uprightMetrics(m_upright, canvas.device()), m_italicMetrics(m_italic, canvas.device())
    {
    }

    const QFont& FontOf(GlyphKind kind) const { return kind == GlyphKind::Italic ? m_italic : m_upright; }
    const QFontMetrics& MetricsOf(GlyphKind kind) const
    {
        return kind == GlyphKind::Italic ? m_italicMetrics : m_uprightMetrics;
    }
    const QFontMetrics& Upright() const { return m_uprightMetrics; }

    int Advance(const Glyph& glyph) const
    {
        switch (glyph.kind) {
        case GlyphKind::Dot: return m_uprightMetrics.horizontalAdvance(u'*');
        case GlyphKind::Minus: return m_uprightMetrics.horizontalAdvance(u'+');
        case GlyphKind::Equals: return m_uprightMetrics.horizontalAdvance(u'=');
        case GlyphKind::Italic: return m_italicMetrics.horizontalAdvance(QString(glyph.shown));
        case GlyphKind::Upright:
        case GlyphKind::Symbol: break;
        }
        // Through a string, so that a glyph the face lacks (∈, ≈ ...) is
        // measured in the fallback face that will draw it.
        return m_uprightMetrics.horizontalAdvance(QString(glyph.shown));
    }

private:
    static QFont Styled(QFont font, bool italic)
    {
        font.setItalic(italic);
        return font;
    }

    QFont m_upright;
    QFont m_italic;
    QFontMetrics m_uprightMetrics;
    QFontMetrics m_italicMetrics;
};

bool IsLatinLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The copy of a run's text that decides italics: every reserved word
// blanked, from the last of the table to the first, so that "arcsin" is
// taken whole before "sin" and "ctg" before "tg".
QString WithReservedWordsBlanked(const QString& text)
{
    QString copy = text;
    for (auto word = kReservedWords.rbegin(); word != kReservedWords.rend(); ++word) {
        const QString blanks(word->size(), u' ');
        for (qsizetype at = copy.indexOf(*word); at >= 0; at = copy.indexOf(*word, at + word->size()))
            copy.replace(at, word->size(), blanks);
    }
    return copy;
}

} // namespace

std::vector<Glyph> PlanText(const QString& text)
{
    namespace symbol = base::symbol;
    const QString italics = WithReservedWordsBlanked(text);
    std::vector<Glyph> glyphs;
    glyphs.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        GlyphKind kind = GlyphKind::Upright;
        if (c == u'*') kind = GlyphKind::Dot;
        else if (c == u'-') kind = GlyphKind::Minus;
        else if (c == u'=') kind = GlyphKind::Equals;
        else if (symbol::IsSymbolGlyph(c)) kind = GlyphKind::Symbol;
        else if (IsLatinLetter(italics[i]) || italics[i] == symbol::NumberE) kind = GlyphKind::Italic;
        glyphs.push_back({symbol::Shown(c), kind});
    }
    return glyphs;
}

std::vector<int> TextRunAdvances(QPainter& canvas, const TTerm& run)
{
    FontKeeper keep(canvas);
    SetCanvasFontSize(canvas, run.FontSize);
    const RunFonts fonts(canvas);
    std::vector<int> advances;
    for (const Glyph& glyph : PlanText(run.Data)) advances.push_back(fonts.Advance(glyph));
    return advances;
}

namespace {

// The blue caret: a bar at x and a line under the term holding it.
void DrawCaretLines(QPainter& canvas, int x, int top, int height, int underlineFrom, int underlineTo)
{
    const QPen pen = canvas.pen();
    canvas.setPen(QColor::fromRgb(kCaretColour));
    Line(canvas, x, top + 2, x, top + height - 2);
    Line(canvas, underlineFrom, top + height - 2, underlineTo, top + height - 2);
    canvas.setPen(pen);
}

// The multiplication dot: a round dot about an eighth of the text height
// across, at least two pixels, in the pen's colour.
void DrawDot(QPainter& canvas, int cx, int cy, int textHeight)
{
    const double radius = std::max(1.0, textHeight / 16.0);
    const Smoothing smooth(canvas, true);
    const QBrush brush = canvas.brush();
    const QPen pen = canvas.pen();
    canvas.setBrush(pen.color());
    canvas.setPen(Qt::NoPen);
    canvas.drawEllipse(QPointF(cx + 0.5, cy + 0.5), radius, radius);
    canvas.setPen(pen);
    canvas.setBrush(brush);
}

// The pixel constants of the layout (margins, bracket, bar and brace
// widths, the strokes of the radical and the integral) suit sizes up to 27
// points; a larger term multiplies them, so that a formula enlarged for a
// projector keeps its proportions.
int Unit(const TTerm& term)
{
    return std::max(1, term.FontSize / 14);
}

// The start of a named term's Measure: it records the canvas font size.
// A term built without all its arguments (the reader always gives them, a
// tree assembled elsewhere might not) takes no room and is not measured on.
bool StartMeasure(TTerm& term, QPainter& canvas, int arguments)
{
    term.FontSize = CanvasFontSize(canvas);
    if (term.Count() >= arguments) return true;
    term.Width = term.Height = term.Axis = 0;
    return false;
}

// The start of a named term's Draw: its place, and the canvas font at its
// size until the drawing ends.
class DrawScope : public FontKeeper {
public:
    DrawScope(TTerm& term, QPainter& canvas, int x, int y) : FontKeeper(canvas)
    {
        term.Left = x;
        term.Top = y;
        SetCanvasFontSize(canvas, term.FontSize);
    }
};

// Contents with room around them (brackets, bars, the overline), keeping
// the contents' axis so that a bracketed fraction stays level with the signs
// beside it.
void MeasureEnclosed(TTerm& term, QPainter& canvas, int extraWidth, int extraHeight)
{
    TTerm* contents = term.Child(1);
    Measure(*contents, canvas);
    term.Width = contents->Width + extraWidth * Unit(term);
    term.Height = contents->Height + extraHeight * Unit(term);
    term.Axis = contents->Axis + extraHeight * Unit(term);
}

// ---- sequence ---------------------------------------------------------------------

// Elements are aligned on their axes. The box reaches from the highest part
// above the common axis to the lowest part below it, so that an element with
// a small axis but a deep lower part (a fraction with a tall denominator
// beside one with a tall numerator) still lies inside it.
void MeasureSequence(TTerm& term, QPainter& canvas)
{
    term.FontSize = CanvasFontSize(canvas);
    if (term.Count() == 0) {
        term.Height = QFontMetrics(SizedFont(canvas, term.FontSize), canvas.device()).height();
        term.Width = term.Axis = term.Height / 2;
        return;
    }
    term.Width = 0;
    term.Axis = 0;
    int below = 0;
    for (int k = 1; k <= term.Count(); ++k) {
        TTerm* element = term.Child(k);
        Measure(*element, canvas);
        term.Width += element->Width;
        term.Axis = std::max(term.Axis, element->Axis);
        below = std::max(below, element->Height - element->Axis);
    }
    term.Height = term.Axis + below;
}

void DrawSequence(TTerm& term, QPainter& canvas, int x, int y)
{
    term.Left = x;
    term.Top = y;
    if (term.Count() == 0) {
        if (term.Owner && term.Owner->Editing()) {
            // The place-holder of an empty place while the formula is edited.
            const int cx = x + term.Width / 2, cy = y + term.Height / 2;
            const QBrush brush = canvas.brush();
            const QPen pen = canvas.pen();
            canvas.setBrush(Qt::black);
            canvas.setPen(Qt::NoPen);
            canvas.drawRect(QRect(QPoint(cx - 3, cy - 4), QPoint(cx + 3, cy + 4)));
            canvas.setPen(pen);
            canvas.setBrush(brush);
        }
        return;
    }
    int left = x;
    for (int k = 1; k <= term.Count(); ++k) {
        TTerm* element = term.Child(k);
        Draw(*element, canvas, left, y + term.Axis - element->Axis);
        left += element->Width;
    }
}

void DrawCaretSequence(const TTerm& term, QPainter& canvas)
{
    if (term.Caret < 1 || term.Caret % 2 == 0) return;
    const int before = std::min((term.Caret - 1) / 2, term.Count());
    int x = term.Left;
    for (int k = 1; k <= before; ++k) x += term.Child(k)->Width;
    DrawCaretLines(canvas, x, term.Top, term.Height, term.Left - 2, term.Left + term.Width + 2);
}

// ---- text run ---------------------------------------------------------------------

// Every byte is measured and drawn on its own; letters are italic, the
// symbols come from the same face (or its fallback) as Unicode characters.
void MeasureTextRun(TTerm& term, QPainter& canvas)
{
    term.FontSize = CanvasFontSize(canvas);
    FontKeeper keep(canvas);
    SetCanvasFontSize(canvas, term.FontSize);
    const RunFonts fonts(canvas);
    if (IsBlankText(term.Data)) {
        term.Height = fonts.Upright().height();
        term.Width = term.Axis = term.Height / 2;
        return;
    }
    const std::vector<Glyph> glyphs = PlanText(term.Data);
    term.Width = 0;
    for (const Glyph& glyph : glyphs) term.Width += fonts.Advance(glyph);
    term.Height = fonts.MetricsOf(glyphs.back().kind).height();
    term.Axis = term.Height / 2;
}

void DrawTextRun(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    const RunFonts fonts(canvas);
    const int baseline = y + fonts.Upright().ascent();
    const int plusHeight = fonts.Upright().height();
    const int inset = Unit(term);
    int x0 = x;
    for (const Glyph& glyph : PlanText(term.Data)) {
        const int w = fonts.Advance(glyph);
        const int cx = x0 + w / 2;
        switch (glyph.kind) {
        case GlyphKind::Dot:
            DrawDot(canvas, cx, y + term.Height / 2, plusHeight);
            break;
        case GlyphKind::Minus: {
            const int cy = y + plusHeight / 2;
            Line(canvas, cx - w / 2 + inset, cy, cx + w / 2 - inset, cy);
            break;
        }
        case GlyphKind::Equals: {
            const int cy = y + plusHeight / 2, gap = plusHeight / 8;
            Line(canvas, cx - w / 2 + inset, cy - gap, cx + w / 2 - inset, cy - gap);
            Line(canvas, cx - w / 2 + inset, cy + gap, cx + w / 2 - inset, cy + gap);
            break;
        }
        case GlyphKind::Upright:
        case GlyphKind::Italic:
        case GlyphKind::Symbol:
            canvas.setFont(fonts.FontOf(glyph.kind));
            canvas.drawText(QPoint(x0, baseline), QString(glyph.shown));
            break;
        }
        x0 += w;
    }
}

void DrawCaretTextRun(const TTerm& term, QPainter& canvas)
{
    if (term.Caret < 1) return;
    const std::vector<int> advances = TextRunAdvances(canvas, term);
    const int before = std::min<int>(term.Caret - 1, int(advances.size()));
    int x = term.Left;
    for (int i = 0; i < before; ++i) x += advances[size_t(i)];
    DrawCaretLines(canvas, x, term.Top, term.Height, term.Left, term.Left + term.Width);
}

// ---- fraction ---------------------------------------------------------------------

void MeasureFraction(TTerm& term, QPainter& canvas)
{
    if (!StartMeasure(term, canvas, 2)) return;
    TTerm* numerator = term.Child(1);
    TTerm* denominator = term.Child(2);
    Measure(*numerator, canvas);
    Measure(*denominator, canvas);
    const int u = Unit(term);
    term.Width = std::max(numerator->Width, denominator->Width) + 4 * u;
    // The denominator starts one unit below the bar; beyond one pixel that
    // gap is added to the box.
    term.Height = numerator->Height + denominator->Height + u - 1;
    term.Axis = numerator->Height;
}

void DrawFraction(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 2) return;
    TTerm* numerator = term.Child(1);
    TTerm* denominator = term.Child(2);
    const int u = Unit(term);
    Draw(*numerator, canvas, x + term.Width / 2 - numerator->Width / 2, y);
    Line(canvas, x + 2 * u, y + term.Axis, x + term.Width - 2 * u, y + term.Axis);
    Draw(*denominator, canvas, x + term.Width / 2 - denominator->Width / 2, y + term.Axis + u);
}

// ---- parentheses, absolute value, vector -----------------------------------------

void MeasureParentheses(TTerm& term, QPainter& canvas)
{
    if (StartMeasure(term, canvas, 1)) MeasureEnclosed(term, canvas, 10, 0);
}

void DrawParentheses(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 1) return;
    const int u = Unit(term);
    Draw(*term.Child(1), canvas, x + 5 * u, y);
    Arc(canvas, QRect(x, y, 10 * u, term.Height), 90, 180);
    Arc(canvas, QRect(x + term.Width - 10 * u, y, 10 * u, term.Height), 270, 180);
}

void MeasureModulus(TTerm& term, QPainter& canvas)
{
    if (StartMeasure(term, canvas, 1)) MeasureEnclosed(term, canvas, 6, 0);
}

void DrawModulus(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 1) return;
    const int u = Unit(term);
    Draw(*term.Child(1), canvas, x + 3 * u, y);
    Line(canvas, x + u, y, x + u, y + term.Height);
    Line(canvas, x + term.Width - 2 * u, y, x + term.Width - 2 * u, y + term.Height);
}

void MeasureVector(TTerm& term, QPainter& canvas)
{
    if (StartMeasure(term, canvas, 1)) MeasureEnclosed(term, canvas, 0, 1);
}

void DrawVector(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 1) return;
    Draw(*term.Child(1), canvas, x, y + Unit(term));
    Line(canvas, x, y, x + term.Width, y);
}

// ---- root ---------------------------------------------------------------------------
// The degree rests on the tick of the radical; a degree taller than the part
// of the sign below it raises the sign and the radicand, so that it never
// sticks out of the term's box.

int RootDegreeLift(const TTerm& degree, const TTerm& radicand, int u)
{
    const int tick = radicand.Height / 2;
    return std::max(0, degree.Height - (radicand.Height + 2 * u - tick));
}

void MeasureRoot(TTerm& term, QPainter& canvas)
{
    if (!StartMeasure(term, canvas, 2)) return;
    TTerm* degree = term.Child(1);
    TTerm* radicand = term.Child(2);
    MeasureReduced(canvas, *degree, term.FontSize);
    Measure(*radicand, canvas);
    const int u = Unit(term);
    const int lift = RootDegreeLift(*degree, *radicand, u);
    term.Width = degree->Width + radicand->Width + 10 * u;
    term.Height = radicand->Height + 2 * u + lift;
    term.Axis = radicand->Axis + 2 * u + lift;
}

void DrawRoot(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 2) return;
    TTerm* degree = term.Child(1);
    TTerm* radicand = term.Child(2);
    const int u = Unit(term);
    const int r = radicand->Height / 2;
    const int d = degree->Width;
    const int top = y + RootDegreeLift(*degree, *radicand, u);
    const int bottom = y + term.Height;
    {
        const Smoothing smooth(canvas, true);
        const QPoint sign[] = {{x + 4 * u, bottom - r},     {x + d + 2 * u, bottom - r}, {x + d + 4 * u, bottom - 2 * u},
                               {x + d + 6 * u, top},        {x + term.Width - u, top},        {x + term.Width - u, top + u}};
        canvas.drawPolyline(sign, 6);
    }
    Draw(*degree, canvas, x + u, bottom - r - degree->Height);
    Draw(*radicand, canvas, x + d + 9 * u, top + 2 * u);
}

// ---- power and subscript ------------------------------------------------------------
// The exponent sits half its height above the base, the subscript starts at
// the base's middle; both keep the base's axis.

void MeasurePower(TTerm& term, QPainter& canvas)
{
    if (!StartMeasure(term, canvas, 2)) return;
    TTerm* base = term.Child(1);
    TTerm* exponent = term.Child(2);
    MeasureReduced(canvas, *exponent, term.FontSize);
    Measure(*base, canvas);
    const int e = exponent->Height;
    term.Width = base->Width + exponent->Width;
    term.Height = e + base->Height - e / 2;
    term.Axis = e - e / 2 + base->Axis;
}

void DrawPower(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 2) return;
    TTerm* base = term.Child(1);
    Draw(*base, canvas, x, y + term.Height - base->Height);
    Draw(*term.Child(2), canvas, x + base->Width, y);
}

void MeasureIndex(TTerm& term, QPainter& canvas)
{
    if (!StartMeasure(term, canvas, 2)) return;
    TTerm* base = term.Child(1);
    TTerm* subscript = term.Child(2);
    MeasureReduced(canvas, *subscript, term.FontSize);
    Measure(*base, canvas);
    const int s = subscript->Height;
    term.Width = base->Width + subscript->Width;
    term.Axis = base->Axis;
    term.Height = std::max(s + base->Height - s / 2, term.Axis + s);
}

void DrawIndex(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 2) return;
    TTerm* base = term.Child(1);
    Draw(*base, canvas, x, y);
    Draw(*term.Child(2), canvas, x + base->Width, y + term.Axis);
}

// ---- logarithm ----------------------------------------------------------------------
// "log", its base lowered to the word's lower edge, then the argument on the
// common axis.

const QString kLogWord = QStringLiteral("log");

void MeasureLog(TTerm& term, QPainter& canvas)
{
    if (!StartMeasure(term, canvas, 2)) return;
    TTerm* base = term.Child(1);
    TTerm* argument = term.Child(2);
    MeasureReduced(canvas, *base, term.FontSize);
    Measure(*argument, canvas);
    const QFontMetrics word(SizedFont(canvas, term.FontSize), canvas.device());
    const int h = word.height() / 2;
    const int p = std::max(h, argument->Axis);
    const int q = std::max(h, argument->Height - argument->Axis);
    term.Height = std::max(p + q, p + h + base->Height / 2);
    term.Width = word.horizontalAdvance(kLogWord) + base->Width + argument->Width;
    term.Axis = p;
}

void DrawLog(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 2) return;
    TTerm* base = term.Child(1);
    TTerm* argument = term.Child(2);
    QFont upright = canvas.font();
    upright.setItalic(false);
    canvas.setFont(upright);
    const QFontMetrics word(upright, canvas.device());
    const int wl = word.horizontalAdvance(kLogWord);
    const int h = word.height() / 2;
    canvas.drawText(QPoint(x, y + term.Axis - h + word.ascent()), kLogWord);
    Draw(*base, canvas, x + wl, y + term.Axis + h - base->Height / 2);
    Draw(*argument, canvas, x + wl + base->Width, y + term.Axis - argument->Axis);
}

// ---- integral -------------------------------------------------------------------------

void MeasureIntegral(TTerm& term, QPainter& canvas)
{
    if (!StartMeasure(term, canvas, 3)) return;
    TTerm* lower = term.Child(1);
    TTerm* upper = term.Child(2);
    TTerm* integrand = term.Child(3);
    MeasureReduced(canvas, *lower, term.FontSize);
    MeasureReduced(canvas, *upper, term.FontSize);
    Measure(*integrand, canvas);
    const int d = std::max({lower->Width, upper->Width, 6 * Unit(term)});
    term.Height = lower->Height + upper->Height + integrand->Height;
    term.Width = d + integrand->Width;
    term.Axis = upper->Height + integrand->Axis;
}

void DrawIntegral(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    if (term.Count() < 3) return;
    TTerm* lower = term.Child(1);
    TTerm* upper = term.Child(2);
    TTerm* integrand = term.Child(3);
    const int u = Unit(term), sign = 6 * u, hook = 3 * u;
    const int d = std::max({lower->Width, upper->Width, sign});
    Draw(*lower, canvas, x + (d - lower->Width) / 2, y + upper->Height + integrand->Height);
    Draw(*upper, canvas, x + (d - upper->Width) / 2, y);
    Draw(*integrand, canvas, x + d, y + upper->Height);
    const int xl = x + (d - sign) / 2, xr = x + (d + sign) / 2;
    const int yt = y + upper->Height, yb = yt + integrand->Height;
    // The sign is drawn a little bolder than the pen, as the glyph is in print.
    const QPen pen = canvas.pen();
    QPen bold = pen;
    bold.setWidthF(std::max(pen.widthF(), QFontMetrics(canvas.font(), canvas.device()).height() / 14.0));
    canvas.setPen(bold);
    Arc(canvas, QRect(xl, yt, xr - xl, sign), 0, 180);
    Arc(canvas, QRect(xl, yb - sign, xr - xl, sign), 180, 180);
    {
        const Smoothing smooth(canvas, true);
        canvas.drawLine(xl, yt + hook, xr, yb - hook);
    }
    canvas.setPen(pen);
}

// ---- system ---------------------------------------------------------------------------
// The equations one below the other right of a brace six units wide.

void MeasureSystem(TTerm& term, QPainter& canvas)
{
    term.FontSize = CanvasFontSize(canvas);
    int widest = 0;
    term.Height = 0;
    for (int k = 1; k <= term.Count(); ++k) {
        TTerm* equation = term.Child(k);
        Measure(*equation, canvas);
        widest = std::max(widest, equation->Width);
        term.Height += equation->Height;
    }
    term.Width = widest + 6 * Unit(term);
    term.Axis = term.Height / 2;
}

void DrawSystem(TTerm& term, QPainter& canvas, int x, int y)
{
    const DrawScope scope(term, canvas, x, y);
    const int u = Unit(term), width = 6 * u, half = 3 * u;
    int top = y;
    for (int k = 1; k <= term.Count(); ++k) {
        TTerm* equation = term.Child(k);
        Draw(*equation, canvas, x + width, top);
        top += equation->Height;
    }
    if (term.Height < 2 * width) return;
    const int m = term.Height / 2;
    const Smoothing smooth(canvas, true);
    const QPoint brace[] = {{x + width, y},        {x + half, y + half},          {x + half, y + m - half},
                            {x, y + m},            {x + half, y + m + half},      {x + half, y + term.Height - half},
                            {x + width, y + term.Height}};
    canvas.drawPolyline(brace, 7);
}

} // namespace

// ---- every kind ---------------------------------------------------------------------

void Measure(TTerm& term, QPainter& canvas)
{
    switch (term.Kind()) {
    case TermKind::Sequence: MeasureSequence(term, canvas); return;
    case TermKind::Text: MeasureTextRun(term, canvas); return;
    case TermKind::Fraction: MeasureFraction(term, canvas); return;
    case TermKind::Parentheses: MeasureParentheses(term, canvas); return;
    case TermKind::Modulus: MeasureModulus(term, canvas); return;
    case TermKind::Vector: MeasureVector(term, canvas); return;
    case TermKind::Root: MeasureRoot(term, canvas); return;
    case TermKind::Power: MeasurePower(term, canvas); return;
    case TermKind::Index: MeasureIndex(term, canvas); return;
    case TermKind::Log: MeasureLog(term, canvas); return;
    case TermKind::Integral: MeasureIntegral(term, canvas); return;
    case TermKind::System: MeasureSystem(term, canvas); return;
    }
}

void Draw(TTerm& term, QPainter& canvas, int x, int y)
{
    switch (term.Kind()) {
    case TermKind::Sequence: DrawSequence(term, canvas, x, y); return;
    case TermKind::Text: DrawTextRun(term, canvas, x, y); return;
    case TermKind::Fraction: DrawFraction(term, canvas, x, y); return;
    case TermKind::Parentheses: DrawParentheses(term, canvas, x, y); return;
    case TermKind::Modulus: DrawModulus(term, canvas, x, y); return;
    case TermKind::Vector: DrawVector(term, canvas, x, y); return;
    case TermKind::Root: DrawRoot(term, canvas, x, y); return;
    case TermKind::Power: DrawPower(term, canvas, x, y); return;
    case TermKind::Index: DrawIndex(term, canvas, x, y); return;
    case TermKind::Log: DrawLog(term, canvas, x, y); return;
    case TermKind::Integral: DrawIntegral(term, canvas, x, y); return;
    case TermKind::System: DrawSystem(term, canvas, x, y); return;
    }
}

// Only sequences and text runs hold the caret.
void DrawCaret(const TTerm& term, QPainter& canvas)
{
    if (term.Kind() == TermKind::Sequence) DrawCaretSequence(term, canvas);
    else if (term.Kind() == TermKind::Text) DrawCaretTextRun(term, canvas);
}

// ---- the formula with its prefix and suffix ------------------------------------------

void Measure(TFormula& formula, QPainter& canvas, int& width, int& height)
{
    TTerm& root = *formula.Root();
    Measure(root, canvas);
    Measure(*formula.Prefix(), canvas);
    Measure(*formula.Suffix(), canvas);
    width = root.Width;
    if (!formula.PrefixText().isEmpty()) width += formula.Prefix()->Width;
    if (!formula.SuffixText().isEmpty()) width += formula.Suffix()->Width;
    height = root.Height;
}

void Draw(TFormula& formula, QPainter& canvas, int x, int y)
{
    int width = 0, height = 0;
    Measure(formula, canvas, width, height);
    TTerm& root = *formula.Root();
    TTerm& prefix = *formula.Prefix();
    TTerm& suffix = *formula.Suffix();
    if (!formula.PrefixText().isEmpty()) {
        Draw(prefix, canvas, x, y + root.Axis - prefix.Axis);
        x += prefix.Width;
    }
    Draw(root, canvas, x, y);
    if (!formula.SuffixText().isEmpty()) Draw(suffix, canvas, x + root.Width, y + root.Axis - suffix.Axis);
}

void DrawCaret(const TFormula& formula, QPainter& canvas)
{
    if (formula.Current()) DrawCaret(*formula.Current(), canvas);
}

} // namespace formulas
