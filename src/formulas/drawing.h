#pragma once
#include <QFont>
#include <QPainter>
#include <QString>
#include <vector>

// Layout of formulas on a canvas: font sizes in points, the reduced size of
// exponents, subscripts, degrees and limits, and the glyphs of text runs.
// The Measure/Draw/DrawCaret bodies of the terms live in drawing.cpp; these
// helpers are shared with the formula editor (hit-testing a text run) and
// with the formula pictures.
namespace formulas {

class TSimpleTerm;

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
std::vector<int> TextRunAdvances(QPainter& canvas, const TSimpleTerm& run);

} // namespace formulas
