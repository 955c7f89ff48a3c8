// orindo-coursecheck PROGRAM_FOLDER: checks the course of a program folder
// the way the program would meet it and prints one line per problem,
// "<file>:<line>: <message>", the file as a program path (ZADS\A01\T01.HTM).
// Exit status: 0 nothing wrong, 1 problems found, 2 not a program folder.
// Needs no screen; nothing in the program folder is written.
#include "coursecheck/check/coursecheck.h"
#include "base/paths.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2 || arguments[1].startsWith(u'-')) {
        std::fprintf(stderr, "usage: orindo-coursecheck PROGRAM_FOLDER\n"
                             "Prints \"<file>:<line>: <message>\" for every problem of the course;\n"
                             "exit status 0 when nothing is wrong, 1 with problems, 2 when the folder\n"
                             "is not a program folder (no ZADS folder in it).\n");
        return coursecheck::kNotProgramFolder;
    }
    const QString folder = QDir(arguments[1]).absolutePath() + u'/';
    if (!coursecheck::IsProgramFolder(folder)) {
        std::fprintf(stderr, "orindo-coursecheck: \"%s\" is not a program folder (no ZADS folder)\n", qPrintable(folder));
        return coursecheck::kNotProgramFolder;
    }
    QTemporaryDir temporary;
    if (!temporary.isValid()) {
        std::fprintf(stderr, "orindo-coursecheck: no temporary folder\n");
        return coursecheck::kNotProgramFolder;
    }
    base::SetProgramFolder(folder);
    base::SetTempFolder(temporary.path() + u'/');

    QElapsedTimer timer;
    timer.start();
    const coursecheck::Report report = coursecheck::CheckCourse();
    for (const QString& line : report.Lines()) std::printf("%s\n", line.toUtf8().constData());
    std::fprintf(stderr, "orindo-coursecheck: %d pages, %d tasks, %d lab files checked: %lld problem(s), %lld ms\n",
                 report.coverage.pages, report.coverage.tasks, report.coverage.labFiles,
                 static_cast<long long>(report.problems().size()), static_cast<long long>(timer.elapsed()));
    return report.empty() ? coursecheck::kCourseClean : coursecheck::kCourseHasProblems;
}
