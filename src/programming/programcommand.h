#pragma once
#include "programming/programsettings.h"
#include <QString>
#include <QStringList>

// The command lines the lab starts, as a program and its arguments (no shell
// in between, so paths with blanks and quotes pass unchanged). Text-mode
// programs (the examples, a text-mode environment) need a terminal window:
// the system's terminal emulator ("x-terminal-emulator", else "xterm") with "-e".
namespace programming {

struct ProgramCommand {
    QString program;
    QStringList arguments;
    QString workingFolder; // a real folder
    friend bool operator==(const ProgramCommand&, const ProgramCommand&) = default;
};

// Whether the environment runs in a terminal: a text-mode editor or IDE
// (judged by the executable's name; a graphical one opens its own window).
bool IsTextModeEnvironment(const QString& executable);

// Wraps a text-mode command in a terminal window; the command unchanged when
// no terminal emulator is found.
ProgramCommand InTerminal(const ProgramCommand& command, const ExecutableFinder& find);

// The environment on a file (real paths).
ProgramCommand EnvironmentCommand(const ProgramSettings& settings, const QString& file, const QString& workingFolder,
                                  const ExecutableFinder& find);
// A ready example program (real path), a console program started in its own folder.
ProgramCommand ExampleCommand(const QString& executable, const ExecutableFinder& find);

} // namespace programming
