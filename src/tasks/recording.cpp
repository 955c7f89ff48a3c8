#include "tasks/recording.h"
#include "taskfiles/answerfile.h"
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
#include <functional>

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

bool ReportUnsaved(const QString& file)
{
    ui::ShowMessage(QStringLiteral("Не удается сохранить файл \"%1\"").arg(file));
    return false;
}

bool SaveUserFile(const QString& file, const std::function<bool(const QString&)>& write)
{
    base::ForceFolder(base::ExtractFolder(file));
    return write(file) || ReportUnsaved(file);
}

} // namespace

bool RecordResult(TaskState& state, int verdict, const ResultPlaces& places)
{
    AnnounceVerdict(verdict);
    bool saved = true;
    const double seconds = ElapsedSeconds(state.startTime);
    if (!state.HasUserFolder()) return users::RecordAttempt(places.app, state.taskCode, verdict, seconds);
    if (!state.answers.isEmpty())
        saved &= SaveUserFile(state.UserFile(kAnswersExt),
                              [&](const QString& file) { return WriteAnswerFile(file, state.answers); });
    if (state.hasContainer && places.area)
        saved &= SaveUserFile(state.UserFile(kAreaExt), [&](const QString& file) { return places.area->Save(file); });
    if (labframe::TfmLab* lab = places.lab) {
        // The lab reports its own failures.
        base::ForceFolder(base::ExtractFolder(state.UserFile(kLabExt)));
        saved &= lab->SaveLabFile(state.UserFile(kLabExt));
    }
    const QString& resultsFolder = places.app.userFolder;
    if (!users::RecordAttempt(places.app, state.taskCode, verdict, seconds) && !resultsFolder.isEmpty())
        saved = ReportUnsaved(resultsFolder + users::kResultsFile);
    return saved;
}

bool SendAnswers(TaskState& state, const PageAnswers& page, const ResultPlaces& places)
{
    state.answers = page.hasForm ? page.formValues : QStringList();
    return RecordResult(state, 0, places);
}

QString FaceFile(int verdict) { return QStringLiteral("GIF\\Face%1.GIF").arg(verdict); }

} // namespace tasks
