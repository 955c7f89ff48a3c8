#pragma once
#include "base/coursefiles.h"
#include "base/namevalue.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The generated pages of the course: the contents list of a section and the
// four pages of a topic (theory, tools, exercises, results). Pure text
// assembly; the windows hand the lines to their HTML views.
namespace shell {


// The page titles of pages 1..4.
QString PageTitle(int page);

// What a page build needs beyond the codes.
struct PageBuildSettings {
    QString topic;                         // current topic (or lesson) code
    const base::NameValueList* results = nullptr; // the user's results; null: none
    bool builderOpen = false;              // the lesson builder is open
    QString gifFolder;                     // full path of the "GIF\" folder
    // Turns the formula tags of a line into pictures, counting them; null
    // leaves lines as they are.
    std::function<void(QString& line, int& counter)> expandFormulas;
    // Reads a page file (program path); none when it cannot be read. Null
    // reads through the program's text files.
    std::function<std::optional<QStringList>(const QString& file)> readPage;
};

struct BuiltPage {
    QStringList lines;
    QStringList missingFiles; // page files that could not be read (left out)
    QStringList refusedCodes; // codes that would lead outside the course folder
};

// Page 1, 2 or 3 of a topic from the codes of its page-list line.
BuiltPage BuildPage(int page, const QString& codes, const PageBuildSettings& settings);
// Page 4: the user's results of the exercises of line 3.
QStringList BuildResultsPage(const QString& exerciseCodes, const PageBuildSettings& settings);
// "2:05" for 125 seconds: the seconds always in two digits, the minutes unpadded.
QString MinutesSeconds(long long seconds);

// The contents list of a section: headings with their topics, then the
// teachers' lessons ("code title" lines of the section's lessons file); the
// current topic's entry is bold; teachers get the button for a new lesson
// and, beside every lesson, links to edit and to delete it.
QStringList BuildContentsPage(const base::ContentsSection& section, const QStringList& lessonLines,
                              const QString& currentTopic, bool teacher);

// A contents link "A05 §5. Натуральные числа" or "USER0001 Мой урок": the
// code and the title to show (the entry number word left out for topics).
struct ContentsLink {
    QString code;
    QString title;
};
ContentsLink ParseContentsLink(const QString& href);

// A teacher's link beside a lesson of the contents list: edit it in the
// lesson builder, or delete it.
struct LessonAction {
    enum class Kind { Edit, Delete };
    Kind kind = Kind::Edit;
    QString code;
};
// None for every other link.
std::optional<LessonAction> ParseLessonAction(const QString& href);


} // namespace shell
