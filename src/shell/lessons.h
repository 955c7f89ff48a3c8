#pragma once
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
    QString error; // the message to show when nothing was written
};

// Saves a lesson of section n: the section's lessons list must be readable
// before anything is written, so that no lesson is left without its entry;
// the lesson file and the list are each written atomically.
LessonSaved SaveLesson(int section, const QString& title, const LessonPages& pages);

} // namespace shell
