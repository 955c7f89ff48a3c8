#include "plane/functionlistgrids.h"
#include "base/numfmt.h"
#include "plane/scene.h"

namespace plane {

QString ProblemText(const TAlgebra& object)
{
    if (object.Valid()) return {};
    const QString reason = object.Problem();
    return reason.isEmpty() ? kInvalidFormulaText : kInvalidFormulaText + u'\n' + reason;
}

std::vector<FunctionRow> FunctionRows(const FunctionList& list)
{
    std::vector<FunctionRow> rows;
    rows.reserve(size_t(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        TAlgebra* object = list.At(i);
        rows.push_back({object, ProblemText(*object), object->Color});
    }
    return rows;
}

std::vector<ParameterColumn> ParameterColumns(const FunctionList& list, const PlaneScene& scene)
{
    std::vector<ParameterColumn> columns;
    for (const QString& name : list.ParameterNames()) {
        if (!IsParameterName(name)) continue; // a multi-letter name holds no value of the scene
        columns.push_back({name, base::FormatReal(scene.Param(ParameterSlot(name[0])), base::Decimal::Comma)});
    }
    return columns;
}

} // namespace plane
