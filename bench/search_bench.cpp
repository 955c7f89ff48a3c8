// The search over a generated course of 200 topics with 20 pages each (5
// theory pages, 15 exercises) and the example lists of 12 labs. The baseline
// reads the same files without matching.
#include "base/coursefiles.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "shell/search.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int kTopics = 200;
constexpr int kTheory = 5;
constexpr int kExercises = 15;
constexpr int kLabs = 12;
constexpr int kExamples = 15;

QString TopicCode(int t) { return QStringLiteral("T%1").arg(t, 3, 10, QChar(u'0')); }

// About 2 KB of Russian text per page; a few pages mention fractions.
QStringList PageText(int t, int p)
{
    QStringList lines{QStringLiteral("<H2>Страница %1 темы %2</H2>").arg(p).arg(t)};
    for (int i = 0; i < 20; ++i)
        lines.append(QStringLiteral("<P>Натуральные числа складывают и умножают; порядок действий задают скобки. %1")
                         .arg(i));
    if ((t * 31 + p) % 17 == 0) lines.append(QStringLiteral("<P>Обыкновенная дробь показывает долю целого."));
    return lines;
}

struct Course {
    QTemporaryDir dir;
    base::NameValueList topicMap;
    Course()
    {
        base::SetProgramFolder(dir.path());
        for (int t = 0; t < kTopics; ++t) {
            const QString topic = TopicCode(t);
            topicMap.append(topic, QStringLiteral("§%1. Тема номер %1").arg(t + 1));
            QStringList theory, exercises;
            for (int p = 0; p < kTheory; ++p) theory.append(QStringLiteral("T%1").arg(p + 1, 2, 10, QChar(u'0')));
            for (int p = 0; p < kExercises; ++p) exercises.append(QStringLiteral("%1").arg(p + 1, 4, 10, QChar(u'0')));
            base::ForceFolder(QStringLiteral("ZADS\\") + topic + u'\\');
            base::WriteLines(base::PageListFile(topic), {theory.join(u' '), QString(), exercises.join(u' ')});
            int p = 0;
            for (const QString& code : theory + exercises)
                base::WriteLines(base::PageFile(base::FullPageCode(topic, code)), PageText(t, p++));
        }
        for (int lab = 1; lab <= kLabs; ++lab) {
            QStringList examples;
            for (int e = 0; e < kExamples; ++e) examples.append(QStringLiteral("Пример %1: дробь и процент").arg(e));
            const QString folder = QStringLiteral("LABS\\LAB%1\\").arg(lab);
            base::ForceFolder(folder);
            base::WriteLines(folder + QStringLiteral("examples.txt"), examples);
        }
    }
};

Course& TheCourse()
{
    static Course course;
    return course;
}

void SearchCourse(benchmark::State& state)
{
    Course& course = TheCourse();
    int hits = 0;
    for (auto _ : state) {
        shell::TextSearch search(QStringLiteral("ДРОБ"), course.topicMap);
        hits = int(search.Run().size());
        benchmark::DoNotOptimize(hits);
    }
    state.counters["result_lines"] = hits;
}
BENCHMARK(SearchCourse)->Unit(benchmark::kMillisecond);

// Baseline: the same files read, nothing compared.
void ReadCourseFiles(benchmark::State& state)
{
    Course& course = TheCourse();
    for (auto _ : state) {
        qsizetype size = 0;
        for (int i = 0; i < course.topicMap.count(); ++i) {
            const QString topic = course.topicMap.name(i);
            const QStringList pages = base::ReadLines(base::PageListFile(topic));
            for (const int line : {0, 2})
                for (const QString& code : base::PageCodes(pages.value(line)))
                    size += base::ReadText(base::PageFile(base::FullPageCode(topic, code))).size();
        }
        for (int lab = 1; lab <= kLabs; ++lab)
            size += base::ReadLines(QStringLiteral("LABS\\LAB%1\\examples.txt").arg(lab)).size();
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(ReadCourseFiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
