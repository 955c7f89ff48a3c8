#pragma once
#include "coursecheck/check/report.h"
#include <QString>
#include <QStringList>

// Links of pages (HREF=, SRC=) resolved the way the program follows them.
//
// Scheme links: "SPR:name" (RIS\name.LAB), "ZAD:code n" (ZADS\code.HTM),
// "ADD:code" (a page code), "FE:name" (a formula field of the page),
// "DEM:name" (DEMO\name.SCI), "LAB:path" (LABS\path); "Lab{n}\page" opens
// lab n with HELP\Lab{n}\page. Outside addresses (http, https, mailto, ftp)
// and "MOV:" (a control of a window) are not checked; any other address is a
// file relative to the page's base folder.
namespace coursecheck {

struct LinkView {
    QString baseFolder;        // "ZADS\00000001\" for topic pages, "ZADS\00000000\" for task pages
    int lineCount = 0;         // how many of the page's lines this view shows
    QStringList formulaFields; // the page's hidden formula fields (names in capitals)
};

// Reports every link of the shown lines whose target does not exist, and
// returns the codes of the tasks that "ZAD:" links open (existing ones only).
QStringList CheckLinks(Report& report, const QString& file, const QStringList& lines, const LinkView& view);

// The program path of a relative address from a base folder ("ZADS\00000001\"
// and "..\A01\P.gif" give "ZADS\A01\P.gif"); empty when it leads out of the
// program folder.
QString ResolveRelative(const QString& baseFolder, const QString& address);

} // namespace coursecheck
