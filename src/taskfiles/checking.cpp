#include "taskfiles/checking.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "ui/waitcursor.h"
#include "shellcalls/shellcalls.h"
#include <optional>

namespace tasks {

namespace {

std::optional<QStringList> ReadExpected(const TaskState& state) { return base::TryReadLines(state.TaskFile(kAnswersExt)); }

CheckResult NoAnswerFile(const TaskState& state)
{
    return {CheckStatus::NoAnswerFile, 0, {}, QStringLiteral("Не удается открыть файл \"%1\"").arg(state.TaskFile(kAnswersExt))};
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
    if (!expected) return NoAnswerFile(state);
    state.answers = page.areaAnswers;
    state.expectedAnswers = *expected;
    return {CheckStatus::Judged, JudgeArea(state.answers, state.expectedAnswers), {}};
}

CheckResult CheckForm(TaskState& state, const PageAnswers& page)
{
    QStringList answers = NormalizeAnswers(page.formValues);
    if (!AnswersComplete(answers)) return Stop(CheckStatus::Incomplete, kIncompleteNote);
    answers += page.labAnswers;
    const std::optional<QStringList> read = ReadExpected(state);
    if (!read) return NoAnswerFile(state);
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

} // namespace tasks
