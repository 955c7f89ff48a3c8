#include "support/shellcallsrecorder.h"

ShellCallsRecorder::ShellCallsRecorder()
{
    shellcalls::Install(static_cast<shellcalls::Navigation*>(this));
    shellcalls::Install(static_cast<shellcalls::Guide*>(this));
    shellcalls::Install(static_cast<shellcalls::StatusLine*>(this));
}

ShellCallsRecorder::~ShellCallsRecorder() { shellcalls::InstallNone(); }

bool ShellCallsRecorder::OpenTopicPage(const QString& topic, int page)
{
    add(QStringLiteral("topic %1/%2").arg(topic).arg(page));
    return topicOpens;
}

void ShellCallsRecorder::FindInTopicPage(const QString& text) { add(QStringLiteral("find ") + text); }
void ShellCallsRecorder::ShowContents(int section) { add(QStringLiteral("contents %1").arg(section)); }

void ShellCallsRecorder::OpenTask(const shellcalls::TaskOpening& opening)
{
    add(QStringLiteral("task ") + opening.taskCode);
    openings.append(opening);
}

void ShellCallsRecorder::CloseTaskWindows() { add(QStringLiteral("close task windows")); }
void ShellCallsRecorder::SetTaskFontSize(int pointSize) { add(QStringLiteral("task font %1").arg(pointSize)); }
void ShellCallsRecorder::QuitConfirmed() { add(QStringLiteral("quit")); }

void ShellCallsRecorder::ShowNote(const QString& text, int seconds)
{
    add(QStringLiteral("note %1/%2").arg(text).arg(seconds));
    notes.append(text);
}

void ShellCallsRecorder::SetFigureFrame(int frame) { add(QStringLiteral("frame %1").arg(frame)); }
void ShellCallsRecorder::ShowWindowHelp() { add(QStringLiteral("window help")); }

void ShellCallsRecorder::ShowControlHelp(QWidget* control)
{
    add(QStringLiteral("control help"));
    controlsAsked.append(control);
}

void ShellCallsRecorder::ShowLabHelp(const QString& pageFile) { add(QStringLiteral("lab help ") + pageFile); }
void ShellCallsRecorder::CloseLabHelp() { add(QStringLiteral("close lab help")); }
void ShellCallsRecorder::ShowLabHelpAgain() { add(QStringLiteral("lab help again")); }
void ShellCallsRecorder::ShowHintPage(const QString& file) { add(QStringLiteral("hint ") + file); }
void ShellCallsRecorder::CloseHintPage() { add(QStringLiteral("close hint")); }
void ShellCallsRecorder::ShowHistoryPage(const QString& file) { add(QStringLiteral("history ") + file); }
void ShellCallsRecorder::CloseHistoryPage() { add(QStringLiteral("close history")); }
void ShellCallsRecorder::ShowStatus(const QString& text) { add(QStringLiteral("status ") + text); }
