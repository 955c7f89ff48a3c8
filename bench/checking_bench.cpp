// Answer checking: a page of 20 formula answers (each judged at 20 random
// points, so 2 x 400 evaluations with the parsing of both formulas) and a
// page of 50 plain fields (answers looked up, controls replaced in the page).
// Baselines from the same run: the 800 evaluations alone on formulas read
// once, and normalising the 50 answers without judging them.
#include "formulas/formula.h"
#include "base/random.h"
#include "taskfiles/answerpage.h"
#include <benchmark/benchmark.h>

namespace {

constexpr int kFormulaFields = 20;
constexpr int kPlainFields = 50;
const QString kExpected = QStringLiteral("[drob[[powr[x][2]][-1]][[powr[x][2]][+1]]]");
const QString kGiven = QStringLiteral("[drob[(x-1)*(x+1)][x*x+1]]");

struct FormulaPage {
    QStringList answers, expected;
    QString page;
};

FormulaPage MakeFormulaPage()
{
    FormulaPage p;
    for (int i = 1; i <= kFormulaFields; ++i) {
        const QString name = QStringLiteral("F%1").arg(i);
        p.answers.append(name + u'=' + kGiven);
        p.expected.append(name + u'=' + kExpected);
        p.page += QStringLiteral("<INPUT TYPE=HIDDEN NAME=%1 VALUE=\"\">\r\n").arg(name);
    }
    return p;
}

void BM_JudgeTwentyFormulaFields(benchmark::State& state)
{
    const FormulaPage p = MakeFormulaPage();
    base::SetRandomSeed(1);
    for (auto _ : state) {
        const tasks::FormJudgement judged = tasks::JudgeForm(p.answers, p.expected, p.page);
        if (judged.verdict != 1) state.SkipWithError("the formulas should be equivalent");
    }
    state.SetItemsProcessed(state.iterations() * kFormulaFields);
}
BENCHMARK(BM_JudgeTwentyFormulaFields)->Unit(benchmark::kMillisecond);

void BM_BaselineEvaluationsOnly(benchmark::State& state)
{
    formulas::TFormula expected, given;
    expected.SetText(kExpected);
    given.SetText(kGiven);
    for (auto _ : state) {
        for (int i = 0; i < kFormulaFields * 20; ++i) {
            expected.Values()[0] = given.Values()[0] = i - 200;
            benchmark::DoNotOptimize(expected.TryCalculate());
            benchmark::DoNotOptimize(given.TryCalculate());
        }
    }
    state.SetItemsProcessed(state.iterations() * kFormulaFields);
}
BENCHMARK(BM_BaselineEvaluationsOnly)->Unit(benchmark::kMillisecond);

struct PlainPage {
    QStringList form, expected;
    QString page;
};

PlainPage MakePlainPage()
{
    PlainPage p;
    for (int i = 1; i <= kPlainFields; ++i) {
        const QString name = QStringLiteral("x%1").arg(i);
        p.form.append(name + QStringLiteral("= %1 ").arg(i));
        p.expected.append(name + QStringLiteral("=%1").arg(i % 2 ? i : -i));
        p.page += QStringLiteral("<P>%1) <INPUT TYPE=TEXT NAME=%2 SIZE=5></P>\r\n").arg(i).arg(name);
    }
    return p;
}

void BM_JudgeFiftyPlainFields(benchmark::State& state)
{
    const PlainPage p = MakePlainPage();
    for (auto _ : state) {
        const QStringList answers = tasks::NormalizeAnswers(p.form);
        benchmark::DoNotOptimize(tasks::JudgeForm(answers, p.expected, p.page));
    }
    state.SetItemsProcessed(state.iterations() * kPlainFields);
}
BENCHMARK(BM_JudgeFiftyPlainFields);

void BM_BaselineNormaliseFiftyAnswers(benchmark::State& state)
{
    const PlainPage p = MakePlainPage();
    for (auto _ : state) benchmark::DoNotOptimize(tasks::NormalizeAnswers(p.form));
    state.SetItemsProcessed(state.iterations() * kPlainFields);
}
BENCHMARK(BM_BaselineNormaliseFiftyAnswers);

} // namespace

BENCHMARK_MAIN();
