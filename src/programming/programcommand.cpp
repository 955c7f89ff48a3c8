#include "programming/programcommand.h"
#include <QFileInfo>

namespace programming {
namespace {

const QStringList kTerminals = {QStringLiteral("x-terminal-emulator"), QStringLiteral("xterm")};
const QString kTerminalRunOption = QStringLiteral("-e");
const QString kCharsetWrapper = QStringLiteral("luit");
const QStringList kDosCharsetOptions = {QStringLiteral("-encoding"), QStringLiteral("CP866"), QStringLiteral("--")};
const QStringList kTextModeEnvironments = {QStringLiteral("fp"),    QStringLiteral("vi"),    QStringLiteral("vim"),
                                           QStringLiteral("nano"),  QStringLiteral("mcedit"), QStringLiteral("joe"),
                                           QStringLiteral("ne"),    QStringLiteral("micro")};

} // namespace

bool IsTextModeEnvironment(const QString& executable)
{
    return kTextModeEnvironments.contains(QFileInfo(executable).fileName());
}

ProgramCommand InTerminal(const ProgramCommand& command, TextEncoding encoding, const ExecutableFinder& find)
{
    QString terminal;
    for (const QString& name : kTerminals) {
        terminal = find(name);
        if (!terminal.isEmpty()) break;
    }
    if (terminal.isEmpty()) return command;
    ProgramCommand wrapped{terminal, {kTerminalRunOption}, command.workingFolder};
    const QString wrapper = encoding == TextEncoding::Dos ? find(kCharsetWrapper) : QString();
    if (!wrapper.isEmpty()) wrapped.arguments << wrapper << kDosCharsetOptions;
    wrapped.arguments << command.program << command.arguments;
    return wrapped;
}

ProgramCommand EnvironmentCommand(const ProgramSettings& settings, const QString& file, const QString& workingFolder,
                                  const ExecutableFinder& find)
{
    const ProgramCommand command{settings.environment, {file}, workingFolder};
    return IsTextModeEnvironment(settings.environment) ? InTerminal(command, settings.encoding, find) : command;
}

ProgramCommand ExampleCommand(const QString& executable, const ExecutableFinder& find)
{
    return InTerminal({executable, {}, QFileInfo(executable).absolutePath()}, TextEncoding::Dos, find);
}

} // namespace programming
