// Formulas: one graph row (Calculate for 800 successive x values) and the
// bracket notation of a 1,000-character formula read and written. Baselines
// from the same run: the same row computed by straight C++ code, and copying
// the notation text (the least any reader or writer does).
#include "formulas/formula.h"
#include "plane/expr/odz.h"
#include "plane/expr/x87.h"
#include <benchmark/benchmark.h>

namespace {

constexpr int kRowPoints = 800;
const QString kGraphFormula = QStringLiteral("[drob[powr[x][2]][sqrt[][x*x+1]]][-a*sin(x)]");

void BM_CalculateGraphRow(benchmark::State& state)
{
    formulas::TFormula formula;
    formula.SetPrefix(QStringLiteral("y = "));
    formula.SetText(kGraphFormula);
    formula.SetValue(u"a", 0.5L);
    for (auto _ : state) {
        for (int i = 0; i < kRowPoints; ++i) {
            formula.Values()[0] = -10 + i * 0.025L;
            benchmark::DoNotOptimize(formula.Calculate());
        }
    }
    state.SetItemsProcessed(state.iterations() * kRowPoints);
}
BENCHMARK(BM_CalculateGraphRow);

// A row in which half of the points lie outside the domain.
void BM_TryCalculateRowHalfUndefined(benchmark::State& state)
{
    formulas::TFormula formula;
    formula.SetPrefix(QStringLiteral("y = "));
    formula.SetText(QStringLiteral("[sqrt[][x]]"));
    for (auto _ : state) {
        for (int i = 0; i < kRowPoints; ++i) {
            formula.Values()[0] = -10 + i * 0.025L;
            benchmark::DoNotOptimize(formula.TryCalculate());
        }
    }
    state.SetItemsProcessed(state.iterations() * kRowPoints);
}
BENCHMARK(BM_TryCalculateRowHalfUndefined);

void BM_BaselineRowDirectCode(benchmark::State& state)
{
    volatile long double a = 0.5L;
    for (auto _ : state) {
        for (int i = 0; i < kRowPoints; ++i) {
            const long double x = -10 + i * 0.025L;
            long double square = 0, root = 0, quotient = 0;
            plane::odz::Power(x, 2, square);
            plane::odz::Sqrt(x * x + 1, root);
            plane::odz::Divide(square, root, quotient);
            benchmark::DoNotOptimize(quotient - a * plane::x87::Sin(x));
        }
    }
    state.SetItemsProcessed(state.iterations() * kRowPoints);
}
BENCHMARK(BM_BaselineRowDirectCode);

// About 1,000 characters of notation with every kind of term.
QString LongNotation()
{
    QString text;
    const QString piece = QStringLiteral("[drob[sin(x)+1][powr[x][2]]][+][sqrt[3][modl[x-a]]][-][loga[2][x]][*b]");
    while (text.size() + piece.size() <= 1000) text += piece;
    return text;
}

void BM_NotationRead(benchmark::State& state)
{
    const QString text = LongNotation();
    formulas::TFormula formula;
    for (auto _ : state) formula.SetText(text);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_NotationRead);

void BM_NotationWrite(benchmark::State& state)
{
    formulas::TFormula formula;
    formula.SetText(LongNotation());
    QString notation;
    for (auto _ : state) {
        formula.Root()->ToBracketText(notation);
        benchmark::DoNotOptimize(notation.constData());
    }
    state.SetBytesProcessed(state.iterations() * notation.size());
}
BENCHMARK(BM_NotationWrite);

void BM_BaselineNotationCopy(benchmark::State& state)
{
    const QString text = LongNotation();
    for (auto _ : state) {
        QString copy(text.constData(), text.size());
        benchmark::DoNotOptimize(copy.constData());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_BaselineNotationCopy);

} // namespace

BENCHMARK_MAIN();
