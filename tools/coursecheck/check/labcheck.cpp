#include "coursecheck/check/labcheck.h"
#include "labframe/file/labfile.h"
#include "labframe/file/labformats.h"
#include "labframe/file/labtable.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "base/apperror.h"
#include "programming/exampletree.h"
#include <QRegularExpression>

namespace coursecheck {

namespace {

const QString kLabsFolder = QStringLiteral("LABS\\");
const QString kIllustrationFolder = QStringLiteral("RIS\\");
const QString kExampleList = QStringLiteral("examples.txt");

// Labs that open with a scene of their own from their folder.
struct StartScene {
    int number;
    const char* file;
};
constexpr StartScene kStartScenes[] = {{5, "Clear.lab"}};

// Reads file as lab number's window would and reports where it stops.
void CheckAgainstLab(Report& report, const QString& file, int number)
{
    const labframe::LabFormat* format = labframe::FindLabFormat(number);
    if (!format) {
        report.Add(file, 1, MissingLabMessage(number));
        return;
    }
    ++report.coverage.labFiles;
    const labframe::LabFileText content = labframe::ReadLabFileText(file);
    const std::optional<labframe::LabRefusal> refusal =
        content.text ? labframe::CheckLabText(*format, *content.text) : labframe::LabRefusal{1, content.error};
    if (refusal)
        report.Add(file, refusal->line, QStringLiteral("лаборатория %1 не принимает файл: %2").arg(number).arg(refusal->message));
}

void CheckExampleFolder(Report& report, const QString& folder, int number)
{
    const QString listFile = folder + kExampleList;
    const std::optional<QStringList> lines = base::TryReadLines(listFile);
    if (!lines) return; // a lab without examples shows no examples button
    if (!LabImplemented(number)) {
        report.Add(listFile, 0, MissingLabMessage(number) + QStringLiteral(": примеры не открыть"));
        return;
    }
    for (int i = 0; i < lines->size(); ++i) {
        if (base::Trim(lines->at(i)).isEmpty()) continue;
        const QString file = folder + QString::number(i) + QStringLiteral(".LAB");
        if (!base::FileExists(file)) {
            report.Add(listFile, i + 1, QStringLiteral("у примера «%1» нет файла %2").arg(base::Trim(lines->at(i)), file));
            continue;
        }
        CheckAgainstLab(report, file, number);
    }
}

// The programming lab's example list, read as the lab reads it, and the
// source of every example in it.
void CheckProgramExamples(Report& report)
{
    const QString& listFile = programming::kExampleListFile;
    const std::optional<QStringList> lines = base::TryReadLines(listFile);
    if (!lines) return; // the lab then shows no examples
    try {
        const programming::ExampleTree tree = programming::ReadExampleTree(*lines);
        for (const programming::ExampleGroup& group : tree.groups)
            for (const programming::ProgramExample& example : group.examples) {
                const QString source = programming::ExampleSourcePath(example.code);
                if (base::FileExists(source)) continue;
                const int line = int(lines->indexOf(QRegularExpression(
                                     QStringLiteral("^\\s*") + QRegularExpression::escape(example.code) + QStringLiteral("\\s.*")))) + 1;
                report.Add(listFile, line, QStringLiteral("у примера «%1» нет файла %2").arg(example.title, source));
            }
    } catch (const base::LineError& error) {
        report.Add(listFile, error.line(), error.reason());
    }
}

} // namespace

bool LabImplemented(int number) { return labframe::FindLabFormat(number) != nullptr; }

QString MissingLabMessage(int number)
{
    if (!labframe::IsLabNumber(number)) return QStringLiteral("нет лаборатории с номером %1").arg(number);
    if (!LabImplemented(number)) return QStringLiteral("лаборатория %1 в программе не реализована").arg(number);
    return {};
}

void CheckLabFile(Report& report, const QString& file)
{
    const std::optional<int> number = labframe::ReadLabNumber(file);
    if (!number) {
        report.Add(file, 1, QStringLiteral("в первой строке нет номера лаборатории"));
        return;
    }
    CheckAgainstLab(report, file, *number);
}

void CheckLabExamples(Report& report)
{
    static const QRegularExpression labFolder(QStringLiteral("^LAB(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : base::ListFiles(kLabsFolder + u'*')) {
        const QString folder = kLabsFolder + name + u'\\';
        const QRegularExpressionMatch match = labFolder.match(name);
        if (!match.hasMatch() || !base::FolderExists(folder)) continue;
        const int number = match.captured(1).toInt();
        CheckExampleFolder(report, folder, number);
        for (const StartScene& scene : kStartScenes) {
            const QString file = folder + QString::fromLatin1(scene.file);
            if (scene.number != number || !LabImplemented(number)) continue;
            if (base::FileExists(file)) CheckAgainstLab(report, file, number);
            else report.Add(folder, 0, QStringLiteral("нет начальной сцены лаборатории %1: %2").arg(number).arg(file));
        }
    }
    CheckProgramExamples(report);
}

void CheckIllustrations(Report& report)
{
    for (const QString& name : base::ListFiles(kIllustrationFolder + QStringLiteral("*.LAB")))
        CheckLabFile(report, kIllustrationFolder + name);
}

} // namespace coursecheck
