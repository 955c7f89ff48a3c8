// One tick of the results table: the results of 30 pupils reread for a topic
// of 40 exercises. The baseline reads the 30 results files alone.
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "users/resultstable.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kPupils = 30;
constexpr int kExercises = 40;
// Each pupil has also worked in other topics.
constexpr int kOtherEntries = 200;

struct ClassFolder {
    QTemporaryDir dir;
    users::ResultsGrid grid;
    ClassFolder()
    {
        base::SetProgramFolder(dir.path());
        for (int e = 0; e < kExercises; ++e) grid.codes.append(QStringLiteral("A05\\%1").arg(e + 1, 4, 10, QChar(u'0')));
        for (int p = 0; p < kPupils; ++p) {
            const QString id = QString::number(10000000 + p);
            grid.ids.append(id);
            grid.names.append(QStringLiteral("Ученик %1").arg(p));
            QStringList lines;
            for (int o = 0; o < kOtherEntries; ++o)
                lines.append(QStringLiteral("B%1\\%2=1  2   125 07.03.2004").arg(o / 20).arg(o % 20));
            for (int e = p % 3; e < kExercises; e += 2)
                lines.append(grid.codes[e] + QStringLiteral("=2  3   250 07.03.2004"));
            base::ForceFolder(users::PupilFolder(id));
            base::WriteLines(users::PupilFolder(id) + QStringLiteral("results.txt"), lines);
        }
    }
};

ClassFolder& TheClass()
{
    static ClassFolder folder;
    return folder;
}

void TableTick(benchmark::State& state)
{
    ClassFolder& folder = TheClass();
    for (auto _ : state) {
        users::FillGrid(folder.grid);
        benchmark::DoNotOptimize(folder.grid.values.size());
    }
}
BENCHMARK(TableTick)->Unit(benchmark::kMicrosecond);

// Baseline: the 30 results files read, nothing looked up.
void ReadResultsFiles(benchmark::State& state)
{
    ClassFolder& folder = TheClass();
    for (auto _ : state) {
        qsizetype lines = 0;
        for (const QString& id : folder.grid.ids)
            lines += base::TryReadLines(users::PupilFolder(id) + QStringLiteral("results.txt"))->size();
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(ReadResultsFiles)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
