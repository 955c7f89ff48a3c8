#include "sharedfolder/worker.h"
#include "base/appstate.h"
#include "base/apperror.h"
#include "base/coursefiles.h"
#include "base/folders.h"
#include "base/namevalue.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/treetext.h"
#include "shell/lessons.h"
#include "users/register.h"
#include "users/results.h"
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QThread>

namespace stress {
namespace {

// How long a worker keeps trying its kept changes at the end.
constexpr int kFinalRetryMs = 60000;
constexpr int kRetryPauseMs = 20;
constexpr int kLessonEvery = 5;
constexpr int kUserEvery = 10;

const QString kRegister = QStringLiteral("DATA\\users.txt");

// Whole result values: verdict, attempts (3), seconds (6), space, date.
const QRegularExpression kResultLine(QStringLiteral(R"(^[^=]+=[012][ 0-9]{3}[ 0-9]{6} \d\d\.\d\d\.\d{4}$)"));
const QRegularExpression kLessonLine(QStringLiteral(R"(^USER\d{4} \S.*$)"));

bool RetryUntilWritten(base::SharedChanges& changes)
{
    QElapsedTimer waited;
    waited.start();
    while (changes.RetryPending() > 0 && waited.elapsed() < kFinalRetryMs) QThread::msleep(kRetryPauseMs);
    return changes.pendingCount() == 0;
}

void AddUser(users::Register& reg, const WorkerPlan& plan, int j)
{
    try {
        reg.AddUser(kPupilClass, RegisterId(plan.index, j), QStringLiteral("pw"),
                    QStringLiteral("Ученик %1 %2").arg(plan.index).arg(j));
    } catch (const base::AppError&) {
        // Busy: kept by the register and written with its next change.
    }
}

QString SaveLesson(base::SharedChanges& changes, const WorkerPlan& plan, int j)
{
    const shell::LessonPages pages{QStringList{QStringLiteral("A01\\T1")}, {}, {PupilTask(plan.index, j)}};
    const shell::LessonSaved saved =
        shell::SaveLesson(changes, kLessonSection, LessonTitle(plan.index, j), pages);
    return saved.code;
}

int CountFiles(const QString& suffix)
{
    int count = 0;
    QDirIterator it(base::ProgramFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (it.next().endsWith(suffix)) ++count;
    return count;
}

struct ResultsFile {
    base::NameValueList list;
    QStringList problems;
};

ResultsFile ReadResults(const QString& folder)
{
    ResultsFile file;
    const std::optional<QStringList> lines = base::TryReadLines(folder + users::kResultsFile);
    if (!lines) {
        file.problems.append(folder + QStringLiteral(": results do not read back"));
        return file;
    }
    for (const QString& line : *lines)
        if (!kResultLine.match(line).hasMatch()) file.problems.append(folder + QStringLiteral(": broken line \"%1\"").arg(line));
    QMap<QString, int> seen;
    for (const QString& line : *lines) ++seen[line.section(u'=', 0, 0).toUpper()];
    for (auto it = seen.begin(); it != seen.end(); ++it)
        if (it.value() > 1) file.problems.append(folder + QStringLiteral(": %1 entries of %2").arg(it.value()).arg(it.key()));
    file.list.setLines(*lines);
    return file;
}

// The entry of code: there once, with these attempts and this verdict.
void ExpectEntry(const ResultsFile& file, const QString& folder, const QString& code, int attempts, QChar verdict,
                 QStringList& problems)
{
    const int index = file.list.indexOfName(code);
    if (index < 0) {
        problems.append(folder + QStringLiteral(": %1 is missing").arg(code));
        return;
    }
    const QString value = file.list.value(index);
    if (users::ReadAttempts(value) != attempts || value.at(0) != verdict)
        problems.append(folder + QStringLiteral(": %1 is \"%2\", expected %3 attempts, verdict %4")
                                     .arg(code, value)
                                     .arg(attempts)
                                     .arg(verdict));
}

} // namespace

QString OwnFolder(int index) { return QStringLiteral("USERS\\P%1\\").arg(index); }
QString PupilTask(int index, int j) { return QStringLiteral("P%1\\%2").arg(index).arg(j); }
QString TeacherTask(int index, int j) { return QStringLiteral("T%1\\%2").arg(index).arg(j); }
QString RegisterId(int index, int j) { return QStringLiteral("R%1x%2").arg(index).arg(j); }
QString LessonTitle(int index, int j) { return QStringLiteral("Урок %1 %2").arg(index).arg(j); }
bool AddsLesson(int j) { return j % kLessonEvery == 0; }
bool RemovesLesson(int j) { return AddsLesson(j) && (j / kLessonEvery) % 2 == 1; }
bool AddsUser(int j) { return j % kUserEvery == 0; }

bool PrepareFolder()
{
    base::ForceFolder(QStringLiteral("DATA\\"));
    base::ForceFolder(QStringLiteral("ZADS\\"));
    base::ForceFolder(QStringLiteral("USERS\\"));
    return base::WriteLines(kRegister, {QStringLiteral("Пользователи"), QStringLiteral("\tАдминистратор"),
                                        QStringLiteral("\t\t00000000 SYSADMIN$46802135"),
                                        QStringLiteral("\tПреподаватель"), QStringLiteral("\tКласс")})
        && base::WriteLines(base::LessonsFile(kLessonSection), {});
}

int RunWorker(const WorkerPlan& plan, QStringList& out)
{
    // This worker's own user, and the shared user logged in on every machine.
    base::AppState own;
    own.userFolder = OwnFolder(plan.index);
    base::AppState shared;
    shared.userFolder = kSharedUser;
    users::Register reg;
    reg.LoadRegister();

    for (int j = 0; j < plan.records; ++j) {
        users::RecordAttempt(own, QStringLiteral("OWN\\%1").arg(j), 1, 1);
        users::RecordAttempt(shared, PupilTask(plan.index, j), 1, 1);
        users::RecordAttempt(shared, kCommonTask, 1, 1);
        if (plan.teacher) {
            // A teacher overrules an entry the pupil's file already holds.
            if (users::RecordAttempt(shared, TeacherTask(plan.index, j), 0, 1) != base::SharedChangeStatus::Written
                && !RetryUntilWritten(shared.sharedChanges))
                out.append(QStringLiteral("ERROR %1 could not be written").arg(TeacherTask(plan.index, j)));
            users::OverruleVerdict(own, kSharedUser, TeacherTask(plan.index, j), 2);
        }
        if (AddsLesson(j)) {
            const QString code = SaveLesson(own.sharedChanges, plan, j);
            if (code.isEmpty()) out.append(QStringLiteral("ERROR no lesson saved for %1").arg(LessonTitle(plan.index, j)));
            else if (RemovesLesson(j)) shell::DeleteLesson(own.sharedChanges, kLessonSection, code);
        }
        if (AddsUser(j)) AddUser(reg, plan, j);
    }
    int left = 0;
    for (base::AppState* app : {&own, &shared})
        if (!RetryUntilWritten(app->sharedChanges)) left += app->sharedChanges.pendingCount();
    QElapsedTimer waited;
    waited.start();
    while (reg.WritePending() > 0 && waited.elapsed() < kFinalRetryMs) QThread::msleep(kRetryPauseMs);
    return left + reg.pendingChanges();
}

QStringList CheckFilesWhole()
{
    QStringList problems;
    QDirIterator it(base::ProgramFolder() + QStringLiteral("/USERS"), {QStringLiteral("results.txt")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString folder =
            QStringLiteral("USERS\\") + QFileInfo(it.next()).dir().dirName() + QStringLiteral("\\");
        problems += ReadResults(folder).problems;
    }
    const std::optional<QStringList> lessons = base::TryReadLines(base::LessonsFile(kLessonSection));
    if (!lessons) problems.append(QStringLiteral("the lessons list does not read back"));
    for (const QString& line : lessons.value_or(QStringList{}))
        if (!kLessonLine.match(line).hasMatch()) problems.append(QStringLiteral("broken lesson line \"%1\"").arg(line));
    try {
        users::Register reg;
        reg.LoadRegister();
        for (const QString& id : reg.classUsers(kPupilClass).ids)
            if (!id.startsWith(u'R')) problems.append(QStringLiteral("broken register user \"%1\"").arg(id));
    } catch (const base::AppError& error) {
        problems.append(QStringLiteral("the register does not read back: ") + error.message());
    }
    return problems;
}

QStringList CheckFolder(const Expectation& expected)
{
    QStringList problems = CheckFilesWhole();
    const int n = expected.workers, m = expected.records;
    for (int i = 0; i < n; ++i) {
        const ResultsFile own = ReadResults(OwnFolder(i));
        if (own.list.count() != m) problems.append(OwnFolder(i) + QStringLiteral(": %1 entries, expected %2").arg(own.list.count()).arg(m));
        for (int j = 0; j < m; ++j) ExpectEntry(own, OwnFolder(i), QStringLiteral("OWN\\%1").arg(j), 1, u'1', problems);
    }

    const ResultsFile shared = ReadResults(kSharedUser);
    int teacherEntries = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            ExpectEntry(shared, kSharedUser, PupilTask(i, j), 1, u'1', problems);
            if (shared.list.indexOfName(TeacherTask(i, j)) >= 0) {
                ++teacherEntries;
                ExpectEntry(shared, kSharedUser, TeacherTask(i, j), 1, u'2', problems);
            }
        }
    // Every attempt of every worker on the one common task is counted.
    const QString common = shared.list.value(kCommonTask);
    const long long all = qint64(n) * m;
    if (users::ReadSeconds(common) != std::min(all, users::kMaxSeconds)
        || users::ReadAttempts(common) != std::min<long long>(all, users::kMaxAttempts))
        problems.append(QStringLiteral("%1 is \"%2\", expected %3 attempts of 1 second").arg(kCommonTask, common).arg(all));
    if (shared.list.count() != n * m + 1 + teacherEntries)
        problems.append(QStringLiteral("the shared user has %1 entries, expected %2").arg(shared.list.count()).arg(n * m + 1 + teacherEntries));

    // Each lesson is listed once, or not at all once removed; each took a
    // number of its own (numbers are files, so a shared number shows as a
    // missing file).
    const QStringList lessons = base::TryReadLines(base::LessonsFile(kLessonSection)).value_or(QStringList{});
    QStringList codes, titles;
    for (const QString& line : lessons) {
        codes.append(line.section(u' ', 0, 0));
        titles.append(line.section(u' ', 1));
    }
    int added = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            if (!AddsLesson(j)) continue;
            ++added;
            const int listed = titles.count(LessonTitle(i, j));
            if (listed != (RemovesLesson(j) ? 0 : 1))
                problems.append(QStringLiteral("lesson \"%1\" is listed %2 times").arg(LessonTitle(i, j)).arg(listed));
        }
    if (codes.size() != QSet<QString>(codes.begin(), codes.end()).size())
        problems.append(QStringLiteral("two listed lessons have one number"));
    for (const QString& code : codes)
        if (!base::FileExists(base::kLessonFolder + code + QStringLiteral(".CFG")))
            problems.append(QStringLiteral("lesson %1 has no file").arg(code));
    const int files = base::ListFiles(base::kLessonFolder + base::kLessonPrefix + QStringLiteral("*.CFG")).size();
    // A deleted lesson takes its file along, unless its list was busy at
    // that moment: then the entry goes with a later change and the file stays.
    if (files < codes.size() || files > added)
        problems.append(QStringLiteral("%1 lesson files for %2 lessons, %3 listed").arg(files).arg(added).arg(codes.size()));

    try {
        users::Register reg;
        reg.LoadRegister();
        const QStringList ids = reg.classUsers(kPupilClass).ids;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < m; ++j)
                if (AddsUser(j) && ids.count(RegisterId(i, j)) != 1)
                    problems.append(QStringLiteral("user %1 is in the register %2 times").arg(RegisterId(i, j)).arg(ids.count(RegisterId(i, j))));
    } catch (const base::AppError&) {
    }
    if (const int locks = CountFiles(QStringLiteral(".lock")); locks > 0)
        problems.append(QStringLiteral("%1 lock files were left").arg(locks));
    return problems;
}

} // namespace stress
