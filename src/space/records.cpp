#include "space/records.h"
#include "space/images.h"
#include "space/solids.h"
#include "base/recordwords.h"
#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace space {

namespace {

const QString kPointTag = QStringLiteral("TPoint:");
const QString kParentsTag = QStringLiteral("Parents:");
const QString kMorphingTag = QStringLiteral("Morphing:");
const QString kDistanceTag = QStringLiteral("TDistance:");
const QString kAngleTag = QStringLiteral("TAngle:");
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
constexpr int kMeetsInSpace = 1;
constexpr int kOnOneObject = 0;

struct FigureTag {
    FigureKind kind;
    const char* tag;
};
constexpr FigureTag kFigureTags[] = {
    {FigureKind::Line, "TLine:"},   {FigureKind::Ray, "TLuch:"},   {FigureKind::Segment, "TSegment:"},
    {FigureKind::Vector, "TVector:"}, {FigureKind::Face, "TGrane:"}, {FigureKind::Plane, "TPlane:"},
    {FigureKind::Section, "TPlaneCut:"},
};

QString TagOf(FigureKind kind)
{
    for (const FigureTag& t : kFigureTags)
        if (t.kind == kind) return QString::fromLatin1(t.tag);
    return {};
}

std::optional<FigureKind> KindOfTag(const QString& tag)
{
    for (const FigureTag& t : kFigureTags)
        if (tag == QLatin1String(t.tag)) return t.kind;
    return std::nullopt;
}

QString Flag(bool value) { return value ? kTrue : kFalse; }

using RecordLine = base::RecordWords<SectionFormatError>;

class SectionReader {
public:
    explicit SectionReader(SpaceSection& section) : m_section(section), m_scene(section.Scene) {}

    void Header(RecordLine record)
    {
        const double scale = record.Real(QStringLiteral("масштаб"));
        const double x = record.Real(QStringLiteral("центр x"));
        const double y = record.Real(QStringLiteral("центр y"));
        SpaceView view;
        if (!view.SetScale(scale)) record.Fail(QStringLiteral("масштаб должен быть больше нуля"));
        view.SetCenter(x, y);
        m_section.Scale = view.Scale();
        m_section.CenterX = view.CenterX();
        m_section.CenterY = view.CenterY();
    }

    void Record(RecordLine record)
    {
        if (record.AtEnd()) return;
        const QString tag = record.Word();
        if (tag == kPointTag) Point(record);
        else if (const auto kind = KindOfTag(tag)) Figure(record, *kind);
        else if (tag == kParentsTag) Parents(record);
        else if (tag == kMorphingTag) Morphing(record);
        else if (tag == kDistanceTag) Distance(record);
        else if (tag == kAngleTag) Angle(record);
    }

private:
    void Point(RecordLine& record)
    {
        const double x = Coordinate(record, QStringLiteral("x"));
        const double y = Coordinate(record, QStringLiteral("y"));
        const double z = Coordinate(record, QStringLiteral("z"));
        const bool visible = record.Flag(QStringLiteral("видимость"));
        TPoint& point = m_scene.AddPoint({x, y, z});
        point.Visible = visible;
        point.Name = record.Rest();
    }

    void Figure(RecordLine& record, FigureKind kind)
    {
        const bool visible = record.Flag(QStringLiteral("видимость"));
        const long long colour = record.Integer(QStringLiteral("цвет"));
        // Faces and sections carry their solid's identifier, which is no colour.
        const bool solidPart = kind == FigureKind::Face || kind == FigureKind::Section;
        const long long largest = solidPart ? kMaxSolidIdentifier : base::kBgrMask;
        if (colour < 0 || colour > largest) record.Fail(QStringLiteral("цвет вне пределов: %1").arg(colour));
        TFigure* figure = nullptr;
        if (IsLineKind(kind)) {
            TPoint& p1 = PointAt(record);
            TPoint& p2 = PointAt(record);
            record.ExpectEnd();
            figure = m_scene.AddLineFigure(kind, p1, p2, base::Bgr(colour));
            if (!figure) record.Fail(QStringLiteral("обе точки линии - одна и та же точка"));
        } else {
            std::vector<TPoint*> vertices;
            while (!record.AtEnd()) vertices.push_back(&PointAt(record));
            if (kind != FigureKind::Face && vertices.size() != 3)
                record.Fail(QStringLiteral("плоскость и сечение задаются тремя точками, а не %1").arg(vertices.size()));
            figure = m_scene.AddPlaneFigure(kind, vertices, base::Bgr(colour));
            if (!figure) record.Fail(QStringLiteral("у грани или плоскости меньше трех различных вершин"));
        }
        figure->Visible = visible;
    }

    void Parents(RecordLine& record)
    {
        const int index = PointIndex(record);
        TPoint& point = *m_scene.Points()[size_t(index)];
        const long long baseIndex = record.Integer(QStringLiteral("номер объекта"));
        const long long base2Index = record.Integer(QStringLiteral("номер второго объекта"));
        const long long meet = record.Integer(QStringLiteral("признак пересечения"));
        record.ExpectEnd();
        if (meet != kOnOneObject && meet != kMeetsInSpace && meet != kNotThereFlag)
            record.Fail(QStringLiteral("признак пересечения должен быть 0, 1 или -1: %1").arg(meet));
        ExpectNoRelation(record, point, index);
        TFigure* base = OptionalFigure(record, baseIndex);
        TFigure* base2 = OptionalFigure(record, base2Index);
        if (!base && base2) record.Fail(QStringLiteral("второй объект без первого"));
        if (base && base2) {
            if (!base->IsLine())
                record.Fail(QStringLiteral("точка пересечения: на месте прямой стоит плоскость или грань (фигура %1)")
                                .arg(baseIndex));
            if (base == base2) record.Fail(QStringLiteral("точка пересечения фигуры с самой собой"));
        }
        point.Base = base;
        point.Base2 = base2;
        point.MeetFlag = int(meet);
        ExpectEarlierDependencies(record, point, index);
    }

    void Morphing(RecordLine& record)
    {
        const int index = PointIndex(record);
        TPoint& point = *m_scene.Points()[size_t(index)];
        TPoint& source = PointAt(record);
        const long long kind = record.Integer(QStringLiteral("вид преобразования"));
        Morph morph;
        switch (kind) {
        case int(MorphKind::Rotation):
            morph.Element = &FigureAt(record);
            if (!morph.Element->IsLine()) record.Fail(QStringLiteral("ось поворота должна быть линией"));
            morph.Param = record.Real(QStringLiteral("угол"));
            break;
        case int(MorphKind::Mirror):
            morph.Element = &FigureAt(record);
            if (!morph.Element->IsPlane()) record.Fail(QStringLiteral("плоскость симметрии должна быть плоскостью"));
            break;
        case int(MorphKind::Translation):
            morph.Element = &FigureAt(record);
            if (morph.Element->Kind() != FigureKind::Vector) record.Fail(QStringLiteral("сдвиг задается вектором"));
            break;
        case int(MorphKind::Homothety):
            morph.Centre = &PointAt(record);
            morph.Param = record.Real(QStringLiteral("коэффициент"));
            if (!HomothetyFactorAllowed(morph.Param)) record.Fail(QStringLiteral("коэффициент гомотетии равен нулю"));
            break;
        default:
            record.Fail(QStringLiteral("неизвестный вид преобразования: %1").arg(kind));
        }
        record.ExpectEnd();
        morph.Kind = MorphKind(kind);
        ExpectNoRelation(record, point, index);
        point.Source = &source;
        point.Morphing = morph;
        ExpectEarlierDependencies(record, point, index);
    }

    void Distance(RecordLine& record)
    {
        TPoint& a = PointAt(record);
        TPoint& b = PointAt(record);
        record.ExpectEnd();
        m_scene.AddDistance(a, b);
    }

    void Angle(RecordLine& record)
    {
        TPoint& a = PointAt(record);
        TPoint& v = PointAt(record);
        TPoint& b = PointAt(record);
        record.ExpectEnd();
        m_scene.AddAngle(a, v, b);
    }

    static double Coordinate(RecordLine& record, const QString& what)
    {
        return std::clamp(record.Real(what), -kMaxCoordinate, kMaxCoordinate);
    }

    int PointIndex(RecordLine& record)
    {
        const long long index = record.Integer(QStringLiteral("номер точки"));
        if (index < 0 || index >= (long long)m_scene.Points().size())
            record.Fail(QStringLiteral("нет точки с номером %1").arg(index));
        return int(index);
    }
    TPoint& PointAt(RecordLine& record) { return *m_scene.Points()[size_t(PointIndex(record))]; }

    TFigure& FigureAt(RecordLine& record)
    {
        const long long index = record.Integer(QStringLiteral("номер фигуры"));
        TFigure* figure = OptionalFigure(record, index);
        if (!figure) record.Fail(QStringLiteral("нет фигуры с номером %1").arg(index));
        return *figure;
    }
    // A negative index means none.
    TFigure* OptionalFigure(RecordLine& record, long long index)
    {
        if (index < 0) return nullptr;
        if (index >= (long long)m_scene.Figures().size()) record.Fail(QStringLiteral("нет фигуры с номером %1").arg(index));
        return m_scene.Figures()[size_t(index)].get();
    }

    void ExpectNoRelation(RecordLine& record, const TPoint& point, int index)
    {
        if (!m_related.insert(index).second)
            record.Fail(QStringLiteral("у точки %1 уже задано, от чего она зависит").arg(index));
    }

    // Points are built only from what existed before them, so a point may
    // depend only on points with smaller numbers: this rules out a point
    // that depends on itself, directly or through others.
    void ExpectEarlierDependencies(RecordLine& record, const TPoint& point, int index)
    {
        for (const TPoint* behind : SpaceScene::PointsBehind(point))
            if (m_scene.PointIndex(behind) >= index)
                record.Fail(QStringLiteral("точка %1 зависит от самой себя или от точки с большим номером").arg(index));
    }

    SpaceSection& m_section;
    SpaceScene& m_scene;
    std::unordered_set<int> m_related;
};

QString HeaderRecord(const SpaceView& view)
{
    return base::FormatReal(view.Scale(), base::Decimal::Point) + u' '
        + base::FormatReal(view.CenterX(), base::Decimal::Point) + u' '
        + base::FormatReal(view.CenterY(), base::Decimal::Point);
}

QString PointRecord(const TPoint& point)
{
    return kPointTag + u' ' + base::FormatRecordReal(point.X) + u' ' + base::FormatRecordReal(point.Y) + u' '
        + base::FormatRecordReal(point.Z) + u' ' + Flag(point.Visible) + u' ' + point.Name;
}

QString FigureRecord(const SpaceScene& scene, const TFigure& figure)
{
    QString text = TagOf(figure.Kind()) + u' ' + Flag(figure.Visible) + u' ' + QString::number(figure.Color);
    for (const TPoint* p : figure.DefiningPoints()) text += u' ' + QString::number(scene.PointIndex(p));
    return text;
}

QString ParentsRecord(const SpaceScene& scene, const TPoint& point)
{
    const int there = point.IsIntersection() ? kMeetsInSpace : kOnOneObject;
    const int meet = point.Present ? there : kNotThereFlag;
    return kParentsTag + u' ' + QString::number(scene.PointIndex(&point)) + u' '
        + QString::number(scene.FigureIndex(point.Base)) + u' '
        + QString::number(point.Base2 ? scene.FigureIndex(point.Base2) : -1) + u' ' + QString::number(meet);
}

QString MorphingRecord(const SpaceScene& scene, const TPoint& point)
{
    const Morph& morph = point.Morphing;
    QString text = kMorphingTag + u' ' + QString::number(scene.PointIndex(&point)) + u' '
        + QString::number(scene.PointIndex(point.Source)) + u' ' + QString::number(int(morph.Kind)) + u' ';
    switch (morph.Kind) {
    case MorphKind::Rotation:
        text += u' ' + QString::number(scene.FigureIndex(morph.Element)) + u' ' + base::FormatRecordReal(morph.Param);
        break;
    case MorphKind::Mirror:
    case MorphKind::Translation:
        text += u' ' + QString::number(scene.FigureIndex(morph.Element));
        break;
    case MorphKind::Homothety:
        text += u' ' + QString::number(scene.PointIndex(morph.Centre)) + u' ' + base::FormatRecordReal(morph.Param);
        break;
    case MorphKind::None:
        break;
    }
    return text;
}

QString MeasureRecord(const SpaceScene& scene, const TMeasure& measure)
{
    QString text = dynamic_cast<const TDistance*>(&measure) ? kDistanceTag : kAngleTag;
    for (const TPoint* p : measure.DefiningPoints()) text += u' ' + QString::number(scene.PointIndex(p));
    return text;
}

} // namespace

SpaceSection ReadSpaceSection(const QStringList& lines, int firstLine)
{
    SpaceSection section;
    if (lines.isEmpty() || lines.front().trimmed().isEmpty())
        throw SectionFormatError(firstLine, QStringLiteral("нет строки с масштабом и центром"));
    SectionReader reader(section);
    reader.Header(RecordLine(lines.front(), firstLine));
    for (qsizetype i = 1; i < lines.size(); ++i) reader.Record(RecordLine(lines[i], firstLine + int(i)));
    section.Scene.RefreshPresence();
    return section;
}

QStringList WriteSpaceSection(const SpaceScene& scene, const SpaceView& view)
{
    QStringList lines{HeaderRecord(view)};
    for (const auto& point : scene.Points()) lines.append(PointRecord(*point));
    for (const auto& figure : scene.Figures()) lines.append(FigureRecord(scene, *figure));
    for (const auto& point : scene.Points())
        if (point->Base) lines.append(ParentsRecord(scene, *point));
    for (const auto& point : scene.Points())
        if (point->Source) lines.append(MorphingRecord(scene, *point));
    for (const auto& measure : scene.Measures()) lines.append(MeasureRecord(scene, *measure));
    return lines;
}

} // namespace space
