#include "tasks/checking.h"
#include "labframe/labwindow.h"
#include "base/appstate.h"
#include "base/folders.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "tasks/answerarea.h"
#include "ui/waitcursor.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "ui/music.h"
#include "users/results.h"
#include <functional>
#include <optional>

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

std::optional<QStringList> ReadExpected(const TaskState& state)
{
    const QString file = state.TaskFile(kAnswersExt);
    std::optional<QStringList> lines = base::TryReadLines(file);
    if (!lines) ui::ShowMessage(QStringLiteral("Не удается открыть файл \"%1\"").arg(file));
    return lines;
}

CheckResult Stop(CheckStatus status, const QString& note)
{
    if (!note.isEmpty()) shellcalls::guide().ShowNote(note, kNoteSeconds);
    return {status, 0, {}};
}

CheckResult CheckArea(TaskState& state, const PageAnswers& page)
{
    for (const QString& line : page.areaAnswers) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || eq == line.size() - 1) return Stop(CheckStatus::Incomplete, kIncompleteNote);
    }
    const std::optional<QStringList> expected = ReadExpected(state);
    if (!expected) return Stop(CheckStatus::NoAnswerFile, {});
    state.answers = page.areaAnswers;
    state.expectedAnswers = *expected;
    return {CheckStatus::Judged, JudgeArea(state.answers, state.expectedAnswers), {}};
}

CheckResult CheckForm(TaskState& state, const PageAnswers& page)
{
    QStringList answers = NormalizeAnswers(page.formValues);
    if (!AnswersComplete(answers)) return Stop(CheckStatus::Incomplete, kIncompleteNote);
    const std::optional<QStringList> read = ReadExpected(state);
    if (!read) return Stop(CheckStatus::NoAnswerFile, {});
    QStringList expected = *read;
    FillMissingAnswers(answers, expected, page.controlNames);
    state.answers = answers;
    state.expectedAnswers = expected;

    FormJudgement judged = JudgeForm(answers, expected, state.pageLines.join(QStringLiteral("\r\n")));
    state.pageLines = base::SplitLines(judged.page);
    return {CheckStatus::Judged, judged.verdict, std::move(judged.formulas)};
}

} // namespace

CheckResult CheckAnswers(TaskState& state, const PageAnswers& page)
{
    if (!state.IsShownUserCurrent()) return Stop(CheckStatus::WrongUser, kWrongUserNote);
    ui::WaitCursor wait;
    return state.hasContainer ? CheckArea(state, page) : CheckForm(state, page);
}

bool RecordResult(TaskState& state, int verdict, const ResultPlaces& places)
{
    AnnounceVerdict(verdict);
    bool saved = true;
    const double seconds = ElapsedSeconds(state.startTime);
    if (!state.HasUserFolder()) return users::RecordAttempt(places.app, state.taskCode, verdict, seconds);
    if (!state.answers.isEmpty())
        saved &= SaveUserFile(state.UserFile(kAnswersExt),
                              [&](const QString& file) { return base::WriteLines(file, state.answers); });
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
