// Measuring and drawing of the term tree. Measure works bottom-up and gives
// every term its Width, Height and Axis (the middle line, from its top, on
// which neighbours are aligned); Draw places the terms top-down. Every term
// records its font size when measured and draws at that size, so a drawing
// does not depend on what the canvas font was left at.
#include "formulas/drawing.h"
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
    argument.Measure(canvas);
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

std::vector<int> TextRunAdvances(QPainter& canvas, const TSimpleTerm& run)
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
    contents->Measure(canvas);
    term.Width = contents->Width + extraWidth * Unit(term);
    term.Height = contents->Height + extraHeight * Unit(term);
    term.Axis = contents->Axis + extraHeight * Unit(term);
}

} // namespace

// ---- sequence ---------------------------------------------------------------------

// Elements are aligned on their axes. The box reaches from the highest part
// above the common axis to the lowest part below it, so that an element with
// a small axis but a deep lower part (a fraction with a tall denominator
// beside one with a tall numerator) still lies inside it.
void TSostTerm::Measure(QPainter& canvas)
{
    FontSize = CanvasFontSize(canvas);
    if (Count() == 0) {
        Height = QFontMetrics(SizedFont(canvas, FontSize), canvas.device()).height();
        Width = Axis = Height / 2;
        return;
    }
    Width = 0;
    Axis = 0;
    int below = 0;
    for (int k = 1; k <= Count(); ++k) {
        TTerm* element = Child(k);
        element->Measure(canvas);
        Width += element->Width;
        Axis = std::max(Axis, element->Axis);
        below = std::max(below, element->Height - element->Axis);
    }
    Height = Axis + below;
}

void TSostTerm::Draw(QPainter& canvas, int x, int y)
{
    Left = x;
    Top = y;
    if (Count() == 0) {
        if (Owner && Owner->Editing()) {
            // The place-holder of an empty place while the formula is edited.
            const int cx = x + Width / 2, cy = y + Height / 2;
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
    for (int k = 1; k <= Count(); ++k) {
        TTerm* element = Child(k);
        element->Draw(canvas, left, y + Axis - element->Axis);
        left += element->Width;
    }
}

void TSostTerm::DrawCaret(QPainter& canvas)
{
    if (Caret < 1 || Caret % 2 == 0) return;
    const int before = std::min((Caret - 1) / 2, Count());
    int x = Left;
    for (int k = 1; k <= before; ++k) x += Child(k)->Width;
    DrawCaretLines(canvas, x, Top, Height, Left - 2, Left + Width + 2);
}

// ---- text run ---------------------------------------------------------------------

// Every byte is measured and drawn on its own; letters are italic, the
// symbols come from the same face (or its fallback) as Unicode characters.
void TSimpleTerm::Measure(QPainter& canvas)
{
    FontSize = CanvasFontSize(canvas);
    FontKeeper keep(canvas);
    SetCanvasFontSize(canvas, FontSize);
    const RunFonts fonts(canvas);
    if (IsBlankText(Data)) {
        Height = fonts.Upright().height();
        Width = Axis = Height / 2;
        return;
    }
    const std::vector<Glyph> glyphs = PlanText(Data);
    Width = 0;
    for (const Glyph& glyph : glyphs) Width += fonts.Advance(glyph);
    Height = fonts.MetricsOf(glyphs.back().kind).height();
    Axis = Height / 2;
}

void TSimpleTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    const RunFonts fonts(canvas);
    const int baseline = y + fonts.Upright().ascent();
    const int plusHeight = fonts.Upright().height();
    const int inset = Unit(*this);
    int x0 = x;
    for (const Glyph& glyph : PlanText(Data)) {
        const int w = fonts.Advance(glyph);
        const int cx = x0 + w / 2;
        switch (glyph.kind) {
        case GlyphKind::Dot:
            DrawDot(canvas, cx, y + Height / 2, plusHeight);
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

void TSimpleTerm::DrawCaret(QPainter& canvas)
{
    if (Caret < 1) return;
    const std::vector<int> advances = TextRunAdvances(canvas, *this);
    const int before = std::min<int>(Caret - 1, int(advances.size()));
    int x = Left;
    for (int i = 0; i < before; ++i) x += advances[size_t(i)];
    DrawCaretLines(canvas, x, Top, Height, Left, Left + Width);
}

// ---- fraction ---------------------------------------------------------------------

void TDrobTerm::Measure(QPainter& canvas)
{
    if (!StartMeasure(*this, canvas, 2)) return;
    TTerm* numerator = Child(1);
    TTerm* denominator = Child(2);
    numerator->Measure(canvas);
    denominator->Measure(canvas);
    const int u = Unit(*this);
    Width = std::max(numerator->Width, denominator->Width) + 4 * u;
    // The denominator starts one unit below the bar; beyond one pixel that
    // gap is added to the box.
    Height = numerator->Height + denominator->Height + u - 1;
    Axis = numerator->Height;
}

void TDrobTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 2) return;
    TTerm* numerator = Child(1);
    TTerm* denominator = Child(2);
    const int u = Unit(*this);
    numerator->Draw(canvas, x + Width / 2 - numerator->Width / 2, y);
    Line(canvas, x + 2 * u, y + Axis, x + Width - 2 * u, y + Axis);
    denominator->Draw(canvas, x + Width / 2 - denominator->Width / 2, y + Axis + u);
}

// ---- parentheses, absolute value, vector -----------------------------------------

void TSkobTerm::Measure(QPainter& canvas)
{
    if (StartMeasure(*this, canvas, 1)) MeasureEnclosed(*this, canvas, 10, 0);
}

void TSkobTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 1) return;
    const int u = Unit(*this);
    Child(1)->Draw(canvas, x + 5 * u, y);
    Arc(canvas, QRect(x, y, 10 * u, Height), 90, 180);
    Arc(canvas, QRect(x + Width - 10 * u, y, 10 * u, Height), 270, 180);
}

void TModulTerm::Measure(QPainter& canvas)
{
    if (StartMeasure(*this, canvas, 1)) MeasureEnclosed(*this, canvas, 6, 0);
}

void TModulTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 1) return;
    const int u = Unit(*this);
    Child(1)->Draw(canvas, x + 3 * u, y);
    Line(canvas, x + u, y, x + u, y + Height);
    Line(canvas, x + Width - 2 * u, y, x + Width - 2 * u, y + Height);
}

void TVectorTerm::Measure(QPainter& canvas)
{
    if (StartMeasure(*this, canvas, 1)) MeasureEnclosed(*this, canvas, 0, 1);
}

void TVectorTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 1) return;
    Child(1)->Draw(canvas, x, y + Unit(*this));
    Line(canvas, x, y, x + Width, y);
}

// ---- root ---------------------------------------------------------------------------
// The degree rests on the tick of the radical; a degree taller than the part
// of the sign below it raises the sign and the radicand, so that it never
// sticks out of the term's box.

namespace {

int RootDegreeLift(const TTerm& degree, const TTerm& radicand, int u)
{
    const int tick = radicand.Height / 2;
    return std::max(0, degree.Height - (radicand.Height + 2 * u - tick));
}

} // namespace

void TSqrtTerm::Measure(QPainter& canvas)
{
    if (!StartMeasure(*this, canvas, 2)) return;
    TTerm* degree = Child(1);
    TTerm* radicand = Child(2);
    MeasureReduced(canvas, *degree, FontSize);
    radicand->Measure(canvas);
    const int u = Unit(*this);
    const int lift = RootDegreeLift(*degree, *radicand, u);
    Width = degree->Width + radicand->Width + 10 * u;
    Height = radicand->Height + 2 * u + lift;
    Axis = radicand->Axis + 2 * u + lift;
}

void TSqrtTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 2) return;
    TTerm* degree = Child(1);
    TTerm* radicand = Child(2);
    const int u = Unit(*this);
    const int r = radicand->Height / 2;
    const int d = degree->Width;
    const int top = y + RootDegreeLift(*degree, *radicand, u);
    const int bottom = y + Height;
    {
        const Smoothing smooth(canvas, true);
        const QPoint sign[] = {{x + 4 * u, bottom - r},     {x + d + 2 * u, bottom - r}, {x + d + 4 * u, bottom - 2 * u},
                               {x + d + 6 * u, top},        {x + Width - u, top},        {x + Width - u, top + u}};
        canvas.drawPolyline(sign, 6);
    }
    degree->Draw(canvas, x + u, bottom - r - degree->Height);
    radicand->Draw(canvas, x + d + 9 * u, top + 2 * u);
}

// ---- power and subscript ------------------------------------------------------------
// The exponent sits half its height above the base, the subscript starts at
// the base's middle; both keep the base's axis.

void TPowerTerm::Measure(QPainter& canvas)
{
    if (!StartMeasure(*this, canvas, 2)) return;
    TTerm* base = Child(1);
    TTerm* exponent = Child(2);
    MeasureReduced(canvas, *exponent, FontSize);
    base->Measure(canvas);
    const int e = exponent->Height;
    Width = base->Width + exponent->Width;
    Height = e + base->Height - e / 2;
    Axis = e - e / 2 + base->Axis;
}

void TPowerTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 2) return;
    TTerm* base = Child(1);
    base->Draw(canvas, x, y + Height - base->Height);
    Child(2)->Draw(canvas, x + base->Width, y);
}

void TIndexTerm::Measure(QPainter& canvas)
{
    if (!StartMeasure(*this, canvas, 2)) return;
    TTerm* base = Child(1);
    TTerm* subscript = Child(2);
    MeasureReduced(canvas, *subscript, FontSize);
    base->Measure(canvas);
    const int s = subscript->Height;
    Width = base->Width + subscript->Width;
    Axis = base->Axis;
    Height = std::max(s + base->Height - s / 2, Axis + s);
}

void TIndexTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 2) return;
    TTerm* base = Child(1);
    base->Draw(canvas, x, y);
    Child(2)->Draw(canvas, x + base->Width, y + Axis);
}

// ---- logarithm ----------------------------------------------------------------------
// "log", its base lowered to the word's lower edge, then the argument on the
// common axis.

namespace {

const QString kLogWord = QStringLiteral("log");

} // namespace

void TLogTerm::Measure(QPainter& canvas)
{
    if (!StartMeasure(*this, canvas, 2)) return;
    TTerm* base = Child(1);
    TTerm* argument = Child(2);
    MeasureReduced(canvas, *base, FontSize);
    argument->Measure(canvas);
    const QFontMetrics word(SizedFont(canvas, FontSize), canvas.device());
    const int h = word.height() / 2;
    const int p = std::max(h, argument->Axis);
    const int q = std::max(h, argument->Height - argument->Axis);
    Height = std::max(p + q, p + h + base->Height / 2);
    Width = word.horizontalAdvance(kLogWord) + base->Width + argument->Width;
    Axis = p;
}

void TLogTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 2) return;
    TTerm* base = Child(1);
    TTerm* argument = Child(2);
    QFont upright = canvas.font();
    upright.setItalic(false);
    canvas.setFont(upright);
    const QFontMetrics word(upright, canvas.device());
    const int wl = word.horizontalAdvance(kLogWord);
    const int h = word.height() / 2;
    canvas.drawText(QPoint(x, y + Axis - h + word.ascent()), kLogWord);
    base->Draw(canvas, x + wl, y + Axis + h - base->Height / 2);
    argument->Draw(canvas, x + wl + base->Width, y + Axis - argument->Axis);
}

// ---- integral -------------------------------------------------------------------------

void TIntegralTerm::Measure(QPainter& canvas)
{
    if (!StartMeasure(*this, canvas, 3)) return;
    TTerm* lower = Child(1);
    TTerm* upper = Child(2);
    TTerm* integrand = Child(3);
    MeasureReduced(canvas, *lower, FontSize);
    MeasureReduced(canvas, *upper, FontSize);
    integrand->Measure(canvas);
    const int d = std::max({lower->Width, upper->Width, 6 * Unit(*this)});
    Height = lower->Height + upper->Height + integrand->Height;
    Width = d + integrand->Width;
    Axis = upper->Height + integrand->Axis;
}

void TIntegralTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    if (Count() < 3) return;
    TTerm* lower = Child(1);
    TTerm* upper = Child(2);
    TTerm* integrand = Child(3);
    const int u = Unit(*this), sign = 6 * u, hook = 3 * u;
    const int d = std::max({lower->Width, upper->Width, sign});
    lower->Draw(canvas, x + (d - lower->Width) / 2, y + upper->Height + integrand->Height);
    upper->Draw(canvas, x + (d - upper->Width) / 2, y);
    integrand->Draw(canvas, x + d, y + upper->Height);
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

void TSystemTerm::Measure(QPainter& canvas)
{
    FontSize = CanvasFontSize(canvas);
    int widest = 0;
    Height = 0;
    for (int k = 1; k <= Count(); ++k) {
        TTerm* equation = Child(k);
        equation->Measure(canvas);
        widest = std::max(widest, equation->Width);
        Height += equation->Height;
    }
    Width = widest + 6 * Unit(*this);
    Axis = Height / 2;
}

void TSystemTerm::Draw(QPainter& canvas, int x, int y)
{
    const DrawScope scope(*this, canvas, x, y);
    const int u = Unit(*this), width = 6 * u, half = 3 * u;
    int top = y;
    for (int k = 1; k <= Count(); ++k) {
        TTerm* equation = Child(k);
        equation->Draw(canvas, x + width, top);
        top += equation->Height;
    }
    if (Height < 2 * width) return;
    const int m = Height / 2;
    const Smoothing smooth(canvas, true);
    const QPoint brace[] = {{x + width, y},        {x + half, y + half},          {x + half, y + m - half},
                            {x, y + m},            {x + half, y + m + half},      {x + half, y + Height - half},
                            {x + width, y + Height}};
    canvas.drawPolyline(brace, 7);
}

} // namespace formulas
