#include "plane/planerecords.h"
#include "plane/algebrarecords.h"
#include "plane/recordline.h"
#include "base/numfmt.h"
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace plane {
namespace {

const QString kPointTag = QStringLiteral("TPoint:");
const QString kParentsTag = QStringLiteral("Parents:");
const QString kMorphingTag = QStringLiteral("Morphing:");
// A point on a graph: "Graph: <point> <graph's index among the graphs and equations>",
// written after the graphs so that the index refers to a line read before.
const QString kGraphTag = QStringLiteral("Graph:");
const QString kDistanceTag = QStringLiteral("TDistance:");
const QString kAngleTag = QStringLiteral("TAngle:");
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
constexpr QChar kCaptionMark = u'&';
constexpr QChar kParamMark = u'=';

QString BoolText(bool value) { return value ? kTrue : kFalse; }

class SectionReader {
public:
    explicit SectionReader(PlaneSection& section) : m_section(section), m_scene(section.Scene) {}

    void Header(RecordLine record);
    void Record(const QString& tag, RecordLine record);
    // Refuses a section whose dependencies go round in a cycle, naming the
    // record that closed it.
    void CheckCycles() const;

private:
    TPoint* PointAt(RecordLine& record)
    {
        return m_scene.Point(record.Index(m_scene.PointCount(), QStringLiteral("точки")));
    }
    TFigure* CarrierAt(RecordLine& record);
    void ReadPoint(RecordLine& record);
    void ReadFigure(FigureKind kind, RecordLine& record);
    void ReadPolygon(RecordLine& record, bool visible, base::Bgr colour);
    void ReadParents(RecordLine& record);
    void ReadMorphing(RecordLine& record);
    void ReadGraph(RecordLine& record);
    // A point on a graph takes no other construction.
    void RefuseGraphPoint(const TPoint* point, RecordLine& record);

    void NoteDependency(const TPoint* point, const RecordLine& record);

    PlaneSection& m_section;
    PlaneScene& m_scene;
    // For each point the line of the last record that made it depend on others.
    std::vector<int> m_dependencyLine;
};

void SectionReader::NoteDependency(const TPoint* point, const RecordLine& record)
{
    if (m_dependencyLine.size() < size_t(m_scene.PointCount())) m_dependencyLine.resize(size_t(m_scene.PointCount()), 0);
    m_dependencyLine[size_t(point->Index())] = record.LineNumber();
}

void SectionReader::CheckCycles() const
{
    const std::vector<TPoint*> cycle = m_scene.FindCycle();
    if (cycle.empty()) return;
    // The point whose dependency was read last closed the cycle.
    auto lineOf = [this](const TPoint* p) {
        return size_t(p->Index()) < m_dependencyLine.size() ? m_dependencyLine[size_t(p->Index())] : 0;
    };
    const TPoint* closing = *std::max_element(cycle.begin(), cycle.end(),
                                              [&](const TPoint* a, const TPoint* b) { return lineOf(a) < lineOf(b); });
    throw SceneFormatError(lineOf(closing), QStringLiteral("точка %1 зависела бы сама от себя").arg(closing->Index()));
}

void SectionReader::Header(RecordLine record)
{
    m_section.Scale = record.Real();
    if (!(m_section.Scale > 0)) record.Fail(QStringLiteral("масштаб должен быть больше нуля"));
    m_section.CenterX = record.Real();
    m_section.CenterY = record.Real();
    while (!record.AtEnd()) {
        QString value = record.Word();
        const QString name = base::SplitLeft(value, kParamMark);
        const QChar letter = name.isEmpty() ? QChar() : name[0];
        if (letter < u'a' || letter > u'z') record.Fail(QStringLiteral("«%1» не является именем параметра").arg(name));
        const auto number = base::ParseReal(value, base::Decimal::Point);
        if (!number || !std::isfinite(double(*number)))
            record.Fail(QStringLiteral("значение параметра %1 не является числом").arg(name));
        m_scene.SetParam(letter.unicode() - u'a', double(*number));
    }
}

void SectionReader::Record(const QString& tag, RecordLine record)
{
    static const FigureKind kinds[] = {FigureKind::Line, FigureKind::Luch, FigureKind::Segment,
                                       FigureKind::Segment0, FigureKind::Vector, FigureKind::Circle1,
                                       FigureKind::Circle2, FigureKind::Polygon};
    if (tag == kPointTag) return ReadPoint(record);
    for (FigureKind kind : kinds)
        if (tag == FigureTag(kind)) return ReadFigure(kind, record);
    if (tag == kParentsTag) return ReadParents(record);
    if (tag == kMorphingTag) return ReadMorphing(record);
    if (tag == kGraphTag) return ReadGraph(record);
    if (ReadAlgebraRecord(tag, record, m_section.Algebra, m_scene)) return;
    if (tag == kDistanceTag) {
        TPoint* a = PointAt(record);
        m_scene.AddDistance(a, PointAt(record));
    } else if (tag == kAngleTag) {
        TPoint* a = PointAt(record);
        TPoint* vertex = PointAt(record);
        m_scene.AddAngle(a, vertex, PointAt(record));
    }
    // Any other record belongs to another part of the engine and is passed over.
}

void SectionReader::ReadPoint(RecordLine& record)
{
    const double x = record.Real();
    const double y = record.Real();
    const bool visible = record.Boolean();
    TPoint* point = m_scene.AddPoint({x, y});
    point->Visible = visible;
    point->SetName(record.Rest()); // the rest of the line: names may hold blanks
}

void SectionReader::ReadFigure(FigureKind kind, RecordLine& record)
{
    const bool visible = record.Boolean();
    const base::Bgr colour = record.Colour();
    if (kind == FigureKind::Polygon) return ReadPolygon(record, visible, colour);
    TPoint* first = PointAt(record);
    TFigure* figure = nullptr;
    switch (kind) {
    case FigureKind::Line: figure = m_scene.AddLine(first, PointAt(record)); break;
    case FigureKind::Luch: figure = m_scene.AddLuch(first, PointAt(record)); break;
    case FigureKind::Segment: figure = m_scene.AddSegment(first, PointAt(record)); break;
    case FigureKind::Vector: figure = m_scene.AddVector(first, PointAt(record)); break;
    case FigureKind::Segment0:
    {
        TPoint* second = PointAt(record);
        figure = m_scene.AddSegment0(first, second);
        if (!figure) record.Fail(QStringLiteral("концы отрезка постоянной длины совпадают или слишком далеки друг от друга"));
        NoteDependency(second, record);
        break;
    }
    case FigureKind::Circle1: {
        const double radius = record.Real();
        figure = m_scene.AddCircle1(first, radius);
        if (!figure) record.Fail(QStringLiteral("радиус окружности меньше нуля"));
        break;
    }
    case FigureKind::Circle2:
        figure = m_scene.AddCircle2(first, PointAt(record));
        if (!figure) record.Fail(QStringLiteral("окружность проходит через свой центр"));
        break;
    case FigureKind::Polygon:
        break;
    }
    figure->Color = colour;
    figure->Visible = visible;
}

void SectionReader::ReadPolygon(RecordLine& record, bool visible, base::Bgr colour)
{
    std::vector<geometry::Vec2> vertices;
    while (!record.AtEnd() && !record.RestStartsWith(kCaptionMark)) {
        const QString xText = record.Word();
        if (record.AtEnd() || record.RestStartsWith(kCaptionMark)) break;
        const QString yText = record.Word();
        const auto x = base::ParseReal(xText, base::Decimal::Point);
        const auto y = base::ParseReal(yText, base::Decimal::Point);
        // A pair that does not convert is passed over, as it always was.
        if (x && y && std::isfinite(double(*x)) && std::isfinite(double(*y)))
            vertices.push_back({double(*x), double(*y)});
    }
    TPolygon* polygon = m_scene.AddPolygon(std::move(vertices));
    if (!polygon) record.Fail(QStringLiteral("у многоугольника меньше трёх вершин"));
    polygon->Color = colour;
    polygon->Visible = visible;
    if (record.RestStartsWith(kCaptionMark)) {
        QString caption = record.Rest().mid(1);
        for (QChar& c : caption)
            if (c.unicode() < 32) c = u' ';
        polygon->Caption = caption;
    }
}

TFigure* SectionReader::CarrierAt(RecordLine& record)
{
    const long long index = record.Integer();
    if (index < 0) return nullptr;
    if (index >= m_scene.FigureCount())
        record.Fail(QStringLiteral("нет фигуры с номером %1 среди прочитанных выше (их %2)").arg(index).arg(m_scene.FigureCount()));
    TFigure* figure = m_scene.Figure(int(index));
    if (!IsLineLike(figure->Kind()) && !IsCircle(figure->Kind()))
        record.Fail(QStringLiteral("фигура %1 не прямая и не окружность").arg(index));
    return figure;
}

void SectionReader::RefuseGraphPoint(const TPoint* point, RecordLine& record)
{
    if (point->Graph()) record.Fail(QStringLiteral("точка %1 уже лежит на графике").arg(point->Index()));
}

void SectionReader::ReadGraph(RecordLine& record)
{
    TPoint* point = PointAt(record);
    const FunctionList& algebra = m_section.Algebra;
    const int index = record.Index(algebra.Count(), QStringLiteral("графика"));
    TAlgebra* object = algebra.At(index);
    if (!IsFunction(object->Kind())) record.Fail(QStringLiteral("объект %1 не график функции").arg(index));
    if (!m_scene.SetGraph(point, static_cast<TFunction*>(object)))
        record.Fail(QStringLiteral("точка %1 уже построена на фигуре или как образ").arg(point->Index()));
}

void SectionReader::ReadParents(RecordLine& record)
{
    TPoint* point = PointAt(record);
    RefuseGraphPoint(point, record);
    TFigure* base = CarrierAt(record);
    TFigure* base2 = CarrierAt(record);
    const long long rootChoice = record.Integer();
    if (rootChoice < 0 || rootChoice > 2) record.Fail(QStringLiteral("номер корня %1 не 0, 1 или 2").arg(rootChoice));
    if (!base && base2) record.Fail(QStringLiteral("вторая фигура пересечения без первой"));
    if (!m_scene.SetParents(point, base, base2, int(rootChoice)))
        record.Fail(QStringLiteral("точка %1 зависела бы сама от себя").arg(point->Index()));
    NoteDependency(point, record);
}

void SectionReader::ReadMorphing(RecordLine& record)
{
    TPoint* point = PointAt(record);
    RefuseGraphPoint(point, record);
    TPoint* source = PointAt(record);
    const long long kind = record.Integer();
    if (kind < int(MorphKind::Rotation) || kind > int(MorphKind::FixedOffset))
        record.Fail(QStringLiteral("неизвестный вид преобразования %1").arg(kind));
    TMorph morph;
    morph.Kind = MorphKind(kind);
    switch (MorphKind(kind)) {
    case MorphKind::Rotation:
    case MorphKind::Homothety:
        morph.Centre = PointAt(record);
        morph.Param = record.Real();
        break;
    case MorphKind::AxialSymmetry:
    case MorphKind::Translation: {
        const int index = record.Index(m_scene.FigureCount(), QStringLiteral("фигуры"));
        TFigure* figure = m_scene.Figure(index);
        const bool fits = MorphKind(kind) == MorphKind::Translation ? figure->Kind() == FigureKind::Vector
                                                                    : IsLineLike(figure->Kind());
        if (!fits)
            record.Fail(MorphKind(kind) == MorphKind::Translation
                            ? QStringLiteral("фигура %1 не вектор").arg(index)
                            : QStringLiteral("фигура %1 не прямая, луч или отрезок").arg(index));
        morph.Figure = static_cast<TFigureLine*>(figure);
        break;
    }
    case MorphKind::FixedOffset:
        morph.DX = record.Real();
        morph.DY = record.Real();
        break;
    case MorphKind::None:
        break;
    }
    if (!m_scene.SetMorph(point, source, morph))
        record.Fail(QStringLiteral("точка %1 зависела бы сама от себя").arg(point->Index()));
    NoteDependency(point, record);
}

QString FigureRecord(const TFigure& figure)
{
    QString text = FigureTag(figure.Kind()) + u' ' + BoolText(figure.Visible) + u' ' + QString::number(figure.Color);
    if (IsLineLike(figure.Kind())) {
        const auto& line = static_cast<const TFigureLine&>(figure);
        return text + u' ' + QString::number(line.P1->Index()) + u' ' + QString::number(line.P2->Index());
    }
    if (figure.Kind() == FigureKind::Circle1) {
        const auto& circle = static_cast<const TCircle1&>(figure);
        return text + u' ' + QString::number(circle.Center->Index()) + u' ' + FormatRecordReal(circle.Radius());
    }
    if (figure.Kind() == FigureKind::Circle2) {
        const auto& circle = static_cast<const TCircle2&>(figure);
        return text + u' ' + QString::number(circle.Center->Index()) + u' ' + QString::number(circle.OnCircle->Index());
    }
    const auto& polygon = static_cast<const TPolygon&>(figure);
    auto addVertex = [&text](geometry::Vec2 v) { text += u' ' + FormatRecordReal(v.x) + u' ' + FormatRecordReal(v.y); };
    for (geometry::Vec2 v : polygon.Vertices) addVertex(v);
    if (!polygon.Vertices.empty()) addVertex(polygon.Vertices.front()); // the outline closes on the first vertex
    if (!polygon.Caption.isEmpty()) text += QStringLiteral(" &") + polygon.Caption;
    return text;
}

QString MorphingRecord(const PlaneScene& scene, const TPoint& point)
{
    const TMorph& morph = point.Morph();
    QString text = kMorphingTag + u' ' + QString::number(point.Index()) + u' '
        + QString::number(point.Source()->Index()) + u' ' + QString::number(int(morph.Kind));
    switch (morph.Kind) {
    case MorphKind::Rotation:
    case MorphKind::Homothety:
        return text + u' ' + QString::number(morph.Centre->Index()) + u' ' + FormatRecordReal(morph.Param);
    case MorphKind::AxialSymmetry:
    case MorphKind::Translation:
        return text + u' ' + QString::number(scene.FigureIndex(morph.Figure));
    case MorphKind::FixedOffset:
        return text + u' ' + FormatRecordReal(morph.DX) + u' ' + FormatRecordReal(morph.DY);
    case MorphKind::None:
        break;
    }
    return text;
}

QString MeasureRecord(TMeasure& measure)
{
    const std::vector<TPoint*> points = measure.Points();
    QString text = points.size() == 2 ? kDistanceTag : kAngleTag;
    for (const TPoint* point : points) text += u' ' + QString::number(point->Index());
    return text;
}

} // namespace

PlaneSection ReadPlaneSection(const QStringList& lines, int firstLine)
{
    PlaneSection section;
    if (lines.isEmpty() || base::Trim(lines.front()).isEmpty())
        throw SceneFormatError(firstLine, QStringLiteral("нет строки с масштабом и центром"));
    section.Scene.SetCycleChecks(false);
    section.Algebra.SetCompilation(Compilation::Later);
    SectionReader reader(section);
    reader.Header(RecordLine(lines.front(), firstLine));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        RecordLine record(lines[i], firstLine + int(i));
        if (record.AtEnd()) break;
        const QString tag = record.Word();
        reader.Record(tag, std::move(record));
    }
    reader.CheckCycles();
    section.Scene.SetCycleChecks(true);
    section.Scene.RefreshExistence();
    section.Algebra.SetCompilation(Compilation::Now);
    section.Algebra.CompileAll();
    return section;
}

QStringList WritePlaneSection(const PlaneScene& scene, const PlaneView& view, const FunctionList* algebra)
{
    QStringList lines;
    auto headerReal = [](double value) { return base::FormatReal(value, base::Decimal::Point); };
    QString header = headerReal(view.Scale()) + u' ' + headerReal(view.CenterX()) + u' ' + headerReal(view.CenterY());
    for (int i = 0; i < PlaneScene::kParamCount; ++i)
        if (scene.Param(i) != 1) header += u' ' + QChar(u'a' + i) + kParamMark + headerReal(scene.Param(i));
    lines << header;
    for (int i = 0; i < scene.PointCount(); ++i) {
        const TPoint& point = *scene.Point(i);
        lines << kPointTag + u' ' + FormatRecordReal(point.X()) + u' ' + FormatRecordReal(point.Y()) + u' '
                + BoolText(point.Visible) + u' ' + point.Name();
    }
    for (int i = 0; i < scene.FigureCount(); ++i) lines << FigureRecord(*scene.Figure(i));
    for (int i = 0; i < scene.PointCount(); ++i) {
        const TPoint& point = *scene.Point(i);
        if (!point.Base()) continue;
        lines << kParentsTag + u' ' + QString::number(i) + u' ' + QString::number(scene.FigureIndex(point.Base()))
                + u' ' + QString::number(point.Base2() ? scene.FigureIndex(point.Base2()) : -1) + u' '
                + QString::number(point.RootChoice());
    }
    for (int i = 0; i < scene.PointCount(); ++i)
        if (scene.Point(i)->Source()) lines << MorphingRecord(scene, *scene.Point(i));
    for (int i = 0; i < scene.MeasureCount(); ++i) lines << MeasureRecord(*scene.Measure(i));
    if (algebra)
        for (int i = 0; i < algebra->Count(); ++i) lines << AlgebraRecord(*algebra, *algebra->At(i));
    for (int i = 0; i < scene.PointCount(); ++i) {
        const TFunction* graph = scene.Point(i)->Graph();
        // A graph outside the list written has no index: the point is saved free.
        const int index = graph && algebra ? algebra->IndexOf(graph) : -1;
        if (index >= 0) lines << kGraphTag + u' ' + QString::number(i) + u' ' + QString::number(index);
    }
    return lines;
}

} // namespace plane
