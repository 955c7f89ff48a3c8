#pragma once
#include <QString>
#include <QStringList>

// The work of one copy of the program on a shared program folder, as the
// stress program runs it in many processes at once, and the checks of what
// the folder holds afterwards.
namespace stress {

inline const QString kSharedUser = QStringLiteral("USERS\\SHARED\\");
inline const QString kCommonTask = QStringLiteral("COMMON\\1");
inline constexpr int kLessonSection = 1;
inline constexpr int kPupilClass = 2;

struct WorkerPlan {
    int index = 0;   // this worker among all
    int records = 0; // results recorded for its own user, and as many for the shared one
    bool teacher = false;
};

QString OwnFolder(int index);
QString PupilTask(int index, int j);   // the worker's own entry on the shared user
QString TeacherTask(int index, int j); // recorded, then overruled to "wrong"
QString RegisterId(int index, int j);
QString LessonTitle(int index, int j);
bool AddsLesson(int j);
bool RemovesLesson(int j);
bool AddsUser(int j);

// Lays out an empty program folder: register, lessons list.
bool PrepareFolder();

// Does the plan; out gets a line per error. Returns the number of changes
// still not written at the end (0 when all landed).
int RunWorker(const WorkerPlan& plan, QStringList& out);

// Every file of the folder reads back and every entry is there exactly once.
// The problems found; empty when all holds.
struct Expectation {
    int workers = 0; // workers 0 .. workers-1 have all finished
    int records = 0;
};
QStringList CheckFolder(const Expectation& expected);
// Only that every file reads back and every line is whole (after kills).
QStringList CheckFilesWhole();

} // namespace stress
