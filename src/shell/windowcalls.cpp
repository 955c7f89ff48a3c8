#include "shell/windowcalls.h"
#include "shell/contentswindow.h"
#include "shell/coursewindows.h"
#include "shell/helplab.h"
#include "shell/helpwindows.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include "shell/messagepopup.h"
#include "shell/topicwindow.h"
#include "shell/workspace.h"
#include "tasks/taskwindow.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include <QLabel>

namespace shell {

// --- navigation ---

bool WindowCalls::OpenTopicPage(const QString& topic, int page) { return OpenTopicOnPage(workspace(), topic, page); }

void WindowCalls::FindInTopicPage(const QString& text)
{
    if (TfmWork* work = workspace().fmWork) work->HTML->FindText(text);
}

void WindowCalls::ShowContents(int section)
{
    if (TfmCont* contents = workspace().fmCont) contents->ShowContents(section);
}

void WindowCalls::OpenTask(const shellcalls::TaskOpening& opening)
{
    if (tasks::TffZad* zad = workspace().ffZad) zad->Open(opening);
}

QString WindowCalls::VisibleTaskCode() const
{
    const tasks::TffZad* zad = workspace().ffZad;
    return zad ? zad->VisibleTaskCode() : QString();
}

void WindowCalls::CloseTaskWindows()
{
    tasks::TffZad* zad = workspace().ffZad;
    if (zad && zad->isVisible()) zad->close();
}

void WindowCalls::SetTaskFontSize(int pointSize)
{
    if (tasks::TffZad* zad = workspace().ffZad) zad->SetPageFontSize(pointSize);
}

void WindowCalls::QuitConfirmed()
{
    if (TffMess* popup = MessageWindow()) popup->hide();
    if (TfmZast* login = workspace().fmZast) login->close();
}

// --- the guide figure ---

void WindowCalls::ShowNote(const QString& text, int seconds)
{
    if (TffMess* mess = MessageWindow()) mess->ShowNote(text, seconds);
}

QWidget* WindowCalls::Figure() const
{
    const TfmMain* main = workspace().fmMain;
    return main ? main->Fig : nullptr;
}

void WindowCalls::SetFigureFrame(int frame)
{
    if (TfmMain* main = workspace().fmMain) main->Fig->setFrame(frame);
}

void WindowCalls::ShowWindowHelp()
{
    if (TfmMain* main = workspace().fmMain) main->FigClick();
}

void WindowCalls::ShowControlHelp(QWidget* control)
{
    if (TfmMain* main = workspace().fmMain) main->ShowControlHelp(control);
}

void WindowCalls::ShowLabHelp(const QString& pageFile)
{
    if (TffHelp1* help = LabHelpWindow()) help->ShowPage(pageFile);
}

void WindowCalls::CloseLabHelp()
{
    if (TffHelp1* help = LabHelpWindow()) help->close();
}

void WindowCalls::ShowLabHelpAgain()
{
    if (TffHelp1* help = LabHelpWindow()) help->ShowAgain();
}

void WindowCalls::ShowHintPage(const QString& file)
{
    if (TffHelp* hint = HintWindow()) hint->ShowHintPage(file);
}

void WindowCalls::CloseHintPage()
{
    if (TffHelp* hint = HintWindow()) hint->close();
}

void WindowCalls::ShowHistoryPage(const QString& file)
{
    if (TffHist* history = HistoryWindow()) history->ShowHistoryPage(file);
}

void WindowCalls::CloseHistoryPage()
{
    if (TffHist* history = HistoryWindow()) history->close();
}

// --- the status line ---

void WindowCalls::ShowStatus(const QString& text)
{
    if (TfmMain* main = workspace().fmMain) main->lbRegim->setText(text);
}

void InstallWindowCalls()
{
    static WindowCalls calls;
    shellcalls::Install(static_cast<shellcalls::Navigation*>(&calls));
    shellcalls::Install(static_cast<shellcalls::Guide*>(&calls));
    shellcalls::Install(static_cast<shellcalls::StatusLine*>(&calls));
}

} // namespace shell
