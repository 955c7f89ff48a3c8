#pragma once
#include "tasks/answerpage.h"
#include "tasks/taskstate.h"
#include <QList>
#include <QStringList>

// "Готово" in the task window: judging the answers against the task's answer
// file, announcing the verdict, saving the pupil's work and recording the
// attempt. The window passes in what its page and area hold and shows what
// comes out; nothing here touches a widget except the area it is given.
namespace base {
struct AppState;
}
namespace labframe {
class TfmLab;
}

namespace tasks {

class TConteiner;

// What the page and the area hold when the pupil presses "Готово".
struct PageAnswers {
    bool hasForm = false;
    QStringList formValues;    // the first form's "name=value" lines, as the form reports them
    QStringList controlNames;  // the names of the first form's controls, in page order
    QStringList areaAnswers;   // the area's "card=place" lines (TConteiner::CollectAnswers)
};

enum class CheckStatus {
    Judged,        // verdict, page and formulas are set; the window shows them and records
    WrongUser,     // the shown user is not the one logged in: nothing judged
    Incomplete,    // a field is empty: nothing judged; the pupil may complete and retry
    NoAnswerFile,  // the task's answer file could not be read (a message was shown)
};

struct CheckResult {
    CheckStatus status = CheckStatus::Judged;
    int verdict = 0;
    // Formula fields whose pictures are drawn again (black on light lilac when
    // right, red when wrong).
    QList<FormulaMark> formulas;
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
// incomplete notes are shown here. The caller then shows state.pageLines,
// scrolled to its end, draws the formula pictures, calls RecordResult with
// the verdict, disables the page and shows the face.
CheckResult CheckAnswers(TaskState& state, const PageAnswers& page);

// Where a result goes besides the answers.
struct ResultPlaces {
    base::AppState& app;              // its logged-in user's results take the attempt
    const TConteiner* area = nullptr; // the task's area, saved when the task has one
    labframe::TfmLab* lab = nullptr;  // the lab on screen, saved with the answers
};

// RecordResult: announces the verdict (sound and note), writes the answers,
// the area (when the task has one and it is given) and the lab (when given)
// to the shown user's folder, and records the attempt with the seconds since
// state.startTime. False when a file could not be written (a message says
// which); the attempt is recorded all the same.
// Without a shown user (nobody logged in) no file is written.
bool RecordResult(TaskState& state, int verdict, const ResultPlaces& places);

// "Готово" of a task without an answer file: the form's values (none without
// a form) are saved unjudged and the attempt is recorded with verdict 0.
bool SendAnswers(TaskState& state, const PageAnswers& page, const ResultPlaces& places);

// "GIF\Face" + verdict + ".GIF": the animation shown after a verdict.
QString FaceFile(int verdict);

} // namespace tasks
