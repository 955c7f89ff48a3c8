#pragma once
#include "programming/programtext.h"
#include <QString>
#include <QStringList>
#include <functional>

// The programming environment a user works with, kept per user in
// "Programs\Config.txt" of the user's folder, one value a line: the
// environment's executable, the extension of program files (without dot),
// the environment's name, and the encoding ("0" DOS, "1" Windows).
namespace programming {

inline const QString kSettingsFile = QStringLiteral("Programs\\Config.txt");
inline const QString kDefaultExtension = QStringLiteral("PAS");

struct ProgramSettings {
    QString environment;
    QString extension = kDefaultExtension;
    QString name;
    TextEncoding encoding = TextEncoding::Dos;
    friend bool operator==(const ProgramSettings&, const ProgramSettings&) = default;
};

// Finds a program on the search path: its full path, or empty (QStandardPaths
// in the program; tests pass their own).
using ExecutableFinder = std::function<QString(const QString& name)>;
QString FindOnPath(const QString& name);

// What a user who never chose gets: the Free Pascal IDE when it is installed,
// otherwise no environment (the lab then says that none is set).
ProgramSettings DefaultSettings(const ExecutableFinder& find);

// The lines of the file, over the defaults: a missing line keeps its default;
// an extension that could not name a file (a path, dots, blanks) and an
// unknown encoding fall back to the default too.
ProgramSettings ReadSettings(const QStringList& lines, const ProgramSettings& defaults);
QStringList SettingsLines(const ProgramSettings& settings);

// "{userFolder}Programs\Config.txt"; userFolder ends with "\".
QString SettingsPath(const QString& userFolder);
ProgramSettings LoadSettings(const QString& userFolder, const ExecutableFinder& find);
// Writes atomically; false when the file cannot be written.
bool SaveSettings(const QString& userFolder, const ProgramSettings& settings);

bool IsFileExtension(const QString& extension);

} // namespace programming
