#include "coursecheck/check/labcheck.h"
#include "labframe/labfile.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include <QRegularExpression>

namespace coursecheck {

namespace {

const QString kLabsFolder = QStringLiteral("LABS\\");
const QString kIllustrationFolder = QStringLiteral("RIS\\");
const QString kExampleList = QStringLiteral("examples.txt");

// Loads file into lab number's window and reports what the lab frame says.
void LoadInto(Report& report, MessageCollector& messages, const QString& file, int number)
{
    labframe::TfmLab* lab = labframe::CreateLab(number);
    if (!lab) {
        report.Add(file, 1, MissingLabMessage(number));
        return;
    }
    ++report.coverage.labFiles;
    messages.Take();
    const bool loaded = lab->LoadLabFile(file);
    const QStringList shown = messages.Take();
    if (!loaded || !shown.isEmpty()) {
        const QString why = shown.isEmpty() ? QStringLiteral("файл не загружается") : shown.join(QStringLiteral("; "));
        report.Add(file, 1, QStringLiteral("лаборатория %1 не принимает файл: %2").arg(number).arg(why));
    }
}

void CheckExampleFolder(Report& report, MessageCollector& messages, const QString& folder, int number)
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
        LoadInto(report, messages, file, number);
    }
}

} // namespace

bool LabImplemented(int number) { return labframe::CreateLab(number) != nullptr; }

QString MissingLabMessage(int number)
{
    if (!labframe::IsLabNumber(number)) return QStringLiteral("нет лаборатории с номером %1").arg(number);
    if (!LabImplemented(number)) return QStringLiteral("лаборатория %1 в программе не реализована").arg(number);
    return {};
}

void CheckLabFile(Report& report, MessageCollector& messages, const QString& file)
{
    const std::optional<int> number = labframe::ReadLabNumber(file);
    if (!number) {
        report.Add(file, 1, QStringLiteral("в первой строке нет номера лаборатории"));
        return;
    }
    LoadInto(report, messages, file, *number);
}

void CheckLabExamples(Report& report, MessageCollector& messages)
{
    static const QRegularExpression labFolder(QStringLiteral("^LAB(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : base::ListFiles(kLabsFolder + u'*')) {
        const QString folder = kLabsFolder + name + u'\\';
        const QRegularExpressionMatch match = labFolder.match(name);
        if (match.hasMatch() && base::FolderExists(folder))
            CheckExampleFolder(report, messages, folder, match.captured(1).toInt());
    }
}

void CheckIllustrations(Report& report, MessageCollector& messages)
{
    for (const QString& name : base::ListFiles(kIllustrationFolder + QStringLiteral("*.LAB")))
        CheckLabFile(report, messages, kIllustrationFolder + name);
}

} // namespace coursecheck
