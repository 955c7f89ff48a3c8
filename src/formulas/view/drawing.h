#pragma once
#include <QFont>
#include <QPainter>
#include <QString>
#include <vector>

// Formulas on a canvas: measuring and drawing the term tree, the caret, and
// clicks on what was drawn; with them the font sizes in points, the reduced
// size of exponents, subscripts, degrees and limits, and the glyphs of text
// runs, which the formula editor and the formula pictures share.
namespace formulas {

class TFormula;
class TTerm;

// Measure gives a term and everything below it Width, Height and Axis and
// records FontSize, at the canvas font's size; Draw paints it with its top
// left at (x, y) and records Left and Top. Measure comes first, on the same
// canvas with the same starting font.
void Measure(TTerm& term, QPainter& canvas);
void Draw(TTerm& term, QPainter& canvas, int x, int y);
// The blue caret of a sequence or a text run where it was last drawn; other
// terms never hold the caret and draw nothing.
void DrawCaret(const TTerm& term, QPainter& canvas);

// The formula as a whole. Measure gives the width of the root with the
// prefix and suffix beside it and the root's height; Draw measures and
// paints the three with the prefix and suffix on the root's axis; DrawCaret
// draws the caret of the Current term.
void Measure(TFormula& formula, QPainter& canvas, int& width, int& height);
void Draw(TFormula& formula, QPainter& canvas, int x, int y);
void DrawCaret(const TFormula& formula, QPainter& canvas);

// Puts the caret of a formula being edited where a point of its last
// drawing lies (clicking.cpp): into the term whose box holds the point,
// otherwise at the nearest place. canvas is the one the formula was drawn
// on, for the widths of characters.
void ClickAt(TFormula& formula, int x, int y, QPainter& canvas);

// The face of formulas; fontconfig gives its metric twin (Liberation Serif).
inline const QString kFormulaFontFamily = QStringLiteral("Times New Roman");

// Exponents, subscripts, degrees, logarithm bases and integral limits are
// this many points smaller than their term, but never below kMinFontSize, so
// that deep nesting stays legible and never reaches a zero or negative size.
inline constexpr int kSizeReduction = 3;
inline constexpr int kMinFontSize = 6;

// The caret is blue.
inline constexpr QRgb kCaretColour = 0xFF0000FF;

// The reduced size of a term of the given size (a size already below the
// bound is kept, never raised).
int ReducedFontSize(int points);

// The canvas font's size in points (a font set in pixels is converted with
// the device's resolution) and a change of that size alone. Terms measure and
// draw with the canvas font set to their recorded size in points, so that a
// canvas font given in pixels measures exactly as it is drawn.
int CanvasFontSize(const QPainter& canvas);
QFont SizedFont(const QPainter& canvas, int points);
void SetCanvasFontSize(QPainter& canvas, int points);

// The formula font at a size: regular "Times New Roman".
QFont FormulaFont(int points);

// Restores the canvas font on leaving a scope.
class FontKeeper {
public:
    explicit FontKeeper(QPainter& canvas) : m_canvas(canvas), m_font(canvas.font()) {}
    ~FontKeeper() { m_canvas.setFont(m_font); }
    FontKeeper(const FontKeeper&) = delete;
    FontKeeper& operator=(const FontKeeper&) = delete;

private:
    QPainter& m_canvas;
    QFont m_font;
};

// How one byte of a text run is shown.
enum class GlyphKind : uint8_t {
    Upright,  // the base face, upright
    Italic,   // a Latin letter or the number e outside a reserved word
    Symbol,   // ∈ π ≥ ≤ ≠ ∞ Δ → ≈
    Dot,      // "*": the multiplication dot
    Minus,    // "-": a line as wide as a plus sign
    Equals,   // "=": two lines
};

struct Glyph {
    QChar shown;  // the character drawn (symbols and brackets substituted)
    GlyphKind kind;
};

// The glyphs of a run's text. Letters inside the reserved words (sin, lg,
// arcctg, ...) are upright, every other Latin letter and the number e italic.
std::vector<Glyph> PlanText(const QString& text);

// The advance of every byte of a text run at the run's recorded font size on
// this canvas: the same widths that measure, draw and place the caret, so
// that a click or the caret meets the glyphs where they are drawn.
std::vector<int> TextRunAdvances(QPainter& canvas, const TTerm& run);

} // namespace formulas
