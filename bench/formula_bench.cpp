// Formulas: one graph row (Calculate for 800 successive x values), the
// bracket notation of a 1,000-character formula read and written, a formula
// of about 50 terms measured and drawn and written as a GIF picture, and a
// page of 50 formula tags expanded into pictures. Baselines from the same
// run: the same row computed by straight C++ code, copying the notation text
// (the least any reader or writer does), drawing the formula's notation as
// one line of plain text, writing the same picture as an uncompressed
// bitmap, and the same page with its tags replaced by text alone.
#include "formulas/formula.h"
#include "formulas/view/drawing.h"
#include "formulas/view/formulapages.h"
#include "formulas/view/picture.h"
#include "expr/odz.h"
#include "expr/x87.h"
#include "base/paths.h"
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
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
            expr::odz::Power(x, 2, square);
            expr::odz::Sqrt(x * x + 1, root);
            expr::odz::Divide(square, root, quotient);
            benchmark::DoNotOptimize(quotient - a * expr::x87::Sin(x));
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

// ---- drawing and pictures -----------------------------------------------------

// Two rounds of every kind of term: about 50 terms in all.
const QString kDrawnFormula = QStringLiteral(
    "[drob[sin(x)+1][powr[x][2]]][+][sqrt[3][modl[x-a]]][-][loga[2][x]][*b]"
    "[+][intg[0][1][powr[x][2]][dx]][-][syst[[x+y=5]][[x-y=1]]][+][indx[a][n]][skob[vect[AB]]]");

int CountTerms(const formulas::TTerm* term)
{
    int count = 1;
    for (int k = 1; k <= term->Count(); ++k) count += CountTerms(term->Child(k));
    return count;
}

QImage DrawingCanvas()
{
    QImage image(800, 200, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

void BM_MeasureAndDrawFormula(benchmark::State& state)
{
    formulas::TFormula formula;
    formula.SetText(kDrawnFormula);
    QImage image = DrawingCanvas();
    QPainter canvas(&image);
    canvas.setFont(formulas::FormulaFont(14));
    for (auto _ : state) formulas::Draw(formula, canvas, 10, 10); // measures, then draws
    state.counters["terms"] = CountTerms(formula.Root());
}
BENCHMARK(BM_MeasureAndDrawFormula);

void BM_BaselineDrawNotationAsText(benchmark::State& state)
{
    QImage image = DrawingCanvas();
    QPainter canvas(&image);
    canvas.setFont(formulas::FormulaFont(14));
    for (auto _ : state) canvas.drawText(10, 40, kDrawnFormula);
}
BENCHMARK(BM_BaselineDrawNotationAsText);

void BM_WriteFormulaGif(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("1.GIF"));
    formulas::TFormula formula;
    formula.SetText(kDrawnFormula);
    for (auto _ : state) benchmark::DoNotOptimize(formulas::SaveImage(formula, file, Qt::black, Qt::white));
}
BENCHMARK(BM_WriteFormulaGif);

// The same picture drawn and written as an uncompressed bitmap.
void BM_BaselineWriteFormulaBitmap(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("1.bmp"));
    formulas::TFormula formula;
    formula.SetText(kDrawnFormula);
    for (auto _ : state) benchmark::DoNotOptimize(formulas::SaveImage(formula, file, Qt::black, Qt::white));
}
BENCHMARK(BM_BaselineWriteFormulaBitmap);

QStringList PageWithFormulaTags()
{
    const QString tags[] = {
        QStringLiteral("<FORMULA=[drob[1][x+1]]>"), QStringLiteral("<FORMULA=[sqrt[][powr[x][2]+1]]>"),
        QStringLiteral("<FORMULA=[loga[2][x]][=3]>"), QStringLiteral("<FORMULA=[syst[[x+y=5]][[x-y=1]]]>"),
        QStringLiteral("<FORMULA=[x з (-м; 2}]>")};
    QStringList page;
    for (int i = 0; i < 50; ++i)
        page << QStringLiteral("<P>Пример %1: решите %2 и запишите ответ.</P>").arg(i + 1).arg(tags[i % 5]);
    return page;
}

void BM_ExpandPageOf50FormulaTags(benchmark::State& state)
{
    QTemporaryDir dir;
    base::SetTempFolder(dir.path());
    const QStringList page = PageWithFormulaTags();
    for (auto _ : state) {
        int counter = 0;
        for (QString line : page) formulas::ExpandFormulaTags(line, counter);
        benchmark::DoNotOptimize(counter);
    }
}
BENCHMARK(BM_ExpandPageOf50FormulaTags)->Unit(benchmark::kMillisecond);

// The page's tags replaced by their picture text without drawing anything.
void BM_BaselineExpandPageTextOnly(benchmark::State& state)
{
    const QStringList page = PageWithFormulaTags();
    for (auto _ : state) {
        int counter = 0;
        for (QString line : page) {
            const qsizetype p = line.indexOf(QLatin1String("<FORMULA="));
            const qsizetype close = line.indexOf(u'>', p);
            line.replace(p, close - p + 1, QStringLiteral("<IMG SRC=\"/tmp/%1.GIF\">").arg(++counter));
            benchmark::DoNotOptimize(line.constData());
        }
    }
}
BENCHMARK(BM_BaselineExpandPageTextOnly)->Unit(benchmark::kMillisecond);

} // namespace
