#pragma once
#include "base/sharedfile.h"
#include <QString>
#include <QStringList>
#include <array>

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

struct LessonSaved {
    QString code;  // the new lesson's code; empty when nothing was written
    QString error; // the message to show; with a code: the lesson is saved,
                   // its list entry is kept to be written with the next change
};

// Saves a lesson of section n: the section's lessons list must be readable
// before anything is written, so that no lesson is left without its entry.
// The lesson's number is claimed by making its file, so two teachers saving
// at once get two numbers; the entry is added to the list as the list is
// then, under its lock, through changes.
LessonSaved SaveLesson(base::SharedChanges& changes, int section, const QString& title, const LessonPages& pages);

// Takes the lesson's line out of section n's list as the list is now; every
// change of a lessons list goes through changes like this one.
base::SharedChangeStatus RemoveLessonEntry(base::SharedChanges& changes, int section, const QString& code);

} // namespace shell
