#pragma once
#include "base/coursefiles.h"
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the teachers' results table shows and what its XML export writes,
// apart from the window: the exercise columns of a topic, the pupils'
// results values cell by cell, and the export's lines.
namespace users {

class Register;

// A results value ("1  3   250 07.03.2004") in its four parts. Values in the
// fixed columns the results store writes are read by column, so 100 attempts
// or more do not run into the verdict; anything else is split at spaces.
struct ResultParts {
    QString verdict;
    QString attempts;
    QString seconds;
    QString date;
};
ResultParts SplitResultValue(const QString& value);

// Whole minutes of a time, the halves going to the even number (90 s and
// 150 s both give 2).
long long MinutesOf(long long seconds);

// One data cell: its fill follows the verdict ("0" waits for a check, "1"
// right, "2" wrong); the text is the attempts, or the minutes.
struct CellView {
    bool hasValue = false;
    QChar verdict;
    QString text;
};
CellView ViewCell(const QString& value, bool showAttempts);

// The column codes of a topic: every code of the exercises line completed to
// a full code whose character after the first "\" is a digit.
QStringList ExerciseColumns(const QString& topic, const QString& exercisesLine);
// The same from the topic's page list; none when it cannot be read.
std::optional<QStringList> TopicExerciseColumns(const QString& topic);

// The number the topic's pages give an exercise: an exercise of its own
// counts on by one; the variants of a group (three characters after the "\"
// whose first two are the same, as "011" "012") share one number and count
// their variants from 1. A page whose name does not start with a digit has
// number 0 and ends a group.
struct ExerciseNumber {
    int number = 0;
    int variant = 0; // 0 for an exercise of its own
    bool operator==(const ExerciseNumber&) const = default;
};
QList<ExerciseNumber> NumberExercises(const QStringList& fullCodes);
// "Упражнение №2", with ", вариант 1" for a variant, then the code in brackets.
QString ExerciseTitle(const QString& fullCode, const ExerciseNumber& number);

// "USERS\{id}\"; empty for an identifier that does not name exactly one
// folder there.
QString PupilFolder(const QString& id);
// A pupil's values for the codes, in their order ("" where there is none);
// a missing or unreadable results file gives an empty row.
QStringList PupilRow(const QString& id, const QStringList& codes);

// The grid of one class and one topic.
struct ResultsGrid {
    QStringList codes;         // columns 1.. (full task codes)
    QList<ExerciseNumber> numbers; // the exercise numbers of the columns, as the topic's pages show them
    QStringList ids;           // rows 1..
    QStringList names;
    QList<QStringList> values; // [row - 1][column - 1]
    // The value of a data cell (column, row >= 1); empty outside.
    QString value(int column, int row) const;
    // The exercise number of a column (from 1), as the pages show it; 0 outside.
    int number(int column) const { return numbers.value(column - 1).number; }
    // The title of a column's exercise (ExerciseTitle); empty outside.
    QString title(int column) const;
};
// Rereads every pupil's results for the columns.
void FillGrid(ResultsGrid& grid);

// The contents sections in tree order (the table's section list).
QList<const base::ContentsSection*> TableSections(const base::CourseContents& contents);

// --- XML export -------------------------------------------------------------------------------

inline const QString kExportHandler = QStringLiteral("3A7F2C90-6B1E-4D52-9C48-1E0B7D5A6F23");
inline const QString kExportFilter = QStringLiteral("Результаты в формате XML|*.XML");
inline const QString kExportExt = QStringLiteral("XML");
inline const QString kExportName = QStringLiteral("TestFormat");

// Text made safe for an XML value: & < > " ' as references, control
// characters XML does not allow as "?".
QString XmlEscape(const QString& text);

// The "<testresult>" elements of one user's results file lines, in file
// order; lines that are not "code=value" are left out.
QStringList ExportResultLines(const QString& id, const QStringList& resultsLines);
// The export of every results entry of every user of every class, in
// register order; programFolder ends with its separator.
QStringList ExportLines(const Register& reg, const QString& programFolder);
// Writes the export to a file (real or program path) in one atomic step.
// Returns the message to show when it could not be written, else empty.
QString ExportResults(const Register& reg, const QString& file);
// The short note shown when the export was written.
QString ExportSavedNote(const QString& file);

} // namespace users
