#pragma once
#include "coursecheck/check/report.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The shape of the course: the contents tree, the groups of the lesson
// builder, the sections' lessons lists, the topics' and lessons' page lists
// and the page files they name.
namespace coursecheck {

inline const QString kRegimsFile = QStringLiteral("ZADS\\Regims.txt");

// A page named in a page list whose file exists.
struct CoursePage {
    QString fullCode;  // "A01\T01"
    int page = 0;      // 1 theory, 2 tools, 3 exercises
    QString listFile;  // the page list that names it
    int listLine = 0;
};

struct CourseWalk {
    QList<CoursePage> pages;    // in course order; a page of several lists once per list
    QStringList topicFolders;   // "ZADS\A01\" of every topic with a page list
};

// Where an indented tree text stops reading: the 1-based line and the
// reader's message; none when it reads.
struct TreeFault {
    int line = 0;
    QString message;
};
std::optional<TreeFault> FindTreeFault(const QStringList& lines);

// Checks the contents tree, "Regims.txt", the lessons lists and every page
// list, and returns the pages found.
CourseWalk CheckCourseStructure(Report& report);

} // namespace coursecheck
