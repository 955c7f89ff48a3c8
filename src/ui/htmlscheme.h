#pragma once
#include <QString>
#include <QUrl>

class QWebEngineProfile;

// The program's own URL scheme for the HTML views.
//
// Every page, style sheet and picture of a view is served through
// "orindo://program/<program path>": files are found with the case-insensitive
// resolver of the shell, pages and style sheets are decoded from
// Windows-1251, and relative references resolve inside the scheme, so that
// "..\CSS\work.css" written on Windows in another letter case still works.
// Absolute paths of the program folder and of the temporary folder that
// generated pages write into their IMG tags map into the scheme as well.
// Nothing outside those two folders is ever served.
namespace ui {

inline constexpr char kProgramScheme[] = "orindo";

// Registers the scheme with the web engine. Must run before the
// QApplication object is created (main() and the test main call it).
void RegisterHtmlSchemes();

// Serves the scheme in profile (done once by the first HTML view).
void InstallProgramScheme(QWebEngineProfile* profile);

// URL of a program path ("DATA\Main.htm", "ZADS\00000001\") or of an
// absolute real path. Folders keep their trailing "/".
QUrl ProgramUrl(const QString& path);

// Program path of a URL of the scheme ("HELP\Lab3\Graph.htm"); an absolute
// real path for files of the temporary folder; empty for other URLs.
QString ProgramPathOfUrl(const QUrl& url);

// The real file that serves url, or empty when there is none or it lies
// outside the program and temporary folders.
QString ServedFile(const QUrl& url);

// Pages handed to a view as text are held here under the view's load number
// (the "v" query item of the page's URL) while they are shown. Paths of the
// temporary folder in them are served under a path of that load, so that a
// picture written again under its old name shows anew.
void HoldPage(quint64 loadId, const QString& html);
void ReleasePage(quint64 loadId);
// A number no load of any view has used.
quint64 NextLoadId();

} // namespace ui
