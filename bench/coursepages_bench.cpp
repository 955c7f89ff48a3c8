// Assembling a topic's exercises page: 40 exercises (20 single ones and 10
// groups of two variants), read from their page files, each with a formula
// tag turned into a picture, results icons from a list of 40 entries.
// Baseline from the same run: the same pages copied without tags, so the
// difference is the formula pictures.
#include "formulas/view/formulapages.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "shell/coursepages.h"
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kExercises = 40;

struct Course {
    QTemporaryDir folder;
    QString codes;
    base::NameValueList results;
};

// Writes the topic "A01" with or without formula tags into a fresh program folder.
std::unique_ptr<Course> MakeCourse(bool withTags)
{
    auto course = std::make_unique<Course>();
    base::SetProgramFolder(course->folder.path());
    base::SetTempFolder(course->folder.path() + QStringLiteral("/tmp"));
    const QString formula = withTags ? QStringLiteral("<FORMULA=[drob[x+1][x-1]]>") : QStringLiteral("(x+1)/(x-1)");
    base::ForceFolder(QStringLiteral("ZADS\\A01\\"));
    QStringList codes;
    for (int i = 1; i <= kExercises; ++i) {
        const bool variant = i > kExercises / 2;
        const QString code = variant ? QStringLiteral("%1%2").arg(20 + (i - 21) / 2).arg(1 + (i - 21) % 2)
                                     : QStringLiteral("%1").arg(1000 + i);
        codes.append(code);
        QStringList page;
        if (variant) page << QStringLiteral("<COMMON>") << QStringLiteral("<P>Упростите выражение.") << QStringLiteral("</COMMON>");
        page << QStringLiteral("<P>Найдите значение %1 при x = %2.").arg(formula).arg(i)
             << QStringLiteral("<FORM>") << QStringLiteral("<INPUT NAME=A1>");
        base::WriteLines(QStringLiteral("ZADS\\A01\\") + code + QStringLiteral(".HTM"), page);
        course->results.append(QStringLiteral("A01\\") + code, QStringLiteral("1  2    75 01.09.2026"));
    }
    course->codes = codes.join(u' ');
    return course;
}

void BuildExercises(benchmark::State& state, bool withTags)
{
    const std::unique_ptr<Course> course = MakeCourse(withTags);
    shell::PageBuildSettings settings;
    settings.topic = QStringLiteral("A01");
    settings.results = &course->results;
    settings.gifFolder = base::RealPath(QStringLiteral("GIF\\"));
    settings.expandFormulas = [](QString& line, int& counter) { formulas::ExpandFormulaTags(line, counter); };
    int pictures = 0;
    for (auto _ : state) {
        const shell::BuiltPage page = shell::BuildPage(3, course->codes, settings);
        pictures = int(page.lines.filter(QStringLiteral(".GIF\"")).size());
        benchmark::DoNotOptimize(page.lines.size());
    }
    // Formula pictures per page: 40 with the tags, 0 for the baseline.
    state.counters["pictures"] = pictures;
}

void BM_BuildExercisesPage40Formulas(benchmark::State& state) { BuildExercises(state, true); }
BENCHMARK(BM_BuildExercisesPage40Formulas)->Unit(benchmark::kMillisecond);

void BM_BaselineBuildExercisesPageNoTags(benchmark::State& state) { BuildExercises(state, false); }
BENCHMARK(BM_BaselineBuildExercisesPageNoTags)->Unit(benchmark::kMillisecond);

} // namespace
