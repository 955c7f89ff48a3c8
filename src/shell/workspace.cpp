#include "shell/workspace.h"
#include "shell/base/folders.h"
#include "shell/base/paths.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include <QApplication>

namespace shell {

Workspace& workspace()
{
    static Workspace windows;
    return windows;
}

void PrepareWorkspace()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Workspace& windows = workspace();
    if (windows.fmZast) windows.fmZast->setEnabled(false);
    // Working windows live until the end of the run; they are created once.
    if (!windows.fmMain) windows.fmMain = new TfmMain;
    CopyFolder(QStringLiteral("DLL\\"), TempFolder());
    if (windows.fmZast) windows.fmZast->ReleaseAnimations();
    QApplication::restoreOverrideCursor();
}

} // namespace shell
