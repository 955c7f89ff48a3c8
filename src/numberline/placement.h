#pragma once
#include "numberline/scene.h"
#include <QStringList>
#include <optional>

// What the number line answers to a "place the points" task: one answer line
// per point, «LAB{n}={formula}» (n counting the points from 1) when the point
// is shown, on the line and black (at the value of its formula), else
// «LAB{n}=». The task's answer file lists the lines of the points it gave,
// so a point left red, lifted, erased or given another formula is wrong,
// and points the pupil adds do not count.
namespace numberline {

inline constexpr char16_t kPlacementKey[] = u"LAB";

QStringList PlacementAnswers(const NumberLineScene& scene, double scale);

// The point an answer name stands for, counted from 1 («LAB3»: 3, letters in
// any case, as answer names are compared); none for other names.
std::optional<int> PlacementPointNumber(const QString& name);

// What makes an expected line «LAB{n}={formula}» unreachable in the task's
// scene: no point n, another formula on it, or a formula without a value.
// Empty when a pupil can give the line.
QString PlacementAnswerProblem(const NumberLineScene& scene, const QString& name, const QString& formula);

} // namespace numberline
