#include "shell/startmode.h"
#include "labframe/labfile.h"
#include "labframe/labregistry.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/textutil.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include "shell/workspace.h"
#include "ui/dialogs.h"
#include "ui/windowstack.h"

namespace shell {
namespace {

// Nobody is logged in in these modes.
void ForgetUser()
{
    base::AppState& app = base::App();
    app.currentUserName.clear();
    app.currentUserId.clear();
    app.userFolder.clear();
    app.userResults.clear();
    app.isTeacher = false;
}

// The lab number on the first line of a lab file, after a message when the
// file cannot be read or does not start with one.
std::optional<int> LabNumberOfFile(const QString& file)
{
    const labframe::LabFileText content = labframe::ReadLabFileText(file);
    if (!content.text) {
        ui::ShowMessage(content.error);
        return std::nullopt;
    }
    const std::optional<int> number =
        labframe::ParseLabNumber(labframe::LabFileReader::FromText(*content.text).readLine());
    if (!number) ui::ShowMessage(labframe::kWrongFormatText);
    return number;
}

// Why a file's lab number opens no lab: the course has no lab of that
// number, or this program has no window for it.
QString NoLabText(int number)
{
    if (!labframe::IsLabNumber(number)) return QStringLiteral("Лаборатории с номером %1 нет").arg(number);
    return QStringLiteral("Лаборатория «%1» в этой программе не открывается").arg(labframe::LabCaption(number));
}

bool OpenLabFile(const QString& file)
{
    const std::optional<int> number = LabNumberOfFile(file);
    if (!number) return false;
    labframe::TfmLab* lab = labframe::CreateLab(*number);
    if (!lab) {
        ui::ShowMessage(NoLabText(*number));
        return false;
    }
    ui::OpenWindow(lab);
    lab->LoadLabFile(file);
    return true;
}

bool OpenTopicAndTask(const StartTarget& target)
{
    const StartModeTargets& targets = startModeTargets();
    if (!targets.openTopic || !targets.openTopic(target.topic)) return false;
    if (target.kind == StartTarget::Kind::Task && targets.openTask) targets.openTask(target.task, target.caption);
    return true;
}

} // namespace

StartTarget ParseStartMode(const QString& mode, const QString& path)
{
    StartTarget target;
    if (mode == QLatin1String("4")) {
        if (!base::Trim(path).isEmpty()) {
            target.kind = StartTarget::Kind::LabFile;
            target.file = path;
        }
        return target;
    }
    const bool topic = mode == QLatin1String("1");
    const bool task = mode == QLatin1String("2") || mode == QLatin1String("3");
    if (!topic && !task) return target;
    QString rest = path;
    const QString last = base::SplitRight(rest, u'\\');
    target.topic = base::SplitRight(rest, u'\\');
    if (target.topic.isEmpty()) return target;
    if (topic) {
        target.kind = StartTarget::Kind::Topic;
        return target;
    }
    const int dot = last.lastIndexOf(u'.');
    const QString name = dot < 0 ? last : last.left(dot);
    if (name.isEmpty()) return target;
    target.kind = StartTarget::Kind::Task;
    target.task = target.topic + u'\\' + name;
    target.caption = QStringLiteral("Упражнение №") + name + QStringLiteral(" :");
    return target;
}

StartModeTargets& startModeTargets()
{
    static StartModeTargets targets;
    return targets;
}

bool RunStartMode()
{
    const StartTarget target = ParseStartMode(base::App().startMode, base::App().startPath);
    if (target.kind == StartTarget::Kind::None) return false;
    ForgetUser();
    PrepareWorkspace();
    const bool opened =
        target.kind == StartTarget::Kind::LabFile ? OpenLabFile(target.file) : OpenTopicAndTask(target);
    Workspace& windows = workspace();
    if (opened && windows.fmMain) windows.fmMain->HideNavigation();
    if (!opened && windows.fmZast) windows.fmZast->setEnabled(true);
    return opened;
}

} // namespace shell
