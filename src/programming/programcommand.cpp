#include "programming/programcommand.h"
#include <QFileInfo>

namespace programming {
namespace {

const QStringList kTerminals = {QStringLiteral("x-terminal-emulator"), QStringLiteral("xterm")};
const QString kTerminalRunOption = QStringLiteral("-e");
const QStringList kTextModeEnvironments = {QStringLiteral("fp"),    QStringLiteral("vi"),    QStringLiteral("vim"),
                                           QStringLiteral("nano"),  QStringLiteral("mcedit"), QStringLiteral("joe"),
                                           QStringLiteral("ne"),    QStringLiteral("micro")};

} // namespace

bool IsTextModeEnvironment(const QString& executable)
{
    return kTextModeEnvironments.contains(QFileInfo(executable).fileName());
}

ProgramCommand InTerminal(const ProgramCommand& command, const ExecutableFinder& find)
{
    QString terminal;
    for (const QString& name : kTerminals) {
        terminal = find(name);
        if (!terminal.isEmpty()) break;
    }
    if (terminal.isEmpty()) return command;
    ProgramCommand wrapped{terminal, {kTerminalRunOption}, command.workingFolder};
    wrapped.arguments << command.program << command.arguments;
    return wrapped;
}

ProgramCommand EnvironmentCommand(const ProgramSettings& settings, const QString& file, const QString& workingFolder,
                                  const ExecutableFinder& find)
{
    const ProgramCommand command{settings.environment, {file}, workingFolder};
    return IsTextModeEnvironment(settings.environment) ? InTerminal(command, find) : command;
}

ProgramCommand ExampleCommand(const QString& executable, const ExecutableFinder& find)
{
    return InTerminal({executable, {}, QFileInfo(executable).absolutePath()}, find);
}

} // namespace programming
