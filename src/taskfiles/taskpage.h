#pragma once
#include "taskfiles/taskstate.h"
#include <QString>
#include <QStringList>

// The task page and the task window's rules that need no window: assembling
// the page, the links of formula fields, the window width, the geometry
// title, which buttons show, which lab belongs to the task.
namespace tasks {

// The first line of every task page: the style sheet of the tasks.
inline const QString kTaskPageHead =
    QStringLiteral("<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"..\\..\\CSS\\zad.css\"></HEAD><BODY>");
// Links of formula fields begin with this; the rest is the field's name.
inline const QString kFormulaLinkPrefix = QStringLiteral("FE:");
inline constexpr int kDefaultClientWidth = 400;
inline constexpr int kMarkingClientWidth = 305;   // room for "Верно" and "Неверно"

// The name of the hidden field on a page line (after the first "NAME=", up
// to a blank or ">", in capitals, quotes dropped); empty when the line has no
// "TYPE=HIDDEN" or no name.
QString HiddenFieldName(const QString& line);
// The picture of a formula field: pictureFolder + name + ".bmp".
QString FormulaPicture(const QString& pictureFolder, const QString& name);
// A line with a hidden field gets a framed picture of the field's formula,
// linked to "FE:" + name, right after the ">" that closes the tag holding
// "TYPE=HIDDEN" (the first such tag of the line). Other lines come back as
// they are.
QString WithFormulaLink(const QString& line, const QString& pictureFolder);
// PageLines of a task page: the head line, then the page's lines with the
// formula links. The "<FORMULA=" tags are expanded afterwards, line by line.
QStringList AssembleTaskPage(const QStringList& pageFileLines, const QString& pictureFolder);

struct FormulaField {
    QString name;
    QString value;
    bool operator==(const FormulaField&) const = default;
};
// The formula fields of an answer list (ShowAnswers draws their pictures):
// every line beginning with "F", split at its first "=".
QList<FormulaField> FormulaFieldsOf(const QStringList& answerLines);

// The client width from the page title "<width>/<left>/<top>/<height>": the
// number before the first "/"; 400 when it is no number. With the marking
// buttons shown the width is at least 305.
int ClientWidthFromTitle(const QString& title, bool markingButtons);
// The page file's lines with its geometry title as the first line (a first
// line that begins with "<TITLE>" is replaced).
QStringList WithGeometryTitle(const QStringList& pageFileLines, int width, int left, int top, int height);

struct TaskButtons {
    bool ready = false;   // btReady: the task has an answer file, and the teacher does not mark it
    bool send = false;    // btSend: no answer file, the pupil's own work
    bool marking = false; // btYes and btNo: a teacher looks at a pupil's work that no answer file (or
                          // only part of it) judges: no answer file, or one with a free answer
    bool hint = false;    // btHelp
    bool peek = false;    // btLoad: only teachers peek at the right answer
};
// Which buttons the window shows for the task in state (its files are looked up).
TaskButtons VisibleButtons(const TaskState& state, bool isTeacher);

// The lab of the task: the shown user's saved lab, else the task's own, else
// "default.lab" of the task's folder; empty when none of them exists.
QString TaskLabFile(const TaskState& state);
// "Начать с начала": removes the shown user's answers, area and lab of the task.
void DeleteUserCopies(const TaskState& state);

} // namespace tasks
