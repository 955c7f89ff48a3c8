#pragma once
#include "taskfiles/checking.h"

namespace base {
struct AppState;
}
namespace labframe {
class TfmLab;
}

// After the verdict of "Готово": announcing it, saving the pupil's work and
// recording the attempt.
namespace tasks {

class TConteiner;

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
