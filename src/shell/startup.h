#pragma once
#include <QList>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

// Start-up and shut-down of the program: one copy per user, the program
// and temporary folders, fonts, the number formats, the command line, the
// login window with the sound player and the register window, the message
// loop, and removing the fonts again at the end.
namespace shell {

// The whole run; returns the process's exit code. A second copy started
// while one runs ends at once and silently (exit code 0).
int RunProgram(int argc, char** argv);

// The lock one running copy holds in the system's temporary folder.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);
    bool acquired() const { return m_acquired; }

private:
    QLockFile m_lock;
    bool m_acquired;
};
QString InstanceLockPath();

// The program's own temporary folder: a folder of the user's in the system's
// temporary folder, so that copies run by different users never share files.
QString ProgramTempFolder();

// Registers the fonts of "FONTS\" that exist, in their fixed order; the ids
// are for RemoveFonts at the end. Failures are ignored.
QList<int> RegisterFonts();
void RemoveFonts(const QList<int>& ids);

// Decimal comma and dd.mm.yyyy dates for the program's own texts; the C
// library keeps the point so that the engines' sections read and write it.
void SetGlobalFormats();

// Qt's own Russian texts (standard buttons "Да"/"Нет"/"Отмена", the file
// dialogs) from the system's Qt translations, installed into the
// application; null when they are not installed (the texts stay English).
// Destroying the translator takes it out again.
std::unique_ptr<QTranslator> InstallQtTranslations();

// Draws the numbered cursors 11 to 28 once, before any window needs one.
void RegisterCursors();

// StartMode and StartPath: the first two parameters after the program name.
void ReadCommandLine(const QStringList& arguments);

} // namespace shell
