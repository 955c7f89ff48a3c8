#pragma once
#include <QString>
#include <QStringList>

// The task shown in the task window and where its files are.
//
// A task is named by its code: a path below "ZADS\" without extension (a
// topic folder, "\", the task name, as "A05\012"). The task's own files lie
// in "ZADS\", the shown user's copies (answers, area, lab) in that user's
// folder under the same code.
namespace tasks {

inline const QString kTasksFolder = QStringLiteral("ZADS\\");
inline const QString kPageExt = QStringLiteral(".HTM");
inline const QString kAnswersExt = QStringLiteral(".ANS");
inline const QString kAreaExt = QStringLiteral(".CNT");
inline const QString kHintExt = QStringLiteral(".HLP");
inline const QString kLabExt = QStringLiteral(".LAB");

struct TaskState {
    QString taskCode;            // TaskCode
    QString shownUserId;         // ShownUserId: the current user, or a pupil a teacher looks at
    QString shownUserFolder;     // ShownUserFolder: "USERS\" + id + "\"
    bool hasContainer = false;   // HasContainer: the task has a ".CNT" file
    QStringList pageLines;       // PageLines: the assembled page
    QStringList answers;         // Answers: the current answers (form or area)
    QStringList expectedAnswers; // ExpectedAnswers: the task's ".ANS" lines
    double startTime = 0;        // StartTime: seconds since midnight when the window showed

    // ShowUser: the work shown is that user's.
    void ShowUser(const QString& userId);
    // "ZADS\" + code + ext, and the shown user's copy.
    QString TaskFile(const QString& ext) const { return kTasksFolder + taskCode + ext; }
    QString UserFile(const QString& ext) const { return shownUserFolder + taskCode + ext; }
    bool IsShownUserCurrent() const;
    // Nobody is logged in (a task opened from the command line): the work is
    // judged and shown but kept nowhere.
    bool HasUserFolder() const { return !shownUserId.isEmpty(); }
};

// A task code as a page link or the command line gives it stays inside the
// tasks folder (and so inside a user's folder): not empty, relative, no ".."
// component, no drive, no empty component.
bool IsSafeTaskCode(const QString& code);

// Seconds since startTime (seconds since midnight) by the program clock; a
// run across midnight counts on from the day before.
double ElapsedSeconds(double startTime);

// The window caption with the clock: the caption up to its first ":"
// (trimmed) + ": " + minutes + " мин  " + seconds + " сек".
QString ClockCaption(const QString& caption, double elapsedSeconds);

} // namespace tasks
