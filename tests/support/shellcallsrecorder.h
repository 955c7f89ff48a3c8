#pragma once
#include "shellcalls/shellcalls.h"
#include <QList>
#include <QStringList>

// Stands in for the shell while it lives: answers the calls from below and
// writes each down as a line ("note ОТЛИЧНО!/5", "close lab help", ...).
// What the shell would answer is set in the public fields.
class ShellCallsRecorder final : public shellcalls::Navigation,
                                 public shellcalls::Guide,
                                 public shellcalls::StatusLine {
public:
    ShellCallsRecorder();
    ~ShellCallsRecorder() override;
    ShellCallsRecorder(const ShellCallsRecorder&) = delete;
    ShellCallsRecorder& operator=(const ShellCallsRecorder&) = delete;

    bool OpenTopicPage(const QString& topic, int page) override;
    void FindInTopicPage(const QString& text) override;
    void ShowContents(int section) override;
    void OpenTask(const shellcalls::TaskOpening& opening) override;
    QString VisibleTaskCode() const override { return visibleTaskCode; }
    void CloseTaskWindows() override;
    void SetTaskFontSize(int pointSize) override;
    void QuitConfirmed() override;

    void ShowNote(const QString& text, int seconds) override;
    QWidget* Figure() const override { return figure; }
    void SetFigureFrame(int frame) override;
    void ShowWindowHelp() override;
    void ShowControlHelp(QWidget* control) override;
    void ShowLabHelp(const QString& pageFile) override;
    void CloseLabHelp() override;
    void ShowLabHelpAgain() override;
    void ShowHintPage(const QString& file) override;
    void CloseHintPage() override;
    void ShowHistoryPage(const QString& file) override;
    void CloseHistoryPage() override;

    void ShowStatus(const QString& text) override;

    // Every call, in order.
    QStringList calls;
    // The texts of the notes alone, and the tasks asked for.
    QStringList notes;
    QList<shellcalls::TaskOpening> openings;
    QList<QWidget*> controlsAsked;

    // The answers.
    bool topicOpens = true;
    QString visibleTaskCode;
    QWidget* figure = nullptr;

private:
    void add(const QString& call) { calls.append(call); }
};
