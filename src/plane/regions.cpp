#include "plane/regions.h"
#include "base/colours.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace plane {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr QRgb kTransparent = 0;

QRgb Opaque(base::Bgr colour) { return base::BgrColor(colour).rgba(); }

double ValueOrNaN(FunctionValue value) { return value ? *value : kNoValue; }

bool IsInequality(const TAlgebra& object) { return object.Relation() != TAlgebra::kEqual; }

// Strict comparison of value with 0 (equations) or of y with the graph's
// value (graphs); NaN compares false either way.
bool Holds(QChar relation, double left, double right)
{
    if (relation == TAlgebra::kLess) return left < right;
    if (relation == TAlgebra::kGreater) return left > right;
    return false;
}

// The relation of the side of 0 (or of the graph) that left lies on.
QChar SideOf(double left, double right)
{
    if (left < right) return TAlgebra::kLess;
    if (left > right) return TAlgebra::kGreater;
    return TAlgebra::kEqual;
}

} // namespace

bool IsCurveStep(double a, double b)
{
    const double product = a * b;
    // A NaN product (no value on either side) fails both tests.
    return product <= 0 && std::abs(product) < kMaxCurveProduct;
}

bool HasInequalities(const FunctionList& list)
{
    for (int i = 0; i < list.Count(); ++i)
        if (IsInequality(*list.At(i))) return true;
    return false;
}

bool HasRegionLayer(const FunctionList& list)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.At(i)->Kind() == AlgebraKind::Equation || IsInequality(*list.At(i))) return true;
    return false;
}

bool HoldsAt(TAlgebra& object, double x, double y)
{
    if (!object.Valid()) return false;
    if (object.Kind() == AlgebraKind::Equation)
        return Holds(object.Relation(), ValueOrNaN(static_cast<TEquation&>(object).Value(x, y)), 0);
    return Holds(object.Relation(), y, ValueOrNaN(static_cast<TFunction&>(object).Value(x)));
}

bool SignRegionsAt(FunctionList& list, double x, double y)
{
    bool changed = false;
    for (int i = 0; i < list.Count(); ++i) {
        TAlgebra& object = *list.At(i);
        double left = kNoValue, right = 0;
        if (!object.Valid()) {
        } else if (object.Kind() == AlgebraKind::Equation) {
            left = ValueOrNaN(static_cast<TEquation&>(object).Value(x, y));
        } else {
            left = y;
            right = ValueOrNaN(static_cast<TFunction&>(object).Value(x));
        }
        const QChar relation = SideOf(left, right);
        changed |= relation != object.Relation();
        object.SetRelation(relation);
    }
    return changed;
}

bool DropShading(FunctionList& list)
{
    bool changed = false;
    for (int i = 0; i < list.Count(); ++i) {
        changed |= IsInequality(*list.At(i));
        list.At(i)->SetRelation(TAlgebra::kEqual);
    }
    return changed;
}

// --- the builder -------------------------------------------------------------

RegionBuilder::RegionBuilder(FunctionList& list, const PlaneView& view, int step) : m_list(list), m_view(view)
{
    RegionPicture& p = m_picture;
    p.Step = std::max(1, step);
    p.Columns = std::max(0, (view.Width() + p.Step - 1) / p.Step);
    p.Rows = std::max(0, (view.Height() + p.Step - 1) / p.Step);
    p.Left = view.ToWorldX(0);
    p.Top = view.ToWorldY(0);
    p.Scale = view.Scale();
    const size_t points = size_t(p.Columns) * size_t(p.Rows);
    p.Inside.assign(points, 0);
    p.Curve.assign(points, RegionPicture::kNoCurve);
    m_curveOwner.assign(points, 0);
    p.Image = QImage(std::max(1, p.Columns), std::max(1, p.Rows), QImage::Format_ARGB32);
    p.Image.fill(kTransparent);
    for (int column = 0; column < p.Columns; ++column) m_columnX.push_back(view.ToWorldX(column * p.Step));
    for (int i = 0; i < list.Count(); ++i) {
        TAlgebra* object = list.At(i);
        if (object->Kind() == AlgebraKind::Equation)
            m_equations.push_back({static_cast<TEquation*>(object), object->Relation(), uint32_t(m_equations.size()),
                                   std::vector<double>(size_t(p.Columns), kNoValue),
                                   std::vector<double>(size_t(p.Columns), kNoValue)});
        else if (IsInequality(*object))
            m_functionInequalities.push_back(static_cast<TFunction*>(object));
        m_shading |= IsInequality(*object);
    }
    // A graph's value does not depend on the row: one evaluation per column.
    for (TFunction* f : m_functionInequalities) {
        std::vector<double>& values = m_graphValues.emplace_back(size_t(p.Columns), kNoValue);
        if (!f->Valid()) continue;
        for (int column = 0; column < p.Columns; ++column) values[size_t(column)] = ValueOrNaN(f->Value(m_columnX[size_t(column)]));
    }
}

void RegionBuilder::RunRows(int count)
{
    for (; count > 0 && !Done(); --count, ++m_next) {
        EvaluateRow(m_next);
        if (m_shading) ShadeRow(m_next);
        MarkCurves(m_next);
    }
}

// The one evaluation of every equation at every grid point of the row.
void RegionBuilder::EvaluateRow(int row)
{
    const double y = m_view.ToWorldY(row * m_picture.Step);
    for (EquationValues& values : m_equations) {
        std::swap(values.Previous, values.Current);
        if (!values.Equation->Valid()) continue; // both rows stay without values
        values.Equation->ValuesAlongRow(y, m_columnX, values.Current);
    }
}

void RegionBuilder::ShadeRow(int row)
{
    const double y = m_view.ToWorldY(row * m_picture.Step);
    const QRgb silver = Opaque(base::colour::plane::kShading);
    const size_t first = size_t(row) * size_t(m_picture.Columns);
    uint8_t* inside = m_picture.Inside.data() + first;
    QRgb* pixels = reinterpret_cast<QRgb*>(m_picture.Image.scanLine(row));
    for (int column = 0; column < m_picture.Columns; ++column) {
        bool holds = true;
        for (const EquationValues& values : m_equations)
            if (values.Relation != TAlgebra::kEqual && !Holds(values.Relation, values.Current[size_t(column)], 0)) {
                holds = false;
                break;
            }
        for (size_t i = 0; holds && i < m_functionInequalities.size(); ++i)
            holds = Holds(m_functionInequalities[i]->Relation(), y, m_graphValues[i][size_t(column)]);
        if (!holds) continue;
        inside[column] = 1;
        pixels[column] = silver;
    }
}

// Horizontal steps within the row and vertical steps from the row above;
// curves are drawn over the shading, which both rows already have.
void RegionBuilder::MarkCurves(int row)
{
    for (const EquationValues& values : m_equations) {
        if (!values.Equation->Valid()) continue;
        const std::vector<double>& v = values.Current;
        for (int column = 0; column < m_picture.Columns; ++column) {
            if (column > 0 && IsCurveStep(v[size_t(column - 1)], v[size_t(column)])) {
                // The point nearer to the curve is marked.
                const bool left = std::abs(v[size_t(column - 1)]) < std::abs(v[size_t(column)]);
                MarkCurve(left ? column - 1 : column, row, values);
            }
            if (row > 0 && IsCurveStep(values.Previous[size_t(column)], v[size_t(column)])) {
                const bool upper = std::abs(values.Previous[size_t(column)]) < std::abs(v[size_t(column)]);
                MarkCurve(column, upper ? row - 1 : row, values);
            }
        }
    }
}

// Where two curves meet, the later equation's colour is shown, whatever
// order the grid points were visited in.
void RegionBuilder::MarkCurve(int column, int row, const EquationValues& values)
{
    const size_t at = size_t(row) * size_t(m_picture.Columns) + size_t(column);
    const uint8_t owner = uint8_t(std::min<uint32_t>(values.Order + 1, UINT8_MAX));
    if (m_curveOwner[at] > owner) return;
    m_curveOwner[at] = owner;
    const uint32_t colour = values.Equation->Color & base::kBgrMask;
    m_picture.Curve[at] = colour;
    SetPixel(column, row, Opaque(colour));
}

void RegionBuilder::SetPixel(int column, int row, uint32_t argb)
{
    reinterpret_cast<QRgb*>(m_picture.Image.scanLine(row))[column] = argb;
}

RegionPicture BuildRegions(FunctionList& list, const PlaneView& view, int step)
{
    RegionBuilder builder(list, view, step);
    builder.Run();
    return builder.TakePicture();
}

} // namespace plane
