#include "plane/functions.h"
#include "base/apperror.h"
#include "expr/expression.h"
#include "plane/scene.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace plane {
namespace {

const QString kArrayDisplayText = QStringLiteral("[...]");
// A domain whose left end lies right of its right end: nothing is drawn.
constexpr std::pair<double, double> kEmptyDomain{1, -1};

FunctionValue Finite(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// An end moved by a transformation stays unrestricted when it was.
double MovedEnd(double end, double moved) { return IsUnrestricted(end) ? end : ClampDomainEnd(moved); }

// The formula's variables other than the coordinates, in formula order.
QStringList FormulaParameters(const formulas::TFormula& formula, int coordinates)
{
    const QStringList& variables = formula.Variables();
    return variables.mid(std::min<qsizetype>(coordinates, variables.size()));
}

// Why a formula cannot be evaluated: its expression cannot be made or read,
// or it uses a name that is no one-letter parameter. Empty when it can.
QString FormulaProblem(const formulas::TFormula& formula, int coordinates)
{
    for (const QString& name : FormulaParameters(formula, coordinates))
        if (!IsParameterName(name)) return NotAParameterText(name);
    try {
        const auto parsed = expr::ParsedExpression::Read(formula.ExpressionText());
        if (parsed->Failed()) return parsed->Error().message();
    } catch (const base::AppError& error) {
        return error.message();
    }
    return {};
}

void LoadParameters(formulas::TFormula& formula, int coordinates, const PlaneScene& params)
{
    for (const QString& name : FormulaParameters(formula, coordinates))
        if (IsParameterName(name)) formula.SetValue(name, params.Param(ParameterSlot(name[0])));
}

// Compiling is an optimisation: a formula the compiler refuses (or an
// expression that cannot be made) is evaluated by the parser, which reports
// the problem at every evaluation.
void CompileQuietly(formulas::TFormula& formula)
{
    try {
        if (formula.Compiled()) formula.RecompileAfterEdit();
        else formula.Compile();
    } catch (const base::AppError&) {
    }
}

QString DerivedText(DerivedType type, const TFunction& source)
{
    switch (type) {
    case DerivedType::ShiftY: return QStringLiteral("[f(x)+a]");
    case DerivedType::ShiftX: return QStringLiteral("[f(x-a)]");
    case DerivedType::StretchY: return QStringLiteral("[k*f(x)]");
    case DerivedType::StretchX: return QStringLiteral("[f(k*x)]");
    case DerivedType::ReflectY: return QStringLiteral("[f(-x)]");
    case DerivedType::ReflectX: return QStringLiteral("[-f(x)]");
    case DerivedType::AbsValue: return QStringLiteral("[[modl[f(x)]]]");
    case DerivedType::AbsArgument: return QStringLiteral("[[f(][modl[x]][)]]");
    case DerivedType::Derivative: return QStringLiteral("[(]") + source.Formula().Text() + QStringLiteral("[)'") + u']';
    }
    return {};
}

// The domain of a derived graph from its source's.
std::pair<double, double> DerivedDomain(DerivedType type, double param, double lo, double hi)
{
    switch (type) {
    case DerivedType::ShiftX: return {MovedEnd(lo, lo + param), MovedEnd(hi, hi + param)};
    case DerivedType::StretchX:
        // f(k·x) with k = 0 is the constant f(0); a negative k turns the ends round.
        if (param == 0) return {-kUnrestricted, kUnrestricted};
        if (param > 0) return {MovedEnd(lo, lo / param), MovedEnd(hi, hi / param)};
        return {IsUnrestricted(hi) ? -kUnrestricted : ClampDomainEnd(hi / param),
                IsUnrestricted(lo) ? kUnrestricted : ClampDomainEnd(lo / param)};
    case DerivedType::ReflectY: return {-hi, -lo};
    // f(|x|) has values where |x| lies in the source's domain; drawn over
    // [−hi, hi], so that an unrestricted source gives an unrestricted graph.
    case DerivedType::AbsArgument:
        if (hi < 0) return kEmptyDomain;
        return {-hi, hi};
    default: return {lo, hi};
    }
}

} // namespace

double ValueOrMarker(FunctionValue value) { return value ? *value : kNoValueMarker; }

double ClampDomainEnd(double end) { return std::clamp(end, -kUnrestricted, kUnrestricted); }
bool IsUnrestricted(double end) { return std::abs(end) >= kUnrestricted; }

bool IsParameterName(QStringView name) { return name.size() == 1 && name[0] >= u'a' && name[0] <= u'z'; }
int ParameterSlot(QChar letter) { return letter.unicode() - u'a'; }

QString NotAParameterText(const QString& name)
{
    return QStringLiteral("«%1»: параметр обозначается одной латинской буквой").arg(name);
}

QString AlgebraTag(AlgebraKind kind)
{
    switch (kind) {
    case AlgebraKind::FunctionFormula: return QStringLiteral("TFunctionFormula:");
    case AlgebraKind::FunctionArrayLine: return QStringLiteral("TFunctionArrayLine:");
    case AlgebraKind::FunctionArrayPolynom: return QStringLiteral("TFunctionArrayPolynom:");
    case AlgebraKind::FunctionArrayMNK: return QStringLiteral("TFunctionArrayMNK:");
    case AlgebraKind::FunctionKoeffPolynom: return QStringLiteral("TFunctionKoeffPolynom:");
    case AlgebraKind::Derivative: return QStringLiteral("TDerivative:");
    case AlgebraKind::Equation: return QStringLiteral("TEquation:");
    }
    return {};
}

bool IsFunction(AlgebraKind kind) { return kind != AlgebraKind::Equation; }

QString DerivedTypeCaption(DerivedType type)
{
    switch (type) {
    case DerivedType::ShiftY: return QStringLiteral("Сдвиг вдоль Oy");
    case DerivedType::ShiftX: return QStringLiteral("Сдвиг вдоль Ox");
    case DerivedType::StretchY: return QStringLiteral("Растяжение по Oy");
    case DerivedType::StretchX: return QStringLiteral("Растяжение по Ox");
    case DerivedType::ReflectY: return QStringLiteral("Отражение относительно Oy");
    case DerivedType::ReflectX: return QStringLiteral("Отражение относительно Ox");
    case DerivedType::AbsValue: return QStringLiteral("|f(x)|");
    case DerivedType::AbsArgument: return QStringLiteral("f(|x|)");
    case DerivedType::Derivative: return QStringLiteral("Производная f ' (x)");
    }
    return {};
}

// --- TAlgebra -------------------------------------------------------------

TAlgebra::TAlgebra(base::Bgr colour) : Color(colour), m_formula(std::make_unique<formulas::TFormula>()) {}

TAlgebra::~TAlgebra() = default;

bool TAlgebra::SetRelation(QChar relation)
{
    if (relation != kEqual && relation != kLess && relation != kGreater) return false;
    m_relation = relation;
    RelationChanged();
    Touch();
    return true;
}

bool TAlgebra::SetParameter(QChar letter, double value)
{
    if (!Parameters().contains(QString(letter))) return false;
    m_formula->SetValue(QString(letter), value);
    Touch();
    return true;
}

// --- TFunction ------------------------------------------------------------

TFunction::TFunction(base::Bgr colour) : TAlgebra(colour) { Formula().SetPrefix(QStringLiteral("y = ")); }

void TFunction::RelationChanged() { Formula().SetPrefix(QStringLiteral("y ") + Relation() + u' '); }

bool TFunction::SetDomain(double xMin, double xMax)
{
    if (!std::isfinite(xMin) || !std::isfinite(xMax)) return false;
    m_xMin = ClampDomainEnd(xMin);
    m_xMax = ClampDomainEnd(xMax);
    Touch();
    return true;
}

uint64_t TFunction::ChainRevision() const
{
    uint64_t sum = 0;
    for (const TFunction* f = this; f; f = f->Source()) sum += f->Revision();
    return sum;
}

const GraphLines& TFunction::Graph(const PlaneView& view)
{
    const CacheKey key{ChainRevision(), view.Scale(), view.CenterX(), view.CenterY(), view.Width(), view.Height()};
    if (m_cacheKey != key) {
        m_cache = SampleGraph(*this, view);
        m_cacheKey = key;
    }
    return m_cache;
}

GraphLines SampleGraph(TFunction& f, const PlaneView& view)
{
    GraphLines lines;
    if (!f.Valid()) return lines;
    const int left = std::max(0, view.ToScreenX(f.XMin()));
    const int right = std::min(view.Width(), view.ToScreenX(f.XMax()));
    if (left > right) return lines;
    // One evaluation per column. Steps are measured in pixels from the values
    // themselves, not from the rows kept on the plane, so that the direction
    // of the graph is known even where it leaves the plane far up or down.
    std::vector<FunctionValue> values;
    values.reserve(size_t(right - left + 1));
    for (int column = left; column <= right; ++column) values.push_back(f.Value(view.ToWorldX(column)));
    auto stepInto = [&](size_t i) { return (*values[i - 1] - *values[i]) * view.Scale(); };
    auto sameDirection = [](double a, double b) { return (a >= 0 && b >= 0) || (a <= 0 && b <= 0); };
    auto small = [](double step) { return std::abs(step) <= kMaxJoinedJump; };

    QPolygon piece;
    bool joinedBefore = false;  // the step into the last point of the piece was drawn
    double lastStep = 0;
    auto endPiece = [&] {
        if (piece.size() >= 2) lines.Pieces.push_back(std::move(piece));
        piece = QPolygon();
        joinedBefore = false;
    };
    for (size_t i = 0; i < values.size(); ++i) {
        if (!values[i]) {
            endPiece();
            continue;
        }
        if (!piece.isEmpty()) {
            const double step = stepInto(i);
            // The step is compared with the one before it, or at the start of a
            // piece with the one after it: a graph may jump only where it keeps
            // its direction.
            bool haveNeighbour = joinedBefore;
            double neighbour = lastStep;
            if (!haveNeighbour && i + 1 < values.size() && values[i + 1]) {
                haveNeighbour = true;
                neighbour = stepInto(i + 1);
            }
            const bool joined = haveNeighbour ? sameDirection(neighbour, step) || (small(neighbour) && small(step))
                                              : small(step);
            if (joined) {
                lastStep = step;
                joinedBefore = true;
            } else {
                endPiece();
            }
        }
        piece.append(QPoint(left + int(i), view.ToScreenY(*values[i])));
    }
    endPiece();
    return lines;
}

// --- TFunctionFormula -----------------------------------------------------

TFunctionFormula::TFunctionFormula(const QString& text, const PlaneScene& params, base::Bgr colour,
                                   Compilation compilation)
    : TFunction(colour)
{
    Formula().SetText(text);
    FormulaEdited(params, compilation);
}

void TFunctionFormula::FormulaEdited(const PlaneScene& params, Compilation compilation)
{
    LoadParameters(Formula(), 1, params);
    m_problem = FormulaProblem(Formula(), 1);
    if (m_problem.isEmpty() && compilation == Compilation::Now) CompileQuietly(Formula());
    Touch();
}

FunctionValue TFunctionFormula::Value(double x)
{
    formulas::TFormula& formula = Formula();
    formula.Values()[0] = x;
    const std::optional<long double> value = formula.TryCalculate();
    if (!value) return std::nullopt;
    return Finite(double(*value));
}

QStringList TFunctionFormula::Parameters() const { return FormulaParameters(Formula(), 1); }

// --- arrays ---------------------------------------------------------------

TFunctionArray::TFunctionArray(base::Bgr colour) : TFunction(colour) { Formula().SetText(kArrayDisplayText); }

bool TFunctionArray::AddPoint(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y) || int(m_samples.size()) >= kMaxSamples) return false;
    const auto at = std::upper_bound(m_samples.begin(), m_samples.end(), x,
                                     [](double v, const Sample& s) { return v < s.x; });
    m_samples.insert(at, Sample{x, y});
    SetDomain(m_samples.front().x, m_samples.back().x);
    SamplesChanged();
    return true;
}

QString TFunctionArray::Problem() const { return FitProblemText(Fit()); }

FitProblem TFunctionArrayLine::Fit() const { return Samples().empty() ? FitProblem::NoPoints : FitProblem::None; }

const InterpolationPolynomial& TFunctionArrayPolynom::Polynomial() const
{
    if (!m_polynomial) m_polynomial.emplace(Samples());
    return *m_polynomial;
}

const PolynomialFit& TFunctionArrayMNK::Line() const
{
    if (!m_line) m_line = LeastSquaresPolynomial(Samples(), 1);
    return *m_line;
}

FunctionValue TFunctionArrayMNK::Value(double x)
{
    const PolynomialFit& line = Line();
    if (line.Problem != FitProblem::None) return std::nullopt;
    return PolynomialValue(line.Coefficients, x);
}

// --- coefficients ---------------------------------------------------------

TFunctionKoeffPolynom::TFunctionKoeffPolynom(base::Bgr colour) : TFunction(colour) { Formula().SetText(kArrayDisplayText); }

bool TFunctionKoeffPolynom::SetCoefficients(std::vector<double> coefficients)
{
    if (int(coefficients.size()) > kMaxCoefficients) return false;
    if (!std::all_of(coefficients.begin(), coefficients.end(), [](double v) { return std::isfinite(v); })) return false;
    m_coefficients = std::move(coefficients);
    Touch();
    return true;
}

// --- derived graphs -------------------------------------------------------

TDerivative::TDerivative(TFunction& source, DerivedType type, double param, base::Bgr colour)
    : TFunction(colour), m_source(&source), m_type(type), m_param(param)
{
    Formula().SetText(DerivedText(type, source));
    const auto [lo, hi] = DerivedDomain(type, param, source.XMin(), source.XMax());
    SetDomain(lo, hi);
}

QString TDerivative::Problem() const
{
    const TFunction* f = m_source;
    while (f->Source()) f = f->Source();
    return f->Problem();
}

void TDerivative::SourceArguments(double x, std::vector<double>& out) const
{
    switch (m_type) {
    case DerivedType::ShiftX: out.push_back(x - m_param); break;
    case DerivedType::StretchX: out.push_back(m_param * x); break;
    case DerivedType::ReflectY: out.push_back(-x); break;
    case DerivedType::AbsArgument: out.push_back(std::abs(x)); break;
    case DerivedType::Derivative:
        out.push_back(x + kStep);
        out.push_back(x - kStep);
        break;
    default: out.push_back(x); break;
    }
}

FunctionValue TDerivative::Combine(const FunctionValue* values) const
{
    if (!values[0]) return std::nullopt;
    const double v = *values[0];
    switch (m_type) {
    case DerivedType::ShiftY: return Finite(v + m_param);
    case DerivedType::StretchY: return Finite(m_param * v);
    case DerivedType::ReflectX: return -v;
    case DerivedType::AbsValue: return std::abs(v);
    case DerivedType::Derivative:
        if (!values[1]) return std::nullopt;
        return Finite((v - *values[1]) / (2 * kStep));
    default: return v;
    }
}

// Evaluated without recursion, so that a chain of any length fits the
// stack: the arguments are carried down the chain level by level to the
// first graph that is not derived, and its values are combined back up.
FunctionValue TDerivative::Value(double x)
{
    std::vector<const TDerivative*> chain;
    TFunction* plain = this;
    while (plain->Kind() == AlgebraKind::Derivative) {
        const auto* derived = static_cast<const TDerivative*>(plain);
        chain.push_back(derived);
        plain = derived->Source();
    }
    // arguments[levelStart[k] …] are the arguments of chain[k].
    std::vector<double> arguments{x};
    std::vector<size_t> levelStart{0};
    for (const TDerivative* derived : chain) {
        const size_t from = levelStart.back(), to = arguments.size();
        levelStart.push_back(to);
        for (size_t i = from; i < to; ++i) derived->SourceArguments(arguments[i], arguments);
        if (arguments.size() - levelStart.back() > kMaxSourceEvaluations) return std::nullopt;
    }
    std::vector<FunctionValue> values;
    for (size_t i = levelStart.back(); i < arguments.size(); ++i) values.push_back(plain->Value(arguments[i]));
    for (size_t k = chain.size(); k-- > 0;) {
        const size_t count = levelStart[k + 1] - levelStart[k];
        std::vector<FunctionValue> combined(count);
        const int perArgument = chain[k]->ArgumentCount();
        for (size_t i = 0; i < count; ++i) combined[i] = chain[k]->Combine(&values[i * size_t(perArgument)]);
        values = std::move(combined);
    }
    return values.front();
}

// --- equations ------------------------------------------------------------

TEquation::TEquation(const QString& text, const PlaneScene& params, base::Bgr colour, Compilation compilation)
    : TAlgebra(colour)
{
    Formula().SetSuffix(QStringLiteral(" = 0"));
    Formula().SetText(text);
    FormulaEdited(params, compilation);
}

void TEquation::RelationChanged() { Formula().SetSuffix(u' ' + Relation() + QStringLiteral(" 0")); }

void TEquation::FormulaEdited(const PlaneScene& params, Compilation compilation)
{
    LoadParameters(Formula(), 2, params);
    m_problem = FormulaProblem(Formula(), 2);
    if (m_problem.isEmpty() && compilation == Compilation::Now) CompileQuietly(Formula());
    Touch();
}

FunctionValue TEquation::Value(double x, double y)
{
    formulas::TFormula& formula = Formula();
    formula.Values()[0] = x;
    formula.Values()[1] = y;
    const std::optional<long double> value = formula.TryCalculate();
    if (!value) return std::nullopt;
    return Finite(double(*value));
}

void TEquation::ValuesAlongRow(double y, std::span<const double> xs, std::span<double> out)
{
    formulas::TFormula& formula = Formula();
    formula.Values()[1] = y;
    formula.TryCalculateRow(0, xs, out);
    // The same "nothing" as Value: no value, or one that is not finite.
    for (double& v : out.first(std::min(out.size(), xs.size())))
        if (!std::isfinite(v)) v = std::numeric_limits<double>::quiet_NaN();
}

QStringList TEquation::Parameters() const { return FormulaParameters(Formula(), 2); }

bool AddFreehandPoint(TFunctionArray& line, double x, double y)
{
    if (!line.Samples().empty() && !(x > line.Samples().back().x + kFreehandStep)) return false;
    return line.AddPoint(x, y);
}

} // namespace plane
