#include "orindo-render/render/labrender.h"
#include "labframe/file/labfile.h"
#include "labframe/file/labformats.h"
#include "labframe/file/labtable.h"
#include "base/colours.h"
#include <QFileInfo>
#include <QPainter>

namespace labrender {

namespace {

constexpr int kFirstLine = 1;

RenderResult Refused(int line, const QString& message) { return {QImage(), RenderRefusal{line, message}}; }

bool SizeFits(QSize size)
{
    return size.width() >= 1 && size.width() <= kMaxSide && size.height() >= 1 && size.height() <= kMaxSide;
}

// A window line the lab window would stop at (a number field that is not a
// number, sizes beyond their limits), when the lab's format is registered.
// The engine section is left to the renderer, which names its exact lines.
std::optional<RenderRefusal> CheckWindowLines(const labframe::LabFileData& data)
{
    const labframe::LabFormat* format = labframe::FindLabFormat(data.number);
    if (!format) return std::nullopt;
    labframe::LabFormat windowOnly = *format;
    windowOnly.readEngine = nullptr;
    const std::optional<labframe::LabRefusal> refusal = labframe::CheckLabData(windowOnly, data);
    if (!refusal) return std::nullopt;
    return RenderRefusal{refusal->line, refusal->message};
}

} // namespace

std::optional<int> ParseSide(const QString& text)
{
    bool ok = false;
    const int side = text.trimmed().toInt(&ok);
    if (!ok || side < 1 || side > kMaxSide) return std::nullopt;
    return side;
}

RenderResult RenderLabText(const QString& text, QSize size)
{
    if (!SizeFits(size))
        return Refused(0, QStringLiteral("размер рисунка %1×%2 вне пределов от 1 до %3 точек")
                              .arg(size.width()).arg(size.height()).arg(kMaxSide));
    labframe::LabFileData data;
    try {
        data = labframe::ReadLabData(text);
    } catch (const base::AppError&) {
        return Refused(kFirstLine, QStringLiteral("в первой строке нет номера лаборатории"));
    }
    if (!labframe::IsLabNumber(data.number))
        return Refused(kFirstLine, QStringLiteral("нет лаборатории с номером %1").arg(data.number));
    const SceneRenderer* renderer = FindRenderer(data.number);
    if (!renderer)
        return Refused(kFirstLine, QStringLiteral("сцену лаборатории %1 («%2») нарисовать без ее окна нельзя")
                                       .arg(data.number).arg(labframe::LabCaption(data.number)));

    if (const std::optional<RenderRefusal> refusal = CheckWindowLines(data)) return {QImage(), refusal};

    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return Refused(0, QStringLiteral("не хватает памяти для рисунка %1×%2").arg(size.width()).arg(size.height()));
    image.fill(base::BgrColor(base::colour::kWhite));
    QPainter painter(&image);
    try {
        (*renderer)(data, painter, size);
    } catch (const RenderError& error) {
        return {QImage(), error.refusal()};
    }
    painter.end();
    return {image, std::nullopt};
}

RenderResult RenderLabFile(const QString& path, QSize size)
{
    const QFileInfo info(path);
    if (!info.isFile()) return Refused(0, QStringLiteral("файл не найден"));
    const labframe::LabFileText content = labframe::ReadLabFileText(info.absoluteFilePath());
    if (!content.text) return Refused(0, content.error);
    return RenderLabText(*content.text, size);
}

} // namespace labrender
