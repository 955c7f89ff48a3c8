#pragma once
#include "shellcalls/shellcalls.h"

// The shell's answer to the calls from the libraries below: each call goes to
// the window of the workspace (or the help window) that serves it, found when
// the call is made, so a window not made yet (or already gone from the
// workspace) answers nothing.
namespace shell {

class WindowCalls : public shellcalls::Navigation, public shellcalls::Guide, public shellcalls::StatusLine {
public:
    bool OpenTopicPage(const QString& topic, int page) override;
    void FindInTopicPage(const QString& text) override;
    void ShowContents(int section) override;
    void OpenTask(const shellcalls::TaskOpening& opening) override;
    QString VisibleTaskCode() const override;
    void CloseTaskWindows() override;
    void SetTaskFontSize(int pointSize) override;
    void QuitConfirmed() override;

    void ShowNote(const QString& text, int seconds) override;
    QWidget* Figure() const override;
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
};

// Installs the one WindowCalls for navigation, the guide and the status line
// (once is enough; again does no harm).
void InstallWindowCalls();

} // namespace shell
