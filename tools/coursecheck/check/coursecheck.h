#pragma once
#include "coursecheck/check/report.h"
#include <QString>

// The whole course of the program folder, checked headless: the contents,
// the page lists, every page's formulas and links, every task against its
// answers and its own right answers, and every lab file the course opens.
// Nothing in the program folder is written.
namespace coursecheck {

// Exit statuses of orindo-coursecheck.
inline constexpr int kCourseClean = 0;
inline constexpr int kCourseHasProblems = 1;
inline constexpr int kNotProgramFolder = 2;

// A program folder holds the course folder "ZADS\".
bool IsProgramFolder(const QString& realFolder);

// Runs every check on the program folder set in base::SetProgramFolder.
// Needs a QApplication (the lab windows are created, never shown), a
// temporary folder set with base::SetTempFolder, and takes over the current
// user state and the lab registry for the run.
Report CheckCourse();

} // namespace coursecheck
