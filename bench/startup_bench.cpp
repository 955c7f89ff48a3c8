// Wall time from starting the program to a usable login panel (the intro
// skipped, offscreen, no sound), against a baseline of the same run: a bare
// Qt widget program (this benchmark started again with --bare-qt) that shows
// one window and ends. Both say "ready" on standard output when done.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {
QString SelfPath() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(); }

QString ProgramPath()
{
    const QString fromEnv = qEnvironmentVariable("ORINDO_PROGRAM_DIR");
    const QString folder = fromEnv.isEmpty() ? QFileInfo(SelfPath()).absolutePath() + QStringLiteral("/../program") : fromEnv;
    return folder + QStringLiteral("/orindo");
}

// Runs the program until it says "ready"; false when it does not.
bool RunUntilReady(const QString& program, const QStringList& arguments, const QString& temp)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORINDO_NO_SOUND"), QStringLiteral("1"));
    env.insert(QStringLiteral("ORINDO_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("TMPDIR"), temp);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) return false;
    while (!process.readAllStandardOutput().contains("ready")) {
        if (!process.waitForReadyRead(20000)) return false;
    }
    process.waitForFinished(10000);
    return true;
}

void Measure(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    QTemporaryDir temp;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        if (!RunUntilReady(program, arguments, temp.path())) {
            state.SkipWithError("the program did not get ready");
            return;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}

void StartToLoginPanel(benchmark::State& state) { Measure(state, ProgramPath(), {}); }
BENCHMARK(StartToLoginPanel)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BaselineBareQtWindow(benchmark::State& state) { Measure(state, SelfPath(), {QStringLiteral("--bare-qt")}); }
BENCHMARK(BaselineBareQtWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

int BareQt(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Ориндо"));
    window.resize(800, 576);
    window.show();
    QTimer::singleShot(0, [] {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--bare-qt") == 0) return BareQt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
