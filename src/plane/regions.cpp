#include "plane/regions.h"
#include "base/colours.h"
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
    p.Image = QImage(std::max(1, p.Columns), std::max(1, p.Rows), QImage::Format_ARGB32);
    p.Image.fill(kTransparent);
    for (int row = 0; row < p.Rows; ++row) m_rowY.push_back(view.ToWorldY(row * p.Step));
    for (int i = 0; i < list.Count(); ++i) {
        TAlgebra* object = list.At(i);
        if (object->Kind() == AlgebraKind::Equation)
            m_equations.push_back({static_cast<TEquation*>(object), std::vector<double>(size_t(p.Rows), kNoValue),
                                   std::vector<double>(size_t(p.Rows), kNoValue)});
        else if (IsInequality(*object))
            m_functionInequalities.push_back(static_cast<TFunction*>(object));
        m_shading |= IsInequality(*object);
    }
}

void RegionBuilder::RunColumns(int count)
{
    for (; count > 0 && !Done(); --count, ++m_next) {
        EvaluateColumn(m_next);
        if (m_shading) ShadeColumn(m_next);
        MarkCurves(m_next);
    }
}

// The one evaluation of every equation at every grid point of the column.
void RegionBuilder::EvaluateColumn(int column)
{
    const double x = m_view.ToWorldX(column * m_picture.Step);
    for (EquationValues& values : m_equations) {
        std::swap(values.Previous, values.Current);
        TEquation& equation = *values.Equation;
        if (!equation.Valid()) continue; // both columns stay without values
        for (int row = 0; row < m_picture.Rows; ++row)
            values.Current[size_t(row)] = ValueOrNaN(equation.Value(x, m_rowY[size_t(row)]));
    }
}

void RegionBuilder::ShadeColumn(int column)
{
    const double x = m_view.ToWorldX(column * m_picture.Step);
    // A graph is evaluated once per column.
    std::vector<double> graphValues;
    for (TFunction* f : m_functionInequalities) graphValues.push_back(f->Valid() ? ValueOrNaN(f->Value(x)) : kNoValue);
    const QRgb silver = Opaque(base::colour::plane::kShading);
    for (int row = 0; row < m_picture.Rows; ++row) {
        const double y = m_rowY[size_t(row)];
        bool inside = true;
        for (const EquationValues& values : m_equations)
            if (IsInequality(*values.Equation) && !Holds(values.Equation->Relation(), values.Current[size_t(row)], 0)) {
                inside = false;
                break;
            }
        for (size_t i = 0; inside && i < m_functionInequalities.size(); ++i)
            inside = Holds(m_functionInequalities[i]->Relation(), y, graphValues[i]);
        if (!inside) continue;
        m_picture.Inside[size_t(row) * size_t(m_picture.Columns) + size_t(column)] = 1;
        SetPixel(column, row, silver);
    }
}

// Vertical steps within the column and horizontal steps from the column
// before; curves are drawn over the shading.
void RegionBuilder::MarkCurves(int column)
{
    for (const EquationValues& values : m_equations) {
        if (!values.Equation->Valid()) continue;
        const uint32_t colour = values.Equation->Color & base::kBgrMask;
        const std::vector<double>& v = values.Current;
        for (int row = 0; row < m_picture.Rows; ++row) {
            if (row > 0 && IsCurveStep(v[size_t(row - 1)], v[size_t(row)])) {
                // The point nearer to the curve is marked.
                const bool upper = std::abs(v[size_t(row - 1)]) < std::abs(v[size_t(row)]);
                MarkCurve(column, upper ? row - 1 : row, colour);
            }
            if (column > 0 && IsCurveStep(values.Previous[size_t(row)], v[size_t(row)])) {
                const bool left = std::abs(values.Previous[size_t(row)]) < std::abs(v[size_t(row)]);
                MarkCurve(left ? column - 1 : column, row, colour);
            }
        }
    }
}

void RegionBuilder::MarkCurve(int column, int row, uint32_t colour)
{
    m_picture.Curve[size_t(row) * size_t(m_picture.Columns) + size_t(column)] = colour;
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
