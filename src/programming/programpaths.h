#pragma once
#include <QString>

// Where the pupil's own programs live, as program paths (see base/paths.h).
namespace programming {

// The code of the own program when no task is open.
inline const QString kNoTaskCode = QStringLiteral("TMP");

// "{userFolder}{code}.{extension}": the open task's code ("A05\012" gives
// the subfolder A05), or "TMP" without a task. A task code that could leave
// the user's folder (a drive, a root, "..") is taken as no task.
QString OwnProgramPath(const QString& userFolder, const QString& taskCode, const QString& extension);
// The file the environment gets for an example: "{userFolder}TMP.{extension}".
QString ExampleCopyPath(const QString& userFolder, const QString& extension);
// The program file paired with a lab file: the lab file's extension replaced
// (work.LAB pairs with work.PAS); a name without extension gets one.
QString PairedProgramPath(const QString& labFile, const QString& extension);

} // namespace programming
