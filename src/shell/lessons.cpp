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

QString LessonFile(const QString& code) { return base::kLessonFolder + code + QStringLiteral(".CFG"); }

// A lesson code that names a file of the lessons folder and nothing beyond it.
bool IsLessonFileCode(const QString& code) { return base::IsLessonCode(code) && base::IsSafeTopicCode(code); }

// The index of the list entry of code; -1 when there is none.
int EntryIndex(const QStringList& listLines, const QString& code)
{
    if (code.isEmpty()) return -1;
    for (int i = 0; i < listLines.size(); ++i)
        if (base::SplitTopicEntry(listLines[i]).code.compare(code, Qt::CaseInsensitive) == 0) return i;
    return -1;
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

std::optional<LessonPages> ReadLesson(const QString& code)
{
    if (!IsLessonFileCode(code)) return std::nullopt;
    const std::optional<QStringList> lines = base::TryReadLines(LessonFile(code));
    if (!lines) return std::nullopt;
    LessonPages pages;
    for (int g = 0; g < int(pages.size()) && g < lines->size(); ++g) pages[size_t(g)] = base::PageCodes(lines->at(g));
    return pages;
}

QString LessonTitle(const QStringList& listLines, const QString& code)
{
    const int index = EntryIndex(listLines, code);
    return index < 0 ? QString() : base::SplitTopicEntry(listLines[index]).rest;
}

bool RetitleLesson(QStringList& listLines, const QString& code, const QString& title)
{
    const int index = EntryIndex(listLines, code);
    if (index < 0) return false;
    listLines[index] = base::SplitTopicEntry(listLines[index]).code + QLatin1Char(' ') + title;
    return true;
}

bool RemoveLessonEntry(QStringList& listLines, const QString& code)
{
    const int index = EntryIndex(listLines, code);
    if (index < 0) return false;
    listLines.removeAt(index);
    return true;
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
        QFile claim(base::RealPath(LessonFile(code)));
        if (claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return code;
        if (!claim.exists()) return {}; // the folder cannot be written at all
    }
    return {};
}

QString CannotOpen(const QString& file) { return QStringLiteral("Не удается открыть файл ") + file; }

// The change of a lessons list that must exist: a missing list is left
// missing (nothing is written) and reported by the caller.
base::SharedChangeResult ApplyToLessonList(base::SharedChanges& changes, int section,
                                           const std::function<bool(QStringList& lines)>& change)
{
    return changes.Apply(base::LessonsFile(section),
                         [change](QStringList& lines, bool existed) { return existed && change(lines); });
}
} // namespace

QString ChangeLessonList(base::SharedChanges& changes, int section, const std::function<bool(QStringList& lines)>& change)
{
    const QString listFile = base::LessonsFile(section);
    if (!base::TryReadLines(listFile)) return CannotOpen(listFile);
    return base::SharedChangeMessage(ApplyToLessonList(changes, section, change).status, listFile);
}

LessonSaved SaveLesson(base::SharedChanges& changes, int section, const QString& title, const LessonPages& pages,
                       const QString& code)
{
    const QString listFile = base::LessonsFile(section);
    const std::optional<QStringList> list = base::TryReadLines(listFile);
    if (!list) return {{}, CannotOpen(listFile) + QStringLiteral(". Урок не сохранен.")};
    const bool rewrite = IsLessonFileCode(code) && EntryIndex(*list, code) >= 0;
    base::ForceFolder(base::kLessonFolder);
    const QString saved = rewrite ? code : ClaimLessonCode();
    if (saved.isEmpty() || !base::WriteLines(LessonFile(saved), LessonFileLines(pages))) {
        if (!saved.isEmpty() && !rewrite) QFile::remove(base::RealPath(LessonFile(saved)));
        return {{}, QStringLiteral("Не удается записать урок в папку ") + base::kLessonFolder};
    }
    // A list that is busy gets the entry with the next change; the lesson
    // file stays for it.
    const QString failed = ChangeLessonList(changes, section, [saved, title](QStringList& lines) {
        if (!RetitleLesson(lines, saved, title)) lines.append(saved + QLatin1Char(' ') + title);
        return true;
    });
    return {saved, failed};
}

QString DeleteLesson(base::SharedChanges& changes, int section, const QString& code)
{
    const QString listFile = base::LessonsFile(section);
    if (!base::TryReadLines(listFile)) return CannotOpen(listFile) + QStringLiteral(". Урок не удален.");
    const base::SharedChangeResult removed =
        ApplyToLessonList(changes, section, [code](QStringList& lines) { return RemoveLessonEntry(lines, code); });
    if (removed.status == base::SharedChangeStatus::Unchanged)
        return QStringLiteral("Урока ") + code + QStringLiteral(" нет в списке уроков");
    // The file goes only once no entry points at it; a busy list removes the
    // entry with its next change and leaves the file behind, unlisted.
    if (removed.status != base::SharedChangeStatus::Written)
        return base::SharedChangeMessage(removed.status, listFile);
    // Only codes of the lessons folder's own form name a file to delete.
    if (IsLessonFileCode(code) && base::FileExists(LessonFile(code)) && !QFile::remove(base::RealPath(LessonFile(code))))
        return QStringLiteral("Не удается удалить файл ") + LessonFile(code);
    return {};
}

} // namespace shell
