#pragma once
#include "plane/functionlist.h"
#include <QString>
#include <optional>
#include <vector>

// The function graphs lab's commands on a plane, without a window: graphs
// through the plane's points, derived graphs, polynomials by coefficients.
// Each answers either with the new graph or with the note the pupil sees.
namespace plane {

// Notes show this long.
constexpr int kCommandNoteSeconds = 3;
inline const QString kNeedTwoPointsNote = QStringLiteral("Сначала задайте хотя бы две точки для графика");
inline const QString kNeedGraphNote = QStringLiteral("Сначала постройте хотя бы один график");
inline const QString kNeedNumberNote = QStringLiteral("Надо ввести число!");
inline const QString kNeedFunctionNote = QStringLiteral("Выберите в списке график функции y = f(x)");
inline const QString kNeedCoefficientsNote =
    QStringLiteral("Введите коэффициенты многочлена числами через точку с запятой");

struct CommandOutcome {
    TFunction* Created = nullptr;
    QString Note; // empty when a graph was made
};

// A graph of kind (one of the three FunctionArray kinds) through every
// visible point of the scene, in the scene's order; a note when fewer than
// two points are visible.
CommandOutcome AddGraphThroughPoints(const PlaneScene& scene, FunctionList& list, AlgebraKind kind, base::Bgr colour);

// The graph in the list's selected row that a transformation or the domain
// editor works on, or the note why there is none (an empty list, or a row
// that holds an equation).
struct SourceChoice {
    TFunction* Graph = nullptr;
    QString Note;
};
SourceChoice ChooseSource(const FunctionList& list, int selectedRow);

// The question a transformation asks before it is made (shifts and
// stretches); nothing for those that need no parameter.
struct ParameterQuestion {
    QString Prompt;
    QString Default;
};
std::optional<ParameterQuestion> DerivedParameterQuestion(DerivedType type);

// The derived graph of source; paramText (decimal comma) is read for the
// types that ask, the others take 1. "Надо ввести число!" when it is no number.
CommandOutcome AddDerivedGraph(FunctionList& list, TFunction& source, DerivedType type, const QString& paramText,
                               base::Bgr colour);

// Coefficients a0; a1; a2 … with the decimal comma, separated by ";" (blanks
// around them are ignored); nothing when a value is no number or there is none.
std::optional<std::vector<double>> ParseCoefficients(const QString& text);
// The text of coefficients in that form.
QString CoefficientsText(const std::vector<double>& coefficients);
CommandOutcome AddPolynomialByCoefficients(FunctionList& list, const QString& text, base::Bgr colour);

} // namespace plane
