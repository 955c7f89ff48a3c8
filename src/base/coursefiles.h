#pragma once
#include "base/namevalue.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The files that shape the course: the contents tree "ZADS\Contents.txt",
// the topics' page lists ("HTM.CFG", a lesson's ".CFG") and the lessons
// lists of the sections. Read by the contents and topic windows, the search,
// the results table and the course checker.
//
// Contents tree depths: 0 the root, 1 a group of sections, 2 a section,
// 3 a heading, 4 a topic entry "A05 §5. Натуральные числа" (code, a space,
// the entry number word, a space, the title).
namespace base {

inline const QString kContentsFile = QStringLiteral("ZADS\\Contents.txt");
inline const QString kPageListFile = QStringLiteral("HTM.CFG");
// Lessons' page lists lie here; task pages are shown with it as base folder.
inline const QString kLessonFolder = QStringLiteral("ZADS\\00000000\\");
// Topic pages are shown with this base folder.
inline const QString kTopicPageFolder = QStringLiteral("ZADS\\00000001\\");
// Lesson codes begin with this (then four digits).
inline const QString kLessonPrefix = QStringLiteral("USER");

struct ContentsTopic {
    QString code; // "A05"
    QString rest; // the entry number word and the title: "§5. Натуральные числа"
};

struct ContentsHeading {
    QString text;
    QList<ContentsTopic> topics;
};

struct ContentsSection {
    QString title;
    QList<ContentsHeading> headings;
    QList<ContentsTopic> Topics() const; // of all headings, in order
};

struct ContentsGroup {
    QString title;
    QList<ContentsSection> sections;
};

struct CourseContents {
    QString root;
    QList<ContentsGroup> groups;

    // Section n: group n div 10, section n mod 10; null when there is none.
    const ContentsSection* Section(int n) const;
    // One "code=rest" line per topic entry, in file order.
    NameValueList TopicMap() const;
    // The number of the section that lists the topic (letter case ignored);
    // -1 when no section does.
    int SectionOfTopic(const QString& code) const;
};

// The tree from the contents file's lines. Raises AppError for a line more
// than one level deeper than the one before; nodes deeper than a topic entry
// are ignored.
CourseContents ReadCourseContents(const QStringList& lines);
// The same from kContentsFile (a missing file raises AppError).
CourseContents LoadCourseContents();

// A topic entry split at its first space into code and rest.
ContentsTopic SplitTopicEntry(const QString& entry);
// The title shown for a topic: the rest without its first word (the entry
// number): "§5. Натуральные числа" gives "Натуральные числа".
QString TopicTitle(const QString& rest);

bool IsLessonCode(const QString& code);

// The three page lines of a topic or a lesson: theory, tools, exercises.
struct PageList {
    QString theory;
    QString tools;
    QString exercises;
    // Page 1..3; empty for other numbers.
    QString Line(int page) const;
};

// "ZADS\" + topic + "\HTM.CFG", or for a lesson code kLessonFolder + code + ".CFG".
QString PageListFile(const QString& topicCode);
// The page list; none when its file cannot be read. Missing lines are empty.
std::optional<PageList> ReadPageList(const QString& topicCode);
// The page codes of one line of a page list, split at spaces.
QStringList PageCodes(const QString& line);
// The full code of a page of a topic: topic + "\" + code; a lesson's codes
// are full codes already.
QString FullPageCode(const QString& topicCode, const QString& code);
// "ZADS\" + full code + ".HTM".
QString PageFile(const QString& fullCode);

// A code from a link or a page list names files below "ZADS\" only: not
// empty, no ".." component, no leading "\", none of the characters a file
// name cannot hold (":" "/" quotes, "<" ">" "|" "*" "?", controls). A topic code
// has no "\" and no spaces at all; a full page code may have "\".
bool IsSafeTopicCode(const QString& code);
bool IsSafePageCode(const QString& fullCode);

// "ZADS\LESS" + group digit + section digit + ".TXT".
QString LessonsFile(int section);

// A link of a topic page, by its scheme.
struct PageLink {
    enum class Kind { Lab, Reference, AddToLesson, Task, Other };
    Kind kind = Kind::Other;
    int lab = 0;       // Lab: the lab number
    QString target;    // Lab: help page "HELP\"+address; Reference: lab file "RIS\"+name+".LAB";
                       // AddToLesson, Task: the code
    QString number;    // Task: the exercise number
    bool valid = true; // false: swallowed (a "Lab" link without a number, an unsafe code)
};
PageLink ParsePageLink(const QString& href);

// What a page code is, for numbering exercises.
enum TaskCodeKind {
    kPlainPage = 0,      // theory or tools page, no number
    kSingleExercise = 1, // an exercise of its own
    kFirstVariant = 2,   // first variant of an exercise group ("011")
    kFurtherVariant = 3, // a further variant of the same group ("012")
};

// The numbering of one page's codes, in page order. A code of three
// characters after the "\" starting with a digit is a variant of the group of
// its first two characters; the group met last is remembered by this object
// only, so every page (and every list) numbers its own exercises.
class TaskGrouping {
public:
    // Kind of a full code ("A05\012").
    TaskCodeKind Classify(const QString& fullCode);

private:
    QString m_group; // empty after anything but a variant
};

} // namespace base
