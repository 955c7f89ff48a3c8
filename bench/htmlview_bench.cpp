// Loading a page into the HTML view until its mirror is current (pageReady),
// against loading an empty page the same way.
#include "base/paths.h"
#include "base/textfile.h"
#include "ui/htmlscheme.h"
#include "ui/htmlview.h"
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A task page as the task window shows it: style sheet, text, three formula
// pictures and an answer form with fields of every kind.
QStringList TaskPage()
{
    QStringList lines = {
        "<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"..\\..\\CSS\\zad.css\"></HEAD><BODY>",
        "<TITLE>520/10/20/300</TITLE>",
        "<P>Найдите значение выражения при указанных значениях переменных.</P>"};
    for (int i = 1; i <= 3; ++i)
        lines << QStringLiteral("<P>%1) <IMG SRC=\"%2%1.GIF\"></P>").arg(i).arg(base::TempFolder());
    lines << "<FORM>"
          << "<P>Ответ: <INPUT TYPE=TEXT NAME=x1 SIZE=10> <INPUT TYPE=TEXT NAME=x2 SIZE=10>"
          << "<P><INPUT TYPE=HIDDEN NAME=F1 VALUE=\"[drob[1][x]]\">"
          << "<P><INPUT TYPE=RADIO NAME=r VALUE=1> да <INPUT TYPE=RADIO NAME=r VALUE=2> нет"
          << "<P><INPUT TYPE=CHECKBOX NAME=c1 VALUE=\"ю\"> верно"
          << "<P><SELECT NAME=s><OPTION>меньше<OPTION>равно<OPTION>больше</SELECT>"
          << "<P><TEXTAREA NAME=comment_ ROWS=3 COLS=40></TEXTAREA>"
          << "</FORM></BODY></HTML>";
    return lines;
}

class Fixture {
public:
    Fixture()
    {
        base::SetProgramFolder(m_folder.path());
        QDir().mkpath(m_folder.path() + "/tmp");
        QDir().mkpath(m_folder.path() + "/CSS");
        base::SetTempFolder(m_folder.path() + "/tmp");
        base::WriteLines("CSS\\zad.css", {"body { font-family: \"Times New Roman\"; background: #efe2fc; }"});
        QImage formula(120, 40, QImage::Format_RGB32);
        formula.fill(Qt::white);
        for (int i = 1; i <= 3; ++i) formula.save(base::TempFolder() + QString::number(i) + ".GIF", "PNG");
        m_view.resize(800, 600);
        m_view.show();
    }

    // Loads the lines and runs the event loop until the view is ready.
    void load(const QStringList& lines)
    {
        QEventLoop loop;
        QObject::connect(&m_view, &ui::HtmlView::pageReady, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        m_view.LoadLines(lines, "ZADS\\00000000\\");
        loop.exec();
    }

    ui::HtmlView& view() { return m_view; }

private:
    QTemporaryDir m_folder;
    ui::HtmlView m_view;
};

// Made in main(): the view must go before the application object.
Fixture* g_fixture = nullptr;

Fixture& Shared() { return *g_fixture; }

void BM_LoadEmptyPage(benchmark::State& state)
{
    Fixture& fixture = Shared();
    for (auto _ : state) fixture.load({});
}
BENCHMARK(BM_LoadEmptyPage)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_LoadTaskPage(benchmark::State& state)
{
    Fixture& fixture = Shared();
    const QStringList page = TaskPage();
    for (auto _ : state) {
        fixture.load(page);
        if (fixture.view().FormFieldNames().size() != 8) state.SkipWithError("the form was not read");
    }
}
BENCHMARK(BM_LoadTaskPage)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-logging");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    ui::RegisterHtmlSchemes();
    QApplication app(argc, argv);
    auto fixture = std::make_unique<Fixture>();
    g_fixture = fixture.get();
    fixture->load({}); // the web engine starts once, outside the measurements
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
