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

LessonSaved SaveLesson(int section, const QString& title, const LessonPages& pages)
{
    const QString listFile = base::LessonsFile(section);
    std::optional<QStringList> list = base::TryReadLines(listFile);
    if (!list) return {{}, QStringLiteral("Не удается открыть файл ") + listFile + QStringLiteral(". Урок не сохранен.")};
    base::ForceFolder(base::kLessonFolder);
    const QString code = NextLessonCode(base::ListFiles(base::kLessonFolder + base::kLessonPrefix + QStringLiteral("*.CFG")));
    const QString lessonFile = base::kLessonFolder + code + QStringLiteral(".CFG");
    if (!base::WriteLines(lessonFile, LessonFileLines(pages)))
        return {{}, QStringLiteral("Не удается записать урок в папку ") + base::kLessonFolder};
    list->append(code + QLatin1Char(' ') + title);
    if (!base::WriteLines(listFile, *list)) {
        // A lesson nobody can find would only take a number: take it back.
        QFile::remove(base::RealPath(lessonFile));
        return {{}, QStringLiteral("Не удается записать файл ") + listFile + QStringLiteral(". Урок не сохранен.")};
    }
    return {code, {}};
}

} // namespace shell
