#pragma once
#include "base/sharedfile.h"
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// Teachers' lessons: a page list of three lines like a topic's, kept as
// "ZADS\00000000\USERnnnn.CFG" and listed in the lessons file of the contents
// section it was made from.
namespace shell {

inline const QString kLessonGroupsFile = QStringLiteral("ZADS\\Regims.txt");

// The captions of the three page groups (theory, tools, exercises): the
// first three nodes of the groups file in tree order. Fewer than three when
// the file has fewer nodes; raises base::AppError when it cannot be read.
QStringList ReadLessonGroups(const QString& file = kLessonGroupsFile);

// The code for a new lesson from the names of the lessons folder: one more
// than the highest "USERnnnn.CFG" number, "USER0001" for the first. Names
// whose characters 5 to 8 are not digits do not count.
QString NextLessonCode(const QStringList& fileNames);

// The lesson file's three lines: for every code of a group a space and the
// full code; an empty group gives an empty line.
using LessonPages = std::array<QStringList, 3>;
QStringList LessonFileLines(const LessonPages& pages);

// The pages of a saved lesson, per group; none when its file cannot be read.
std::optional<LessonPages> ReadLesson(const QString& code);

// Entries of a section's lessons list ("code title" lines). Codes compare
// without regard to letter case, as file names do.
// The title of lesson code; empty when the list has no such entry.
QString LessonTitle(const QStringList& listLines, const QString& code);
// The list with the entry of code titled anew; false when there is none.
bool RetitleLesson(QStringList& listLines, const QString& code, const QString& title);
// The list without the entry of code; false when there is none.
bool RemoveLessonEntry(QStringList& listLines, const QString& code);

// Lets change alter section n's lessons list as it is now, under its lock,
// and writes it back atomically when change returns true; a list that is
// busy keeps the change in changes for the next write. Every change of a
// lessons list goes through here. Returns the message to show; empty when
// all went well or change wanted nothing written.
QString ChangeLessonList(base::SharedChanges& changes, int section, const std::function<bool(QStringList& lines)>& change);

struct LessonSaved {
    QString code;  // the new lesson's code; empty when nothing was written
    QString error; // the message to show; with a code: the lesson is saved,
                   // its list entry is kept to be written with the next change
};

// Saves a lesson of section n: the section's lessons list must be readable
// before anything is written, so that no lesson is left without its entry.
// A new lesson's number is claimed by making its file, so two teachers saving
// at once get two numbers. With the code of a lesson listed in the section,
// that lesson is written over and retitled instead. The list entry is
// changed on the list as it is then, under its lock, through changes.
LessonSaved SaveLesson(base::SharedChanges& changes, int section, const QString& title, const LessonPages& pages,
                       const QString& code = {});

// Deletes lesson code of section n: its list entry first (so that no entry
// is left pointing at a missing file), then its file. Returns the message
// to show; empty when the lesson is gone.
QString DeleteLesson(base::SharedChanges& changes, int section, const QString& code);

} // namespace shell
