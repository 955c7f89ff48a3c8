// Formula editing: one key typed into a formula of about 60 terms, which
// rewrites the whole tree's notation (what every keystroke of the editor
// costs before painting), and a structure inserted in a text run, which
// rebuilds the run's sequence through its notation. Baseline from the same
// run: reading the same notation into a new tree (SetText), the work of
// showing a stored formula at all.
#include "formulas/formula.h"
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// About 60 terms: fractions, roots, powers and text runs side by side.
QString LargeFormula()
{
    QString text;
    for (int i = 0; i < 10; ++i)
        text += QStringLiteral("[drob[x+%1][sqrt[][x*x+1]]][+][powr[x][%1]][-a*sin(x)]").arg(i);
    return text;
}

void BM_ReadNotation(benchmark::State& state)
{
    const QString text = LargeFormula();
    formulas::TFormula formula;
    for (auto _ : state) formula.SetText(text);
}

// Types a character and deletes it again: two edits, each with its Refresh.
void BM_TypeAndDelete(benchmark::State& state)
{
    formulas::TFormula formula;
    formula.SetText(LargeFormula());
    formula.BeginEdit(false);
    for (auto _ : state) {
        formula.KeyChar(u'y');
        formula.KeyDown(formulas::kKeyBackspace);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// "2^" at the start of the formula: the root sequence rebuilt around a power.
void BM_StructureInTextRun(benchmark::State& state)
{
    const QString text = QStringLiteral("[2]") + LargeFormula();
    formulas::TFormula formula;
    for (auto _ : state) {
        state.PauseTiming();
        formula.SetText(text);
        formula.BeginEdit(false);
        formula.KeyDown(formulas::kKeyRight);
        state.ResumeTiming();
        formula.KeyChar(u'^');
    }
}

} // namespace

BENCHMARK(BM_ReadNotation);
BENCHMARK(BM_TypeAndDelete);
BENCHMARK(BM_StructureInTextRun);
