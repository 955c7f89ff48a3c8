#pragma once
#include "numberline/scene.h"
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the points table shows, without its window: one row per point in
// scene order (erased points too) and the parameters the formulas use.
namespace numberline {

struct PointRow {
    QString ValueText; // "= 0,333333333333333", or "нет значения"
    bool OffValue;     // shown in red
};

inline const QString kNoValueText = QStringLiteral("нет значения");

std::vector<PointRow> PointRows(const NumberLineScene& scene, double scale);

struct ParameterColumn {
    QString Name;
    QString ValueText; // the scene's value, shortest decimal form
};

// The parameter letters the formulas use, in the order they first appear.
std::vector<ParameterColumn> ParameterColumns(const NumberLineScene& scene);

// A parameter cell after a press of + or − (delta ±0.1): none when the text
// is not a number; a result nearer zero than 1e-6 is written as 0.
std::optional<QString> StepParameterText(const QString& text, double delta);

} // namespace numberline
