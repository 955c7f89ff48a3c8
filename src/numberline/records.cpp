#include "numberline/records.h"
#include "base/recordwords.h"
#include <cmath>

namespace numberline {

namespace {

const QString kPointTag = QStringLiteral("TPoint:");
const QString kSegmentTag = QStringLiteral("TSegment:");
const QString kRayTag = QStringLiteral("TLuch:");
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
// A point record's x and y are far larger than any view shows only in a
// damaged file; such values are brought back to this bound.
constexpr double kMaxCoordinate = 1e12;

QString Flag(bool value) { return value ? kTrue : kFalse; }

// One record line; a point record also carries its formula.
class RecordLine : public base::RecordWords<SectionFormatError> {
public:
    using RecordWords::RecordWords;

    // The run of bracket groups from here on; it must be followed by the end
    // or a blank.
    QString Formula()
    {
        SkipBlanks();
        const qsizetype start = m_pos;
        if (m_pos >= m_text.size() || m_text[m_pos] != u'[') Fail(QStringLiteral("нет формулы точки"));
        while (m_pos < m_text.size() && m_text[m_pos] == u'[') {
            int depth = 0;
            do {
                if (m_pos >= m_text.size()) Fail(QStringLiteral("не закрыта скобка в формуле точки"));
                if (m_text[m_pos] == u'[') ++depth;
                else if (m_text[m_pos] == u']') --depth;
                ++m_pos;
            } while (depth > 0);
        }
        if (m_pos < m_text.size() && m_text[m_pos] != u' ') Fail(QStringLiteral("лишние знаки после формулы точки"));
        return m_text.mid(start, m_pos - start);
    }
};

void ReadHeader(RecordLine record, NumberLineSection& section)
{
    const double scale = record.Real(QStringLiteral("масштаб"));
    const double centre = record.Real(QStringLiteral("центр"));
    LineView view;
    if (!view.SetScale(scale)) record.Fail(QStringLiteral("масштаб должен быть больше нуля"));
    view.SetCenter(centre);
    section.Scale = view.Scale();
    section.CenterX = view.CenterX();
    while (!record.AtEnd()) {
        const QString pair = record.Word();
        const qsizetype equals = pair.indexOf(u'=');
        const QString name = pair.left(equals);
        const std::optional<int> index = equals > 0 ? ParameterIndex(name) : std::nullopt;
        const auto value = base::ParseReal(pair.mid(equals + 1), base::Decimal::Point);
        if (!index || !value || !section.Scene.SetParameter(name, *value))
            record.Fail(QStringLiteral("ожидается параметр вида a=2: ") + pair);
    }
}

double Coordinate(RecordLine& record, const QString& what)
{
    return std::clamp(record.Real(what), -kMaxCoordinate, kMaxCoordinate);
}

void ReadPoint(RecordLine& record, NumberLineScene& scene)
{
    const double x = Coordinate(record, QStringLiteral("x"));
    const double y = Coordinate(record, QStringLiteral("y"));
    const bool visible = record.Flag(QStringLiteral("видимость"));
    const bool included = record.Flag(QStringLiteral("включение"));
    const QString formula = record.Formula();
    const QString name = record.Rest();
    TPoint& point = scene.AddPoint(formula);
    point.Visible = visible;
    point.Included = included;
    point.SetName(name);
    point.X = x;
    point.Y = y;
}

TPoint& PointAt(RecordLine& record, const NumberLineScene& scene)
{
    const long long index = record.Integer(QStringLiteral("номер точки"));
    if (index < 0 || index >= (long long)scene.Points().size())
        record.Fail(QStringLiteral("нет точки с номером %1").arg(index));
    return *scene.Points()[size_t(index)];
}

void ReadFigureTail(RecordLine& record, TFigure& figure)
{
    figure.Visible = record.Flag(QStringLiteral("видимость"));
    const long long colour = record.Integer(QStringLiteral("цвет"));
    if (colour < 0 || colour > base::kBgrMask) record.Fail(QStringLiteral("цвет вне пределов: %1").arg(colour));
    figure.Color = base::Bgr(colour);
    record.ExpectEnd();
}

void ReadRecord(RecordLine record, NumberLineScene& scene)
{
    const QString tag = record.Word();
    if (tag == kPointTag) {
        ReadPoint(record, scene);
    } else if (tag == kSegmentTag) {
        TPoint& p1 = PointAt(record, scene);
        TPoint& p2 = PointAt(record, scene);
        ReadFigureTail(record, scene.AddSegment(p1, p2, base::colour::kBlack));
    } else if (tag == kRayTag) {
        TPoint& origin = PointAt(record, scene);
        const bool toRight = record.Flag(QStringLiteral("направление"));
        ReadFigureTail(record, scene.AddRay(origin, toRight, base::colour::kBlack));
    } else {
        record.Fail(QStringLiteral("неизвестная запись: ") + tag);
    }
}

} // namespace

SectionFormatError::SectionFormatError(int line, const QString& reason)
    : base::LineError(line, reason)
{
}

NumberLineSection ReadNumberLineSection(const QStringList& lines, int firstLine)
{
    NumberLineSection section;
    if (lines.isEmpty() || lines.front().trimmed().isEmpty())
        throw SectionFormatError(firstLine, QStringLiteral("нет строки с масштабом и центром"));
    ReadHeader(RecordLine(lines.front(), firstLine), section);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) break;
        ReadRecord(RecordLine(lines[i], firstLine + int(i)), section.Scene);
    }
    return section;
}

namespace {

QString HeaderRecord(const NumberLineScene& scene, const LineView& view)
{
    QString text = base::FormatReal(view.Scale(), base::Decimal::Point) + u' '
        + base::FormatReal(view.CenterX(), base::Decimal::Point);
    for (int i = 0; i < kParameterCount; ++i) {
        if (scene.Parameter(i) == 1) continue;
        text += u' ' + QChar(u'a' + i) + u'=' + base::FormatReal(scene.Parameter(i), base::Decimal::Point);
    }
    return text;
}

QString PointRecord(const TPoint& point)
{
    const QString formula = point.FormulaText().isEmpty() ? QStringLiteral("[]") : point.FormulaText();
    return kPointTag + u' ' + FormatRecordReal(point.X) + u' ' + FormatRecordReal(point.Y) + u' '
        + Flag(point.Visible) + u' ' + Flag(point.Included) + u' ' + formula + u' ' + point.Name();
}

QString FigureRecord(const NumberLineScene& scene, const TFigure& figure)
{
    const QString tail = u' ' + Flag(figure.Visible) + u' ' + QString::number(figure.Color);
    if (figure.Kind() == FigureKind::Segment) {
        const auto& segment = static_cast<const TSegment&>(figure);
        return kSegmentTag + u' ' + QString::number(scene.PointIndex(segment.P1)) + u' '
            + QString::number(scene.PointIndex(segment.P2)) + tail;
    }
    const auto& ray = static_cast<const TLuch&>(figure);
    return kRayTag + u' ' + QString::number(scene.PointIndex(ray.P1)) + u' ' + Flag(ray.ToRight) + tail;
}

} // namespace

QStringList WriteNumberLineSection(const NumberLineScene& scene, const LineView& view)
{
    QStringList lines{HeaderRecord(scene, view)};
    for (const auto& point : scene.Points()) lines.append(PointRecord(*point));
    for (const auto& figure : scene.Figures()) lines.append(FigureRecord(scene, *figure));
    return lines;
}

} // namespace numberline
