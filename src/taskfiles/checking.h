#pragma once
#include "taskfiles/answerpage.h"
#include "taskfiles/taskstate.h"
#include <QList>
#include <QStringList>

// "Готово" in the task window: judging the answers against the task's answer
// file. The window passes in what its page and area hold and shows what comes
// out; nothing here touches a widget (recording.h saves and records).
namespace tasks {

// What the page and the area hold when the pupil presses "Готово".
struct PageAnswers {
    bool hasForm = false;
    QStringList formValues;    // the first form's "name=value" lines, as the form reports them
    QStringList controlNames;  // the names of the first form's controls, in page order
    QStringList areaAnswers;   // the area's "card=place" lines (TConteiner::CollectAnswers)
    QStringList labAnswers;    // the task's lab's own "name=value" lines (TfmLab::TaskAnswers)
};

enum class CheckStatus {
    Judged,        // verdict, page and formulas are set; the window shows them and records
    WrongUser,     // the shown user is not the one logged in: nothing judged
    Incomplete,    // a field is empty: nothing judged; the pupil may complete and retry
    NoAnswerFile,  // the task's answer file could not be read (message says so)
};

struct CheckResult {
    CheckStatus status = CheckStatus::Judged;
    int verdict = 0;
    // Formula fields whose pictures are drawn again (black on light lilac when
    // right, red when wrong).
    QList<FormulaMark> formulas;
    // For the message box: why nothing was judged (NoAnswerFile).
    QString message = {};
};

inline const QString kWrongUserNote = QStringLiteral("Вы не можете отвечать за другого ученика!");
inline const QString kIncompleteNote = QStringLiteral("Ответ неполный ...");
inline const QString kWaitsNote = QStringLiteral("Ваше решение отправлено на проверку");
inline const QString kRightNote = QStringLiteral("ОТЛИЧНО!");
inline const QString kWrongNote = QStringLiteral("Вы ошиблись!");
inline constexpr int kNoteSeconds = 5;

// CheckAnswers: judges the page (or, when state.hasContainer, the area) and
// on success sets state.answers, state.expectedAnswers and state.pageLines
// (judged controls replaced by their coloured values). The wrong-user and
// incomplete notes are shown here; the message of an unreadable answer file
// is left to the caller. The caller then shows state.pageLines,
// scrolled to its end, draws the formula pictures, calls RecordResult with
// the verdict, disables the page and shows the face.
CheckResult CheckAnswers(TaskState& state, const PageAnswers& page);

} // namespace tasks
