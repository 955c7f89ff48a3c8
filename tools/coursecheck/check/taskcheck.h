#pragma once
#include "coursecheck/check/report.h"
#include <QString>
#include <QStringList>

// One task of the course: its page's form against its answer file (or its
// container file), the formulas in its files, and its own right answers
// judged by the task window's checking code.
namespace coursecheck {

// The user the checker judges as; no file of this user is ever written.
inline const QString kCheckerUserId = QStringLiteral("99999999");

// An answer-file line taken apart; blank lines give none.
struct ExpectedLine {
    int line = 0;      // 1-based
    QString name;
    QString value;
};

// The form values a pupil enters when he gives exactly the expected answers:
// plain and formula fields their values, the fields of a group the group's
// values in page order, free answers a text of their own.
QStringList RightFormValues(const QString& pageHtml, const QList<ExpectedLine>& expected);

// Checks the task "ZADS\" + code; returns the lab file that belongs to it
// (its own ".LAB" or the folder's "default.lab"), empty when none.
QString CheckTask(Report& report, const QString& code);

} // namespace coursecheck
