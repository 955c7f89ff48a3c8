#include "plane/algebrarecords.h"
#include "plane/planerecords.h"
#include "plane/scene.h"
#include <array>

namespace plane {
namespace {

constexpr std::array kAlgebraKinds{
    AlgebraKind::FunctionFormula,      AlgebraKind::Equation,   AlgebraKind::FunctionArrayLine,
    AlgebraKind::FunctionArrayPolynom, AlgebraKind::FunctionArrayMNK, AlgebraKind::FunctionKoeffPolynom,
    AlgebraKind::Derivative,
};

std::optional<AlgebraKind> KindOfTag(const QString& tag)
{
    for (AlgebraKind kind : kAlgebraKinds)
        if (tag == AlgebraTag(kind)) return kind;
    return std::nullopt;
}

QString Real(double value) { return FormatRecordReal(value); }

QString KindData(const FunctionList& list, const TAlgebra& object)
{
    QString text;
    switch (object.Kind()) {
    case AlgebraKind::FunctionFormula:
    case AlgebraKind::Equation: return object.Formula().Text();
    case AlgebraKind::FunctionArrayLine:
    case AlgebraKind::FunctionArrayPolynom:
    case AlgebraKind::FunctionArrayMNK:
        for (const Sample& s : static_cast<const TFunctionArray&>(object).Samples())
            text += Real(s.x) + u' ' + Real(s.y) + u' ';
        return text;
    case AlgebraKind::FunctionKoeffPolynom:
        for (double a : static_cast<const TFunctionKoeffPolynom&>(object).Coefficients()) text += Real(a) + u' ';
        return text;
    case AlgebraKind::Derivative: {
        const auto& derived = static_cast<const TDerivative&>(object);
        return QString::number(list.IndexOf(derived.Source())) + u' ' + QString::number(int(derived.Type())) + u' '
            + Real(derived.Param());
    }
    }
    return text;
}

// "=255": the relation character and the colour, with nothing between.
void ReadRelationAndColour(RecordLine& record, TAlgebra& object)
{
    const QString word = record.Word();
    if (word.isEmpty() || !object.SetRelation(word[0]))
        record.Fail(QStringLiteral("«%1» не начинается со знака =, < или >").arg(word));
    object.Color = RecordLine(word.mid(1), record.LineNumber()).Colour();
}

void ReadSamples(RecordLine& record, TFunctionArray& f)
{
    while (!record.AtEnd()) {
        const double x = record.Real();
        if (record.AtEnd()) record.Fail(QStringLiteral("у последней точки графика нет ординаты"));
        if (!f.AddPoint(x, record.Real()))
            record.Fail(QStringLiteral("у графика больше %1 точек").arg(TFunctionArray::kMaxSamples));
    }
}

std::vector<double> ReadCoefficients(RecordLine& record)
{
    std::vector<double> coefficients;
    while (!record.AtEnd()) {
        if (int(coefficients.size()) >= TFunctionKoeffPolynom::kMaxCoefficients)
            record.Fail(QStringLiteral("у многочлена больше %1 коэффициентов").arg(TFunctionKoeffPolynom::kMaxCoefficients));
        coefficients.push_back(record.Real());
    }
    return coefficients;
}

// Only a graph read before this line can be a source, so sources never form a cycle.
TDerivative* ReadDerivative(RecordLine& record, FunctionList& list)
{
    const int index = record.Index(list.Count(), QStringLiteral("графика"));
    TAlgebra* source = list.At(index);
    if (!IsFunction(source->Kind())) record.Fail(QStringLiteral("объект %1 — уравнение, а не график").arg(index));
    const long long type = record.Integer();
    if (type < 0 || type >= kDerivedTypeCount) record.Fail(QStringLiteral("неизвестный вид преобразования графика %1").arg(type));
    const double param = record.Real();
    return list.AddDerivative(static_cast<TFunction&>(*source), DerivedType(type), param, base::colour::kBlack);
}

} // namespace

QString AlgebraRecord(const FunctionList& list, const TAlgebra& object)
{
    QString text = AlgebraTag(object.Kind()) + u' ' + object.Relation() + QString::number(object.Color) + u' ';
    if (IsFunction(object.Kind())) {
        const auto& f = static_cast<const TFunction&>(object);
        text += Real(f.XMin()) + u' ' + Real(f.XMax()) + u' ';
    }
    return text + KindData(list, object);
}

// The object is made first and given the saved relation, colour and domain;
// points read afterwards set the domain of a graph through points again.
bool ReadAlgebraRecord(const QString& tag, RecordLine& record, FunctionList& list, const PlaneScene& params)
{
    const std::optional<AlgebraKind> kind = KindOfTag(tag);
    if (!kind) return false;
    if (*kind == AlgebraKind::Equation) {
        const QString relationAndColour = record.Word();
        // An equation without its formula would stand in the list as an empty line.
        if (record.AtEnd()) record.Fail(QStringLiteral("нет формулы уравнения"));
        TEquation* equation = list.AddEquation(record.Rest(), params, base::colour::kBlack);
        RecordLine head(relationAndColour, record.LineNumber());
        ReadRelationAndColour(head, *equation);
        return true;
    }
    const QString relationAndColour = record.Word();
    const double xMin = record.Real();
    const double xMax = record.Real();
    TFunction* f = nullptr;
    switch (*kind) {
    case AlgebraKind::FunctionFormula: f = list.AddFormula(record.Rest(), params, base::colour::kBlack); break;
    case AlgebraKind::FunctionKoeffPolynom: f = list.AddKoeffPolynom(ReadCoefficients(record), base::colour::kBlack); break;
    case AlgebraKind::Derivative: f = ReadDerivative(record, list); break;
    default: f = list.AddArray(*kind, base::colour::kBlack); break;
    }
    RecordLine head(relationAndColour, record.LineNumber());
    ReadRelationAndColour(head, *f);
    f->SetDomain(xMin, xMax);
    if (auto* array = dynamic_cast<TFunctionArray*>(f)) ReadSamples(record, *array);
    if (*kind == AlgebraKind::Derivative && !record.AtEnd()) record.Fail(QStringLiteral("лишние значения в конце строки"));
    return true;
}

} // namespace plane
