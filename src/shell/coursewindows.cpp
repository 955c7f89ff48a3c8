#include "shell/coursewindows.h"
#include "shell/contentswindow.h"
#include "shell/lessonbuilder.h"
#include "shell/mainwindow.h"
#include "shell/startmode.h"
#include "shell/topicwindow.h"
#include "shell/workspace.h"
#include "ui/htmlview.h"
#include "ui/windowstack.h"

namespace shell {
namespace {

// Opened from outside the contents (the search, the command line): the
// topic's own section comes into the contents window first, so the topic
// page shows that section's picture and the bold entry.
bool OpenTopic(TfmCont* contents, TfmWork* work, const QString& topic, int page)
{
    if (!contents || !work) return false;
    const int section = contents->contents().SectionOfTopic(topic);
    if (section >= 0 && section != contents->section()) contents->ShowContents(section);
    return work->OpenTopicOnPage(topic, contents->TopicTitleOf(topic), page);
}

} // namespace

void CreateCourseWindows(Workspace& windows)
{
    if (windows.fmCont) return;
    auto* contents = windows.fmCont = new TfmCont;
    auto* work = windows.fmWork = new TfmWork(contents);
    auto* builder = windows.ffOwn = new TffOwn;
    contents->setTopicWindow(work);
    contents->setLessonBuilder(builder);
    work->setLessonBuilder(builder);
    builder->onVisibilityChanged = [work] { work->RebuildPage(); };
    builder->captionOf = [contents](const QString& fullCode) {
        return contents->TopicTitleOf(fullCode.section(QLatin1Char('\\'), 0, 0));
    };
    builder->onSaved = [work, contents](int section) {
        if (ui::WindowStack::instance().top() == work) ui::CloseTopWindow();
        contents->ShowContents(section);
    };

    const auto showContents = [contents](int section) { contents->ShowContents(section); };
    if (windows.fmMain) {
        windows.fmMain->plugs().contents = contents;
        windows.fmMain->plugs().showContents = showContents;
    }
    startModeTargets().openTopic = [contents, work](const QString& topic) { return OpenTopic(contents, work, topic, 1); };
}

bool OpenTopicOnPage(const Workspace& windows, const QString& topic, int page)
{
    return OpenTopic(windows.fmCont, windows.fmWork, topic, page);
}

} // namespace shell
