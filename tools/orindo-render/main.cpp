// orindo-render LAB PNG WIDTH HEIGHT: draws the scene of a lab file, as its
// lab's engine draws it but without the lab's window and panels, to a PNG
// picture of WIDTH × HEIGHT pixels at the view the file keeps.
//
// Exit status: 0 when the picture is written; 1 when the lab file cannot be
// read or is refused ("<file>:<line>: <message>" on standard error), or the
// picture cannot be written; 2 for a wrong command line.
#include "orindo-render/render/labrender.h"
#include "labs/formats/labformats.h"
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kWrongCall = 2;
constexpr int kArgumentCount = 5;

void Say(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

int Usage()
{
    Say(QStringLiteral("Вызов: orindo-render ЛАБ_ФАЙЛ PNG_ФАЙЛ ШИРИНА ВЫСОТА\n"
                       "Рисует сцену файла лаборатории в рисунок PNG заданного размера (от 1 до %1 точек по каждой стороне).")
            .arg(labrender::kMaxSide));
    return kWrongCall;
}

bool WritePng(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != kArgumentCount) return Usage();
    const QString& labFile = arguments[1];
    const QString& pngFile = arguments[2];

    const std::optional<int> width = labrender::ParseSide(arguments[3]);
    const std::optional<int> height = labrender::ParseSide(arguments[4]);
    if (!width || !height) {
        Say(QStringLiteral("orindo-render: %1 «%2» должна быть целым числом от 1 до %3")
                .arg(width ? QStringLiteral("высота") : QStringLiteral("ширина"), width ? arguments[4] : arguments[3])
                .arg(labrender::kMaxSide));
        return kWrongCall;
    }

    labformats::RegisterLabFormats();
    const labrender::RenderResult result = labrender::RenderLabFile(labFile, QSize(*width, *height));
    if (result.refusal) {
        const labrender::RenderRefusal& refusal = *result.refusal;
        Say(refusal.line > 0 ? QStringLiteral("%1:%2: %3").arg(labFile).arg(refusal.line).arg(refusal.message)
                             : QStringLiteral("%1: %2").arg(labFile, refusal.message));
        return kRefused;
    }
    if (!WritePng(result.image, pngFile)) {
        Say(QStringLiteral("%1: не удается записать рисунок").arg(pngFile));
        return kRefused;
    }
    return kDone;
}
