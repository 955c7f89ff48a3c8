#include "taskfiles/taskpage.h"
#include "base/textfile.h"
#include "taskfiles/answerpage.h"
#include "base/numfmt.h"
#include "base/paths.h"
#include "base/textutil.h"
#include <QFile>
#include <algorithm>

namespace tasks {

namespace {
const QLatin1String kHiddenType("TYPE=HIDDEN");
const QLatin1String kTitleTag("<TITLE>");
}

QString HiddenFieldName(const QString& line)
{
    if (!line.contains(kHiddenType)) return {};
    QString name = base::ExtractNameAttr(line);
    name.remove(u'"');
    name.remove(u'\'');
    return name;
}

QString FormulaPicture(const QString& pictureFolder, const QString& name)
{
    return pictureFolder + name + QStringLiteral(".bmp");
}

QString WithFormulaLink(const QString& line, const QString& pictureFolder)
{
    const QString name = HiddenFieldName(line);
    if (name.isEmpty()) return line;
    const qsizetype tagEnd = line.indexOf(u'>', line.indexOf(kHiddenType));
    if (tagEnd < 0) return line;
    const QString link = QStringLiteral("<a href=\"%1%2\"><img src=\"%3\" border=\"1\"></a>")
                             .arg(kFormulaLinkPrefix, name, FormulaPicture(pictureFolder, name));
    return QString(line).insert(tagEnd + 1, link);
}

QStringList AssembleTaskPage(const QStringList& pageFileLines, const QString& pictureFolder)
{
    QStringList page{kTaskPageHead};
    for (const QString& line : pageFileLines) page.append(WithFormulaLink(line, pictureFolder));
    return page;
}

QList<FormulaField> FormulaFieldsOf(const QStringList& answerLines)
{
    QList<FormulaField> fields;
    for (const QString& line : answerLines)
        if (line.startsWith(u'F')) fields.append({line.section(u'=', 0, 0), line.section(u'=', 1)});
    return fields;
}

int ClientWidthFromTitle(const QString& title, bool markingButtons)
{
    const std::optional<long long> number = base::ParseInt(title.section(u'/', 0, 0));
    const int width = number && *number > 0 && *number < 10000 ? int(*number) : kDefaultClientWidth;
    return markingButtons ? std::max(width, kMarkingClientWidth) : width;
}

QStringList WithGeometryTitle(const QStringList& pageFileLines, int width, int left, int top, int height)
{
    QStringList lines = pageFileLines;
    if (!lines.isEmpty() && lines.first().startsWith(kTitleTag)) lines.removeFirst();
    lines.prepend(QStringLiteral("<TITLE>%1/%2/%3/%4</TITLE>").arg(width).arg(left).arg(top).arg(height));
    return lines;
}

TaskButtons VisibleButtons(const TaskState& state, bool isTeacher)
{
    TaskButtons buttons;
    const bool judged = base::FileExists(state.TaskFile(kAnswersExt));
    // A free answer leaves the verdict to the teacher, answer file or not.
    const bool teacherJudges = !judged || HasFreeAnswers(base::TryReadLines(state.TaskFile(kAnswersExt)).value_or(QStringList()));
    const bool ownWork = state.IsShownUserCurrent();
    buttons.ready = judged && (ownWork || !teacherJudges);
    buttons.send = !judged && ownWork;
    buttons.marking = !ownWork && teacherJudges;
    buttons.hint = base::FileExists(state.TaskFile(kHintExt));
    buttons.peek = isTeacher;
    return buttons;
}

QString TaskLabFile(const TaskState& state)
{
    const QString own = state.TaskFile(kLabExt);
    for (const QString& file : {state.UserFile(kLabExt), own, base::ExtractFolder(own) + QStringLiteral("default.lab")})
        if (base::FileExists(file)) return file;
    return {};
}

void DeleteUserCopies(const TaskState& state)
{
    for (const QString& ext : {kAnswersExt, kAreaExt, kLabExt}) QFile::remove(base::RealPath(state.UserFile(ext)));
}

} // namespace tasks
