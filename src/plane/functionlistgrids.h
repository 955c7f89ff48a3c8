#pragma once
#include "plane/functionlist.h"
#include <QString>
#include <vector>

// What the two grids of the function list show, without a window: one row
// per graph or equation (its formula, or why it cannot be drawn, and its
// colour) and one column per parameter its formulas read (name and value).
namespace plane {

// Shown instead of a formula that cannot be evaluated.
inline const QString kInvalidFormulaText = QStringLiteral("Ошибка !");

struct FunctionRow {
    TAlgebra* Object = nullptr;
    // Empty when the object can be drawn; otherwise "Ошибка !" and, on a
    // line of its own, the reason (equal abscissas, a bad formula …).
    QString ProblemText;
    base::Bgr Colour = base::colour::kBlack;
};

struct ParameterColumn {
    QString Name;
    // The value with the decimal comma, in its shortest form.
    QString Value;
};

std::vector<FunctionRow> FunctionRows(const FunctionList& list);
// The parameters in the order the rows first read them, each once, with the
// scene's values (which every formula holds).
std::vector<ParameterColumn> ParameterColumns(const FunctionList& list, const PlaneScene& scene);
QString ProblemText(const TAlgebra& object);

} // namespace plane
