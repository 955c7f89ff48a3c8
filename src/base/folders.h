#pragma once
#include <QString>
#include <QStringList>

// Folder helpers over program paths (see paths.h). Folder arguments carry a
// trailing "\".
namespace base {

// Creates the folder and its missing parents. An empty path raises AppError
// "Unable to create directory"; paths of two characters or fewer are taken as
// existing; single failures are not reported.
void ForceFolder(const QString& path);

// Names (without folder) of files and folders matching the mask, for example
// "ZADS\00000000\*.TXT"; names starting with "." are left out; sorted without
// regard to letter case.
QStringList ListFiles(const QString& mask);

// Copies every file and, recursively, every subfolder (names not starting with
// ".") of source into target, replacing files and making copies writable.
// What cannot be copied is skipped.
void CopyFolder(const QString& source, const QString& target);

// Deletes the folder with everything in it; errors are ignored.
void DeleteFolder(const QString& folder);

} // namespace base
