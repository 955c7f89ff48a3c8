#include "shell/workspace.h"
#include "base/appstate.h"
#include "base/folders.h"
#include "base/paths.h"
#include "shell/coursewindows.h"
#include "shell/helpwindows.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include "shell/searchwindow.h"
#include "shell/timeline.h"
#include "shell/startmode.h"
#include "shell/warmup.h"
#include "users/regwindow.h"
#include "users/tablewindow.h"
#include "tasks/taskwindow.h"
#include "shellcalls/shellcalls.h"
#include "ui/waitcursor.h"
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

namespace shell {
namespace {

// The task window answers the command-line modes; the topic pages, the
// search, the results table and the labs reach it through WindowCalls.
void PlugTaskWindow(tasks::TffZad* zad)
{
    startModeTargets().openTask = [zad](const QString& task, const QString& caption) {
        return zad->Open({base::App().currentUserId, task, caption, {}});
    };
}

// The working windows, each created once. Windows of the course that come
// later are created here too, after the main window, and plug into it
// (TfmMain::plugs) or into the command-line modes (startModeTargets):
//   search (TfmSearch) -> plugs().search
//   contents (TfmCont) -> plugs().contents, plugs().showContents
//   results table (TfmTable) -> plugs().table, plugs().startTableTimer
//   formula editor (TffEditFormula), function list (TffFunc), data series (TffStat)
//   time line (TfmOs) -> plugs().timeLine
//   topic pages (TfmWork) -> startModeTargets().openTopic
//   task window (TffZad) -> startModeTargets().openTask
//   points table (TffNumb), lesson builder (TffOwn), name and coordinates
//   dialogs (TffDialog, TffDialog1), programming settings (TffConfig), data
//   input (TffDlg), reference window (TffSpr)
void CreateWorkingWindows(Workspace& windows)
{
    if (!windows.fmMain) windows.fmMain = new TfmMain;
    if (!windows.fmOs) {
        windows.fmOs = new TfmOs;
        TfmOs* timeLine = windows.fmOs;
        windows.fmMain->plugs().timeLine = {timeLine->panel(), [timeLine] { timeLine->FormShow(); }};
    }
    if (!windows.fmSearch) {
        windows.fmSearch = new TfmSearch;
        TfmSearch* search = windows.fmSearch;
        // The search text can be typed at once: the field takes the focus as
        // soon as the panel is in place.
        windows.fmMain->plugs().search = {search->panel(), [search] {
            QTimer::singleShot(0, search->Edit1, [search] { search->Edit1->setFocus(); });
        }};
    }
    if (!windows.fmTable && windows.ffReg) {
        users::TfmTable* table = new users::TfmTable(windows.ffReg->reg());
        windows.fmTable = table;
        windows.fmMain->plugs().table = {table->panel(), [table] { table->ShowPanel(); }};
        windows.fmMain->plugs().startTableTimer = [table] { table->StartTimer(); };
    }
    CreateCourseWindows(windows);
    // The message popup, hint, lab help and history page windows; after the
    // main window, whose guide figure places them.
    CreateHelpWindows();
    if (!windows.ffZad) {
        windows.ffZad = new tasks::TffZad;
        PlugTaskWindow(windows.ffZad);
    }
}

} // namespace

Workspace& workspace()
{
    static Workspace windows;
    return windows;
}

void PrepareWorkspace()
{
    const ui::WaitCursor wait;
    Workspace& windows = workspace();
    if (windows.fmZast) windows.fmZast->setEnabled(false);
    CreateWorkingWindows(windows);
    EndHtmlWarmUp();
    // The formula compiler works in the temporary folder with its own tools.
    base::CopyFolder(QStringLiteral("DLL\\"), base::TempFolder());
    if (windows.fmZast) windows.fmZast->ReleaseAnimations();
}

} // namespace shell
