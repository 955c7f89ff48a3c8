// The register and the results store at school size: a register of 10,000
// users in 300 classes (loading it, switching the shown class) and a results
// file of 5,000 entries (one attempt recorded: look-up plus atomic save).
// Each is measured beside a baseline of the same run: reading the file's
// lines alone, copying a class's node texts, writing the results file alone.
#include "base/appstate.h"
#include "base/paths.h"
#include "base/random.h"
#include "base/textfile.h"
#include "users/register.h"
#include "users/results.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kClasses = 300;
constexpr int kUsers = 10000;
constexpr int kResults = 5000;

// A program folder with the big register and a user with a big results file.
struct Folder {
    QTemporaryDir dir;
    Folder()
    {
        base::SetProgramFolder(dir.path());
        QDir().mkpath(dir.path() + QStringLiteral("/DATA"));
        QStringList lines{QStringLiteral("Пользователи")};
        for (int k = 0; k < kClasses; ++k) {
            lines.append(QStringLiteral("\tКласс %1").arg(k));
            for (int u = k; u < kUsers; u += kClasses)
                lines.append(QStringLiteral("\t\t%1 Ученик Номер %2$пароль%2").arg(10000000 + u).arg(u));
        }
        base::WriteLines(QStringLiteral("DATA\\users.txt"), lines);
        QStringList results;
        for (int i = 0; i < kResults; ++i)
            results.append(QStringLiteral("T%1\\%2=1  2   125 07.03.2004").arg(i / 20, 2, 10, QChar(u'0')).arg(i % 20, 3, 10, QChar(u'0')));
        base::App().userFolder = QStringLiteral("USERS\\10000001\\");
        base::App().userResults.setLines(results);
        users::SaveResults(base::App().userFolder, base::App().userResults);
    }
};

Folder& TheFolder()
{
    static Folder folder;
    return folder;
}

QString RandomCode()
{
    const int i = base::RandomInt(kResults);
    return QStringLiteral("T%1\\%2").arg(i / 20, 2, 10, QChar(u'0')).arg(i % 20, 3, 10, QChar(u'0'));
}

void RegisterLoad(benchmark::State& state)
{
    TheFolder();
    for (auto _ : state) {
        users::Register reg;
        reg.LoadRegister();
        benchmark::DoNotOptimize(reg.classCount());
    }
}
BENCHMARK(RegisterLoad)->Unit(benchmark::kMillisecond);

void BaselineReadRegisterLines(benchmark::State& state)
{
    TheFolder();
    for (auto _ : state) benchmark::DoNotOptimize(base::ReadLines(QStringLiteral("DATA\\users.txt")).size());
}
BENCHMARK(BaselineReadRegisterLines)->Unit(benchmark::kMillisecond);

void ClassSwitch(benchmark::State& state)
{
    TheFolder();
    users::Register reg;
    reg.LoadRegister();
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(reg.classUsers(k).count());
        k = (k + 1) % kClasses;
    }
}
BENCHMARK(ClassSwitch)->Unit(benchmark::kMicrosecond);

void BaselineCopyClassTexts(benchmark::State& state)
{
    TheFolder();
    users::Register reg;
    reg.LoadRegister();
    int k = 0;
    for (auto _ : state) {
        QStringList texts;
        for (const auto& node : reg.tree().front().children[size_t(k)].children) texts.append(node.text);
        benchmark::DoNotOptimize(texts.size());
        k = (k + 1) % kClasses;
    }
}
BENCHMARK(BaselineCopyClassTexts)->Unit(benchmark::kMicrosecond);

void RecordAttempt(benchmark::State& state)
{
    TheFolder();
    base::SetRandomSeed(1);
    for (auto _ : state) users::RecordAttempt(base::App(), RandomCode(), 1, 12.0);
}
BENCHMARK(RecordAttempt)->Unit(benchmark::kMillisecond);

void BaselineSaveResultsOnly(benchmark::State& state)
{
    TheFolder();
    for (auto _ : state) users::SaveResults(base::App().userFolder, base::App().userResults);
}
BENCHMARK(BaselineSaveResultsOnly)->Unit(benchmark::kMillisecond);

void BaselineLookupOnly(benchmark::State& state)
{
    TheFolder();
    base::SetRandomSeed(1);
    for (auto _ : state) benchmark::DoNotOptimize(base::App().userResults.indexOfName(RandomCode()));
}
BENCHMARK(BaselineLookupOnly)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
