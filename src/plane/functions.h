#pragma once
#include "base/colours.h"
#include "formulas/formula.h"
#include "plane/interpolation.h"
#include "plane/planeview.h"
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

// The algebraic objects of the plane: graphs y = f(x) given by a formula, by
// points, by polynomial coefficients or derived from another graph, and
// equations F(x, y) = 0, with their relation ("=", "<", ">"), colour and
// formula for display. In memory a value is a finite number or nothing; the
// number 9797 stands for "nothing" only where values leave the engine.
namespace plane {

class PlaneScene;

using FunctionValue = std::optional<double>;

// The no-value marker of the file format and of the region shading.
constexpr double kNoValueMarker = 9797;
double ValueOrMarker(FunctionValue value);

// A domain end at this distance from 0 means "no restriction"; ends beyond
// it are brought back to it.
constexpr double kUnrestricted = 2147483647;
double ClampDomainEnd(double end);
bool IsUnrestricted(double end);

// Parameters are the letters "a" … "z"; a letter's slot among the scene's
// parameters, and the pupil's message for a name that is no parameter.
bool IsParameterName(QStringView name);
int ParameterSlot(QChar letter);
QString NotAParameterText(const QString& name);

// A new formula object is compiled at once, or later together with others in
// one build of the compiler (a scene being read).
enum class Compilation { Now, Later };

enum class AlgebraKind {
    FunctionFormula,
    FunctionArrayLine,
    FunctionArrayPolynom,
    FunctionArrayMNK,
    FunctionKoeffPolynom,
    Derivative,
    Equation,
};

// "TFunctionFormula:" and the other record tags.
QString AlgebraTag(AlgebraKind kind);
bool IsFunction(AlgebraKind kind);

// How a derived graph comes from its source; the numbers are those of files.
enum class DerivedType : uint8_t {
    ShiftY = 0,      // f(x) + a
    ShiftX = 1,      // f(x − a)
    StretchY = 2,    // k·f(x)
    StretchX = 3,    // f(k·x)
    ReflectY = 4,    // f(−x)
    ReflectX = 5,    // −f(x)
    AbsValue = 6,    // |f(x)|
    AbsArgument = 7, // f(|x|)
    Derivative = 8,  // (f(x + h) − f(x − h)) / 2h
};
constexpr int kDerivedTypeCount = 9;
// The caption of the transformation's menu item.
QString DerivedTypeCaption(DerivedType type);

class TAlgebra {
public:
    static constexpr QChar kEqual = u'=';
    static constexpr QChar kLess = u'<';
    static constexpr QChar kGreater = u'>';

    virtual ~TAlgebra();
    TAlgebra(const TAlgebra&) = delete;
    TAlgebra& operator=(const TAlgebra&) = delete;

    virtual AlgebraKind Kind() const = 0;

    QChar Relation() const { return m_relation; }
    // False (nothing changes) for a character other than "=", "<", ">".
    bool SetRelation(QChar relation);

    base::Bgr Color = base::colour::kBlack;

    // The formula shown in the function list; graphs without a formula of
    // their own show a display text here.
    formulas::TFormula& Formula() const { return *m_formula; }
    // Whether the object can be evaluated at all; one that cannot is not
    // drawn and the list shows Problem() in its place.
    virtual bool Valid() const { return Problem().isEmpty(); }
    virtual QString Problem() const { return {}; }

    // The one-letter parameters the object's formula reads, in formula order
    // (not "x", and not "y" for equations); empty for graphs without a formula.
    virtual QStringList Parameters() const { return {}; }
    // Gives the parameter its value when the object reads it.
    bool SetParameter(QChar letter, double value);

    // Grows with every change of the object (not of its sources).
    uint64_t Revision() const { return m_revision; }

protected:
    explicit TAlgebra(base::Bgr colour);
    void Touch() { ++m_revision; }
    virtual void RelationChanged() = 0;

private:
    QChar m_relation = kEqual;
    std::unique_ptr<formulas::TFormula> m_formula;
    uint64_t m_revision = 0;
};

// The graph of a function on a view: the polylines to draw, in pixels.
struct GraphLines {
    std::vector<QPolygon> Pieces;
};

class TFunction : public TAlgebra {
public:
    // The value at x, or nothing.
    virtual FunctionValue Value(double x) = 0;

    double XMin() const { return m_xMin; }
    double XMax() const { return m_xMax; }
    // The graph is drawn over [xMin, xMax]; ends beyond ±kUnrestricted are
    // brought back. False (nothing changes) for an end that is not finite.
    bool SetDomain(double xMin, double xMax);

    // The graph this one is derived from, or nullptr.
    virtual TFunction* Source() const { return nullptr; }
    // Grows with every change of this graph or of a graph it is derived from.
    uint64_t ChainRevision() const;

    // The sampled graph for a view; sampled again only when the view or the
    // graph (its chain included) changed since the last call.
    const GraphLines& Graph(const PlaneView& view);

protected:
    explicit TFunction(base::Bgr colour);
    void RelationChanged() override;

private:
    struct CacheKey {
        uint64_t Revision = 0;
        double Scale = 0, CenterX = 0, CenterY = 0;
        int Width = -1, Height = -1;
        friend bool operator==(const CacheKey&, const CacheKey&) = default;
    };
    double m_xMin = -kUnrestricted;
    double m_xMax = kUnrestricted;
    std::optional<CacheKey> m_cacheKey;
    GraphLines m_cache;
};

// Samples f once per pixel column of its domain on the view. A piece ends
// where f has no value, and where the graph jumps: a step of more than
// kMaxJoinedJump pixel rows is joined only when the graph keeps its direction
// through it (the step before, or at the start of a piece the step after,
// goes the same way), so that no line is drawn across an asymptote.
constexpr int kMaxJoinedJump = 100;
GraphLines SampleGraph(TFunction& f, const PlaneView& view);

// y = formula in x and one-letter parameters.
class TFunctionFormula : public TFunction {
public:
    // The formula from its bracket text; the parameters take the scene's
    // values, the formula is compiled when the run has a compiler.
    TFunctionFormula(const QString& text, const PlaneScene& params, base::Bgr colour,
                     Compilation compilation = Compilation::Now);
    AlgebraKind Kind() const override { return AlgebraKind::FunctionFormula; }
    FunctionValue Value(double x) override;
    QString Problem() const override { return m_problem; }
    QStringList Parameters() const override;
    // After an edit of the formula in place (TFormula::AcceptTree): checked,
    // parameters from the scene again.
    void FormulaEdited(const PlaneScene& params, Compilation compilation = Compilation::Now);

private:
    QString m_problem;
};

// A graph through points kept sorted by x.
class TFunctionArray : public TFunction {
public:
    // Enough for any set of points a pupil enters; more is refused.
    static constexpr int kMaxSamples = 5000;

    const std::vector<Sample>& Samples() const { return m_samples; }
    // Inserts after every point with x not greater; the domain becomes
    // [first x, last x]. False for a coordinate that is not finite or a
    // graph already holding kMaxSamples points.
    bool AddPoint(double x, double y);
    QString Problem() const override;

protected:
    explicit TFunctionArray(base::Bgr colour);
    virtual FitProblem Fit() const = 0;
    // Called when the points changed.
    virtual void SamplesChanged() {}

private:
    std::vector<Sample> m_samples;
};

// The broken line through the points, constant beyond the first and last.
class TFunctionArrayLine : public TFunctionArray {
public:
    explicit TFunctionArrayLine(base::Bgr colour) : TFunctionArray(colour) {}
    AlgebraKind Kind() const override { return AlgebraKind::FunctionArrayLine; }
    FunctionValue Value(double x) override { return BrokenLineValue(Samples(), x); }

protected:
    FitProblem Fit() const override;
};

// The interpolation polynomial through all points. Its weights are made
// at the first value after the points changed, not at every added point.
class TFunctionArrayPolynom : public TFunctionArray {
public:
    explicit TFunctionArrayPolynom(base::Bgr colour) : TFunctionArray(colour) {}
    AlgebraKind Kind() const override { return AlgebraKind::FunctionArrayPolynom; }
    FunctionValue Value(double x) override { return Polynomial().Value(x); }

protected:
    FitProblem Fit() const override { return Polynomial().Problem(); }
    void SamplesChanged() override { m_polynomial.reset(); }

private:
    const InterpolationPolynomial& Polynomial() const;
    mutable std::optional<InterpolationPolynomial> m_polynomial;
};

// The least-squares straight line of the points, fitted at the first value
// after the points changed.
class TFunctionArrayMNK : public TFunctionArray {
public:
    explicit TFunctionArrayMNK(base::Bgr colour) : TFunctionArray(colour) {}
    AlgebraKind Kind() const override { return AlgebraKind::FunctionArrayMNK; }
    FunctionValue Value(double x) override;

protected:
    FitProblem Fit() const override { return Line().Problem; }
    void SamplesChanged() override { m_line.reset(); }

private:
    const PolynomialFit& Line() const;
    mutable std::optional<PolynomialFit> m_line;
};

// y = a0 + a1·x + a2·x² + …
class TFunctionKoeffPolynom : public TFunction {
public:
    static constexpr int kMaxCoefficients = 1000;
    explicit TFunctionKoeffPolynom(base::Bgr colour);
    AlgebraKind Kind() const override { return AlgebraKind::FunctionKoeffPolynom; }
    FunctionValue Value(double x) override { return PolynomialValue(m_coefficients, x); }
    const std::vector<double>& Coefficients() const { return m_coefficients; }
    // False (nothing changes) for a value that is not finite or more than
    // kMaxCoefficients values.
    bool SetCoefficients(std::vector<double> coefficients);

private:
    std::vector<double> m_coefficients;
};

// A graph derived from another; it follows its source. Its domain is made
// from the source's when it is created.
class TDerivative : public TFunction {
public:
    // The central difference step of the derivative.
    static constexpr double kStep = 0.001;
    // A chain of derivatives doubles the points at which the first plain
    // graph is evaluated; beyond this many (eight derivatives in a row, where
    // the central differences are rounding noise already) there is no value.
    static constexpr size_t kMaxSourceEvaluations = 256;

    // param is a (shifts) or k (stretches); it must be finite.
    TDerivative(TFunction& source, DerivedType type, double param, base::Bgr colour);
    AlgebraKind Kind() const override { return AlgebraKind::Derivative; }
    FunctionValue Value(double x) override;
    TFunction* Source() const override { return m_source; }
    DerivedType Type() const { return m_type; }
    double Param() const { return m_param; }
    QString Problem() const override;

private:
    void SourceArguments(double x, std::vector<double>& out) const;
    FunctionValue Combine(const FunctionValue* values) const;
    int ArgumentCount() const { return m_type == DerivedType::Derivative ? 2 : 1; }

    TFunction* m_source;
    DerivedType m_type;
    double m_param;
};

// F(x, y) ⋈ 0.
class TEquation : public TAlgebra {
public:
    TEquation(const QString& text, const PlaneScene& params, base::Bgr colour,
              Compilation compilation = Compilation::Now);
    AlgebraKind Kind() const override { return AlgebraKind::Equation; }
    FunctionValue Value(double x, double y);
    // The values along the row of points (xs[i], y), one formula call for
    // the whole row (compiled code runs once); out[i] is NaN where Value
    // has nothing. out must be as long as xs.
    void ValuesAlongRow(double y, std::span<const double> xs, std::span<double> out);
    QString Problem() const override { return m_problem; }
    QStringList Parameters() const override;
    void FormulaEdited(const PlaneScene& params, Compilation compilation = Compilation::Now);

protected:
    void RelationChanged() override;

private:
    QString m_problem;
};

// Freehand drawing: while the mouse moves right, a point is added when its
// x exceeds the last point's by more than kFreehandStep; moving left adds
// nothing. True when the point was added.
constexpr double kFreehandStep = 0.2;
bool AddFreehandPoint(TFunctionArray& line, double x, double y);

} // namespace plane
