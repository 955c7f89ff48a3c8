#include "plane/functionlist.h"
#include "base/numfmt.h"
#include "base/symbols.h"
#include "plane/scene.h"
#include <cmath>
#include <unordered_set>

namespace plane {
namespace {

constexpr double kParameterZero = 1e-6;

ParameterChange NameRefused(const QString& name) { return {false, NotAParameterText(name)}; }

} // namespace

FunctionList::FunctionList() = default;
FunctionList::~FunctionList() = default;
FunctionList::FunctionList(FunctionList&& other) noexcept
    : m_objects(std::move(other.m_objects)), m_compilation(other.m_compilation)
{
}

// The listener belongs to the owner of this list, not to its objects: it
// stays, and hears of the objects that go.
FunctionList& FunctionList::operator=(FunctionList&& other) noexcept
{
    if (this == &other) return *this;
    Clear();
    m_objects = std::move(other.m_objects);
    m_compilation = other.m_compilation;
    return *this;
}

int FunctionList::IndexOf(const TAlgebra* object) const
{
    for (size_t i = 0; i < m_objects.size(); ++i)
        if (m_objects[i].get() == object) return int(i);
    return -1;
}

std::vector<TFunction*> FunctionList::Functions() const
{
    std::vector<TFunction*> functions;
    for (const auto& object : m_objects)
        if (IsFunction(object->Kind())) functions.push_back(static_cast<TFunction*>(object.get()));
    return functions;
}

template <class T> T* FunctionList::Append(std::unique_ptr<T> object)
{
    T* raw = object.get();
    m_objects.push_back(std::move(object));
    return raw;
}

TFunctionFormula* FunctionList::AddFormula(const QString& text, const PlaneScene& params, base::Bgr colour)
{
    return Append(std::make_unique<TFunctionFormula>(text, params, colour, m_compilation));
}

TEquation* FunctionList::AddEquation(const QString& text, const PlaneScene& params, base::Bgr colour)
{
    return Append(std::make_unique<TEquation>(text, params, colour, m_compilation));
}

TFunctionArray* FunctionList::AddArray(AlgebraKind kind, base::Bgr colour)
{
    switch (kind) {
    case AlgebraKind::FunctionArrayLine: return Append(std::make_unique<TFunctionArrayLine>(colour));
    case AlgebraKind::FunctionArrayPolynom: return Append(std::make_unique<TFunctionArrayPolynom>(colour));
    case AlgebraKind::FunctionArrayMNK: return Append(std::make_unique<TFunctionArrayMNK>(colour));
    default: return nullptr;
    }
}

TFunctionKoeffPolynom* FunctionList::AddKoeffPolynom(std::vector<double> coefficients, base::Bgr colour)
{
    auto polynomial = std::make_unique<TFunctionKoeffPolynom>(colour);
    if (!polynomial->SetCoefficients(std::move(coefficients))) return nullptr;
    return Append(std::move(polynomial));
}

TDerivative* FunctionList::AddDerivative(TFunction& source, DerivedType type, double param, base::Bgr colour)
{
    if (IndexOf(&source) < 0 || !std::isfinite(param) || int(type) >= kDerivedTypeCount) return nullptr;
    return Append(std::make_unique<TDerivative>(source, type, param, colour));
}

// Sources come before the graphs derived from them, so one pass from the
// deleted object on finds every graph that depends on it.
void FunctionList::Delete(TAlgebra* object)
{
    const int index = IndexOf(object);
    if (index < 0) return;
    std::unordered_set<const TAlgebra*> doomed{object};
    for (size_t i = size_t(index) + 1; i < m_objects.size(); ++i) {
        const TAlgebra& candidate = *m_objects[i];
        if (candidate.Kind() == AlgebraKind::Derivative
            && doomed.contains(static_cast<const TDerivative&>(candidate).Source()))
            doomed.insert(&candidate);
    }
    if (m_onRemove)
        for (const auto& o : m_objects)
            if (doomed.contains(o.get())) m_onRemove(*o);
    std::erase_if(m_objects, [&doomed](const auto& o) { return doomed.contains(o.get()); });
}

void FunctionList::Clear()
{
    while (!m_objects.empty()) {
        if (m_onRemove) m_onRemove(*m_objects.back());
        m_objects.pop_back();
    }
}

QStringList FunctionList::ParameterNames() const
{
    QStringList names;
    for (const auto& object : m_objects)
        for (const QString& name : object->Parameters())
            if (!names.contains(name)) names.append(name);
    return names;
}

ParameterChange FunctionList::SetParameter(PlaneScene& scene, const QString& name, const QString& valueText)
{
    const auto value = base::ParseReal(valueText.trimmed(), base::Decimal::Comma);
    if (!value || !std::isfinite(double(*value))) return {false, QStringLiteral("Надо ввести число!")};
    return Apply(scene, name, double(*value));
}

ParameterChange FunctionList::StepParameter(PlaneScene& scene, const QString& name, double step)
{
    if (!IsParameterName(name)) return NameRefused(name);
    double value = scene.Param(ParameterSlot(name[0])) + step;
    if (std::abs(value) < kParameterZero) value = 0;
    return Apply(scene, name, value);
}

ParameterChange FunctionList::Apply(PlaneScene& scene, const QString& name, double value)
{
    if (!IsParameterName(name)) return NameRefused(name);
    if (!scene.SetParam(ParameterSlot(name[0]), value)) return {false, QStringLiteral("Надо ввести число!")};
    for (const auto& object : m_objects) object->SetParameter(name[0], value);
    return {true, {}};
}

void FunctionList::ApplyParameters(const PlaneScene& scene)
{
    for (const auto& object : m_objects)
        for (const QString& name : object->Parameters())
            if (IsParameterName(name)) object->SetParameter(name[0], scene.Param(ParameterSlot(name[0])));
}

void FunctionList::CompileAll()
{
    std::vector<formulas::TFormula*> formulas;
    for (const auto& object : m_objects) {
        const AlgebraKind kind = object->Kind();
        if ((kind == AlgebraKind::FunctionFormula || kind == AlgebraKind::Equation) && object->Valid())
            formulas.push_back(&object->Formula());
    }
    if (!formulas.empty()) formulas::CompileFormulas(formulas);
}

// --- domain editing -------------------------------------------------------

QString DomainEditText(const TFunction& f)
{
    auto end = [](double value, QChar sign) {
        if (IsUnrestricted(value)) return QString(sign) + base::symbol::Infinity;
        return base::FormatReal(value, base::Decimal::Comma);
    };
    return u'[' + end(f.XMin(), u'-') + u';' + end(f.XMax(), u'+') + u']';
}

std::pair<double, double> DomainFromEditText(const QString& text)
{
    auto evaluate = [](const QString& bracketText, double fallback) {
        formulas::TFormula formula;
        formula.SetText(bracketText);
        if (!formula.Variables().isEmpty()) return fallback;  // a letter is no number
        const std::optional<long double> value = formula.TryCalculate();
        if (!value || !std::isfinite(double(*value))) return fallback;
        return ClampDomainEnd(double(*value));
    };
    const qsizetype semicolon = text.indexOf(u';');
    if (semicolon < 0) return {-kUnrestricted, kUnrestricted};
    return {evaluate(text.left(semicolon) + u']', -kUnrestricted), evaluate(u'[' + text.mid(semicolon + 1), kUnrestricted)};
}

} // namespace plane
