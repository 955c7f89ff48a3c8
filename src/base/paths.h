#pragma once
#include <QString>

// The program's folders and the one resolver from the program's own paths
// to real files.
//
// Paths inside the program are written the Windows way, relative to the
// program folder ("ZADS\A05\HTM.CFG"), because content files and stored data
// carry them like that. Content authors write names in any letter case, so
// every component is matched without regard to case against what exists.
// No other code assembles real file paths.
namespace base {

// Real absolute folders with a trailing "/".
void SetProgramFolder(const QString& realFolder);
QString ProgramFolder();
void SetTempFolder(const QString& realFolder);
QString TempFolder();

// Real path of a program path. Relative paths start at the program folder;
// absolute real paths are accepted too. "\" and "/" both separate components.
// Components that do not exist keep the spelling given (new files are
// created as named). A trailing separator is kept as "/".
QString RealPath(const QString& path);

bool FileExists(const QString& path);   // an existing file, not a folder
bool FolderExists(const QString& path); // an existing folder

} // namespace base
