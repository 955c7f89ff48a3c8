#pragma once
#include "base/colours.h"
#include "plane/functionlist.h"
#include "plane/geometry.h"
#include <QString>
#include <optional>

// What the equations labs do with an equation the pupil typed, and the link
// between the unit circle and the angle axis of the trigonometry lab,
// without windows.
namespace plane {

// The equation F(x, y) = 0 from the formula editor's bracket text is
// appended to the list; a formula that is empty or does not parse is
// refused with the message of the expression core, and nothing is added.
struct EquationEntry {
    TEquation* Added = nullptr;
    QString Problem;
};
EquationEntry EnterEquation(FunctionList& list, const PlaneScene& params, const QString& text, base::Bgr colour);
QString EmptyEquationText();

// The relation of the sign menu's item: 0 "= 0", 1 "< 0", 2 "> 0"; nullopt otherwise.
std::optional<QChar> RelationOfSignItem(int item);

// --- the trigonometry lab's link ------------------------------------------------

// The angle of the point p on the unit circle, in [0, 2π), taken from its x
// (clamped to [−1, 1]) and the half plane of its y, brought to the value
// congruent to it modulo 2π nearest to previous, so that the angle runs on
// over several turns and back.
double AngleOfCirclePoint(geometry::Vec2 p, double previous);
// The point of the unit circle at the angle.
geometry::Vec2 CirclePointAt(double angle);
// The circle plane keeps the unit circle filling its width: the scale for a
// plane width, or nullopt for a plane too narrow for a change.
constexpr int kCircleMargin = 20;
std::optional<double> CircleScaleForWidth(int width);

} // namespace plane
