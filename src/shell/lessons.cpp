#include "shell/lessons.h"
#include "base/apperror.h"
#include "base/coursefiles.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "base/treetext.h"
#include <QFile>

namespace shell {
namespace {

void CollectNodes(const std::vector<base::TreeNode>& nodes, QStringList& into, int wanted)
{
    for (const base::TreeNode& node : nodes) {
        if (into.size() >= wanted) return;
        into.append(node.text);
        CollectNodes(node.children, into, wanted);
    }
}

// The number in characters 5 to 8 of a lesson file name; -1 when they are
// not four digits.
int LessonNumber(const QString& fileName)
{
    if (!fileName.startsWith(base::kLessonPrefix, Qt::CaseInsensitive)) return -1;
    const QString digits = fileName.mid(base::kLessonPrefix.size(), 4);
    if (digits.size() != 4) return -1;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9') return -1;
    return digits.toInt();
}

} // namespace

QStringList ReadLessonGroups(const QString& file)
{
    const std::optional<QStringList> lines = base::TryReadLines(file);
    if (!lines) throw base::AppError(QStringLiteral("Не удается открыть файл ") + file);
    QStringList groups;
    CollectNodes(base::ReadTreeText(*lines), groups, 3);
    return groups;
}

QString NextLessonCode(const QStringList& fileNames)
{
    int highest = 0;
    for (const QString& name : fileNames) highest = std::max(highest, LessonNumber(name));
    return base::kLessonPrefix + base::PadNumber(highest + 1, 4, QLatin1Char('0'));
}

QStringList LessonFileLines(const LessonPages& pages)
{
    QStringList lines;
    for (const QStringList& group : pages) {
        QString line;
        for (const QString& code : group) line += QLatin1Char(' ') + code;
        lines.append(line);
    }
    return lines;
}

namespace {
// Attempts at a lesson number before giving up: each failed one means that
// another teacher took that number in the same moment.
constexpr int kNumberAttempts = 100;

// Claims the next free lesson number by making its file, which succeeds for
// one writer only when two teachers save at once; empty when none is free.
QString ClaimLessonCode()
{
    for (int attempt = 0; attempt < kNumberAttempts; ++attempt) {
        const QString code =
            NextLessonCode(base::ListFiles(base::kLessonFolder + base::kLessonPrefix + QStringLiteral("*.CFG")));
        QFile claim(base::RealPath(base::kLessonFolder + code + QStringLiteral(".CFG")));
        if (claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return code;
        if (!claim.exists()) return {}; // the folder cannot be written at all
    }
    return {};
}

QString LessonCodeOf(const QString& line) { return line.section(QLatin1Char(' '), 0, 0); }
} // namespace

LessonSaved SaveLesson(base::SharedChanges& changes, int section, const QString& title, const LessonPages& pages)
{
    const QString listFile = base::LessonsFile(section);
    if (!base::TryReadLines(listFile))
        return {{}, QStringLiteral("Не удается открыть файл ") + listFile + QStringLiteral(". Урок не сохранен.")};
    base::ForceFolder(base::kLessonFolder);
    const QString code = ClaimLessonCode();
    const QString lessonFile = base::kLessonFolder + code + QStringLiteral(".CFG");
    if (code.isEmpty() || !base::WriteLines(lessonFile, LessonFileLines(pages))) {
        if (!code.isEmpty()) QFile::remove(base::RealPath(lessonFile));
        return {{}, QStringLiteral("Не удается записать урок в папку ") + base::kLessonFolder};
    }
    const QString entry = code + QLatin1Char(' ') + title;
    const base::SharedChangeResult listed = changes.Apply(listFile, [entry](QStringList& lines, bool) {
        lines.append(entry);
        return true;
    });
    // A list that is busy gets the entry with the next change; the lesson
    // file stays for it.
    return {code, base::SharedChangeMessage(listed.status, listFile)};
}

base::SharedChangeStatus RemoveLessonEntry(base::SharedChanges& changes, int section, const QString& code)
{
    return changes
        .Apply(base::LessonsFile(section),
               [code](QStringList& lines, bool) {
                   return lines.removeIf([&](const QString& line) {
                       return LessonCodeOf(line).compare(code, Qt::CaseInsensitive) == 0;
                   }) > 0;
               })
        .status;
}

} // namespace shell
