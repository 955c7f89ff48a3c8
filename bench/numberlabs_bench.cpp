// The number labs' figures. Prime factorisation and the divisor list of
// eight-digit numbers (the hardest: large primes and products of two primes
// near the square root) against a baseline of reading the same numbers'
// digits; the row of squares for 1 ... 1000: every one of its 1000 rows
// painted (far more than one repaint of the table, which paints the rows in
// view) into a strip of one row's size, against a baseline that fills the
// same cells without counting divisors or drawing squares.
#include "arithmetic/divisibility.h"
#include "arithmetic/divisorrow.h"
#include "base/colours.h"
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// The largest eight-digit prime, the square of the prime 9973, a
// number with many divisors, and the largest eight-digit number.
const long long kEightDigits[] = {99999989, 99460729, 73513440, 99999999};

void BM_Baseline_DigitsOfNumbers(benchmark::State& state)
{
    for (auto _ : state)
        for (const long long n : kEightDigits) benchmark::DoNotOptimize(QString::number(n));
}
BENCHMARK(BM_Baseline_DigitsOfNumbers);

void BM_PrimeFactorsAndDivisors(benchmark::State& state)
{
    for (auto _ : state)
        for (const long long n : kEightDigits) {
            benchmark::DoNotOptimize(arithmetic::PrimeFactors(n));
            benchmark::DoNotOptimize(arithmetic::DivisorList(n));
            benchmark::DoNotOptimize(arithmetic::DivisorCount(n));
        }
}
BENCHMARK(BM_PrimeFactorsAndDivisors)->Unit(benchmark::kMicrosecond);

constexpr int kRows = 1000;
constexpr int kWidth = arithmetic::kDivisorNumberWidth + arithmetic::kDivisorSquaresWidth;

QRect Cell(int column)
{
    const int left = column == 0 ? 0 : arithmetic::kDivisorNumberWidth;
    const int width = column == 0 ? arithmetic::kDivisorNumberWidth : arithmetic::kDivisorSquaresWidth;
    return QRect(left, 0, width, arithmetic::kDivisorRowHeight);
}

void BM_Baseline_FillRows(benchmark::State& state)
{
    QImage image(kWidth, arithmetic::kDivisorRowHeight, QImage::Format_RGB32);
    const QColor background = base::BgrColor(base::colour::numberlabs::kResultCell);
    for (auto _ : state) {
        QPainter painter(&image);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < 2; ++column) painter.fillRect(Cell(column), background);
    }
}
BENCHMARK(BM_Baseline_FillRows)->Unit(benchmark::kMillisecond);

void BM_RowOfSquaresOneToAThousand(benchmark::State& state)
{
    QImage image(kWidth, arithmetic::kDivisorRowHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < 2; ++column)
                arithmetic::PaintDivisorCell(painter, Cell(column), column, row + 1, 2);
    }
}
BENCHMARK(BM_RowOfSquaresOneToAThousand)->Unit(benchmark::kMillisecond);

} // namespace
