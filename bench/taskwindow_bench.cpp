// Opening a task in the task window: a page with 20 formula tags (each drawn
// into a GIF in the temporary folder before the page is shown) against the
// same page with the tags left out. Measured twice: the window's work alone
// (LoadTask up to handing the page to the view) and the whole opening until
// the view reports the page ready.
#include "base/appstate.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "shellcalls/shellcalls.h"
#include "tasks/taskwindow.h"
#include "ui/htmlscheme.h"
#include "ui/htmlview.h"
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kFormulaTags = 20;
const QString kWithTags = QStringLiteral("T01\\0001");
const QString kWithoutTags = QStringLiteral("T01\\0002");

QStringList TaskPage(bool withTags)
{
    QStringList lines{QStringLiteral("<TITLE>520/0/0/300</TITLE>"),
                      QStringLiteral("<p>Найдите значения выражений.</p>")};
    for (int i = 1; i <= kFormulaTags; ++i) {
        const QString formula = QStringLiteral("[drob[[powr[x][%1]] - 1][sqrt[][x + %1]]]").arg(i);
        lines << QStringLiteral("<p>%1) %2 = <INPUT NAME=x%1 SIZE=5></p>")
                     .arg(i)
                     .arg(withTags ? QStringLiteral("<FORMULA=%1>").arg(formula) : QStringLiteral("выражение"));
        if (i == 1) lines.insert(lines.size() - 1, QStringLiteral("<FORM>"));
    }
    lines << QStringLiteral("</FORM>");
    return lines;
}

class Fixture {
public:
    Fixture()
    {
        base::SetProgramFolder(m_folder.path());
        QDir().mkpath(m_folder.path() + "/tmp");
        base::SetTempFolder(m_folder.path() + "/tmp");
        base::ForceFolder(QStringLiteral("CSS"));
        base::ForceFolder(QStringLiteral("ZADS\\T01"));
        base::WriteLines("CSS\\zad.css", {"body { background: #efe2fc; }"});
        base::WriteLines("ZADS\\" + kWithTags + ".HTM", TaskPage(true));
        base::WriteLines("ZADS\\" + kWithoutTags + ".HTM", TaskPage(false));
        base::App().currentUserId = QStringLiteral("10000501");
        base::App().userFolder = QStringLiteral("USERS\\10000501\\");
        m_window = std::make_unique<tasks::TffZad>();
    }

    tasks::TffZad& window() { return *m_window; }

    // Opens the task and runs the event loop until the page is ready.
    bool open(const QString& code)
    {
        m_window->hide();
        QEventLoop loop;
        QObject::connect(m_window->HTML, &ui::HtmlView::pageReady, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (!m_window->Open({base::App().currentUserId, code, QStringLiteral("Упражнение :"), {}})) return false;
        if (!m_window->HTML->IsReady()) loop.exec();
        return m_window->HTML->IsReady();
    }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<tasks::TffZad> m_window;
};

Fixture* g_fixture = nullptr;

void LoadTaskOnly(benchmark::State& state, const QString& code)
{
    tasks::TffZad& window = g_fixture->window();
    for (auto _ : state) {
        window.LoadTask(code);
        if (window.State().pageLines.size() < kFormulaTags) state.SkipWithError("the page was not assembled");
    }
}

void BM_LoadTaskWith20FormulaTags(benchmark::State& state) { LoadTaskOnly(state, kWithTags); }
BENCHMARK(BM_LoadTaskWith20FormulaTags)->Unit(benchmark::kMillisecond);
void BM_BaselineLoadTaskWithoutTags(benchmark::State& state) { LoadTaskOnly(state, kWithoutTags); }
BENCHMARK(BM_BaselineLoadTaskWithoutTags)->Unit(benchmark::kMillisecond);

void OpenUntilReady(benchmark::State& state, const QString& code)
{
    for (auto _ : state)
        if (!g_fixture->open(code)) state.SkipWithError("the page did not become ready");
}

void BM_OpenTaskWith20FormulaTags(benchmark::State& state) { OpenUntilReady(state, kWithTags); }
BENCHMARK(BM_OpenTaskWith20FormulaTags)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
void BM_BaselineOpenTaskWithoutTags(benchmark::State& state) { OpenUntilReady(state, kWithoutTags); }
BENCHMARK(BM_BaselineOpenTaskWithoutTags)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-logging");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    ui::RegisterHtmlSchemes();
    QApplication app(argc, argv);
    auto fixture = std::make_unique<Fixture>();
    g_fixture = fixture.get();
    fixture->open(kWithoutTags); // the web engine starts once, outside the measurements
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fixture.reset();
    return 0;
}
