#include "tasks/recording.h"
#include "taskfiles/answerfile.h"
#include "taskfiles/containerfile.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/folders.h"
#include "base/textutil.h"
#include "base/textfile.h"
#include "tasks/answerarea.h"
#include "shellcalls/shellcalls.h"
#include "ui/dialogs.h"
#include "ui/music.h"
#include "users/results.h"

namespace tasks {

namespace {

void AnnounceVerdict(int verdict)
{
    switch (verdict) {
    case 1:
        ui::PlaySound(QStringLiteral("WAV\\right.wav"));
        shellcalls::guide().ShowNote(kRightNote, kNoteSeconds);
        break;
    case 2:
        ui::PlaySound(QStringLiteral("WAV\\error.wav"));
        shellcalls::guide().ShowNote(kWrongNote, kNoteSeconds);
        break;
    default:
        shellcalls::guide().ShowNote(kWaitsNote, kNoteSeconds);
        break;
    }
}

// Reported once per file; the change is kept and written with the next one.
bool Saved(base::SharedChangeStatus status, const QString& file)
{
    const QString message = base::SharedChangeMessage(status, file);
    if (message.isEmpty()) return true;
    ui::ShowMessage(message);
    return false;
}

// The user's answers and area are the user's alone, but the same user may
// work on two machines: each save replaces the file whole, under its lock.
bool SaveUserFile(base::AppState& app, const QString& file, const QStringList& lines)
{
    return Saved(app.sharedChanges.Apply(file, base::ReplaceLines(lines)).status, file);
}

} // namespace

bool RecordResult(TaskState& state, int verdict, const ResultPlaces& places)
{
    AnnounceVerdict(verdict);
    bool saved = true;
    const double seconds = ElapsedSeconds(state.startTime);
    if (!state.HasUserFolder()) {
        const base::SharedChangeStatus recorded = users::RecordAttempt(places.app, state.taskCode, verdict, seconds);
        return recorded == base::SharedChangeStatus::Written;
    }
    if (!state.answers.isEmpty())
        saved &= SaveUserFile(places.app, state.UserFile(kAnswersExt), AnswerFileLines(state.answers));
    if (state.hasContainer && places.area)
        saved &= SaveUserFile(places.app, state.UserFile(kAreaExt), ContainerLines(places.area->Data()));
    if (labframe::TfmLab* lab = places.lab) {
        // The lab reports its own failures.
        base::ForceFolder(base::ExtractFolder(state.UserFile(kLabExt)));
        saved &= lab->SaveLabFile(state.UserFile(kLabExt));
    }
    const QString& resultsFolder = places.app.userFolder;
    const base::SharedChangeStatus recorded = users::RecordAttempt(places.app, state.taskCode, verdict, seconds);
    if (!resultsFolder.isEmpty()) saved &= Saved(recorded, resultsFolder + users::kResultsFile);
    return saved;
}

bool SendAnswers(TaskState& state, const PageAnswers& page, const ResultPlaces& places)
{
    state.answers = page.hasForm ? page.formValues : QStringList();
    return RecordResult(state, 0, places);
}

QString FaceFile(int verdict) { return QStringLiteral("GIF\\Face%1.GIF").arg(verdict); }

} // namespace tasks
