#pragma once
#include "base/colours.h"
#include "formulas/formula.h"
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

// The objects of the number line: points whose coordinate is a formula, and
// segments and rays built on them. These classes belong to this engine alone.
namespace numberline {

class LineView;

// The formula parameters a ... z.
inline constexpr int kParameterCount = 26;
using Parameters = std::array<long double, kParameterCount>;
// The index of a parameter letter, or nullopt for anything else.
std::optional<int> ParameterIndex(QStringView name);

// A point more than this many pixels from its exact value is off it.
inline constexpr double kOffValuePixels = 2;

class TFigure;

class TPoint {
public:
    // A point whose coordinate is the formula's value for parameters.
    TPoint(const QString& formulaText, const Parameters& parameters);

    double X = 0;
    double Y = 0;
    bool Included = true;
    bool Visible = true;
    // The figure last built on the point, if any.
    TFigure* Figure = nullptr;

    const QString& Name() const { return m_name; }
    // Line breaks become blanks: a name is one line of the lab file.
    void SetName(const QString& name);

    formulas::TFormula& Formula() { return *m_formula; }
    const formulas::TFormula& Formula() const { return *m_formula; }
    const QString& FormulaText() const { return m_formula->Text(); }
    // The formula was edited in place: it takes the parameters again and its
    // value becomes the exact value the verdict refers to. The point stays
    // where it is.
    void FormulaEdited(const Parameters& parameters);
    // The formula's value when the point was made or its parameters last
    // changed; none when the formula had no value then.
    const std::optional<double>& Exact() const { return m_exact; }
    bool UsesParameter(QStringView name) const;
    // Takes the parameter's value; when the formula then has a value the
    // point moves to it along the line (its lift stays). True when it did.
    bool ChangeParameter(QStringView name, long double value);
    // Back on the line at its exact value (the magic wand); false without one.
    bool PutAtExact();
    // Whether the point can be drawn: a point without a value has no place.
    bool Placed() const { return m_exact.has_value(); }
    // Within kOffValuePixels of its value along the line at this scale; a
    // point lifted above its value still stands at it (interval drawings).
    bool AtExactValue(double scale) const;

private:
    std::optional<double> Evaluate();
    void TakeParameters(const Parameters& parameters);

    std::unique_ptr<formulas::TFormula> m_formula;
    std::optional<double> m_exact;
    QString m_name;
};

enum class FigureKind { Segment, Ray };

class TFigure {
public:
    virtual ~TFigure() = default;
    virtual FigureKind Kind() const = 0;
    // The distance in pixels from a pixel to the figure as view draws it.
    virtual double DistanceTo(const LineView& view, double column, double row) const = 0;
    // Moves every point of the figure by a number of pixels along the line.
    void ShiftBy(const LineView& view, double pixels);

    base::Bgr Color = base::colour::kBlack;
    bool Visible = true;

protected:
    virtual std::vector<TPoint*> DefiningPoints() const = 0;
};

class TSegment : public TFigure {
public:
    TSegment(TPoint& p1, TPoint& p2) : P1(&p1), P2(&p2) {}
    FigureKind Kind() const override { return FigureKind::Segment; }
    double DistanceTo(const LineView& view, double column, double row) const override;
    TPoint* P1;
    TPoint* P2;

protected:
    std::vector<TPoint*> DefiningPoints() const override { return {P1, P2}; }
};

class TLuch : public TFigure {
public:
    TLuch(TPoint& origin, bool toRight) : P1(&origin), ToRight(toRight) {}
    FigureKind Kind() const override { return FigureKind::Ray; }
    double DistanceTo(const LineView& view, double column, double row) const override;
    TPoint* P1;
    bool ToRight;

protected:
    std::vector<TPoint*> DefiningPoints() const override { return {P1}; }
};

// The points and figures in creation order, the parameters, and how the unit
// segment is divided. Erased objects stay (hidden) and keep their place.
class NumberLineScene {
public:
    static constexpr int kMaxParts = 999;

    NumberLineScene() { m_parameters.fill(1); }

    TPoint& AddPoint(const QString& formulaText);
    TSegment& AddSegment(TPoint& p1, TPoint& p2, base::Bgr colour);
    TLuch& AddRay(TPoint& origin, bool toRight, base::Bgr colour);
    // Removes every object; every parameter becomes 1.
    void Clear();

    const std::vector<std::unique_ptr<TPoint>>& Points() const { return m_points; }
    const std::vector<std::unique_ptr<TFigure>>& Figures() const { return m_figures; }
    int PointIndex(const TPoint* point) const;

    const Parameters& Params() const { return m_parameters; }
    long double Parameter(int index) const { return m_parameters[size_t(index)]; }
    // Sets a parameter and moves every point that uses it to its new value;
    // false for a name that is not a parameter letter or a value that is not finite.
    bool SetParameter(QStringView name, long double value);

    int Parts() const { return m_parts; }
    // Kept within 1 ... kMaxParts.
    void SetParts(int parts);
    bool ShowDivisions = true;
    bool DecimalLabels = false;

private:
    std::vector<std::unique_ptr<TPoint>> m_points;
    std::vector<std::unique_ptr<TFigure>> m_figures;
    Parameters m_parameters;
    int m_parts = 1;
};

} // namespace numberline
