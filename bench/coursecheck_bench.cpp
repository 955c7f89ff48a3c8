// The course checker over a generated course of 50 topics, each with two
// theory pages (formula tags, a picture, a link) and four tasks (a text field,
// a formula field judged at random points, radio buttons): 300 pages and 200
// tasks judged by the checking code. Baseline from the same run: only reading
// every file of the course once.
#include "coursecheck/check/coursecheck.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTopics = 50;
constexpr int kTasksPerTopic = 4;

QString TopicCode(int t) { return QStringLiteral("T%1").arg(t, 2, 10, QLatin1Char('0')); }

void WriteTopic(int t, QStringList& files)
{
    const QString folder = QStringLiteral("ZADS\\") + TopicCode(t) + u'\\';
    base::ForceFolder(folder);
    auto write = [&](const QString& name, const QStringList& lines) {
        base::WriteLines(folder + name, lines);
        files.append(folder + name);
    };
    QString exercises;
    for (int k = 1; k <= kTasksPerTopic; ++k) {
        const QString code = QStringLiteral("010%1").arg(k);
        exercises += code + u' ';
        write(code + QStringLiteral(".HTM"),
              {QStringLiteral("<P>Упростите <FORMULA=[drob[x*x-1][x+1]]>."), QStringLiteral("<FORM>"),
               QStringLiteral("<INPUT TYPE=TEXT NAME=a>"), QStringLiteral("<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"\">"),
               QStringLiteral("<INPUT TYPE=RADIO NAME=r VALUE=1><INPUT TYPE=RADIO NAME=r VALUE=2>"), QStringLiteral("</FORM>")});
        write(code + QStringLiteral(".ANS"), {QStringLiteral("a=5"), QStringLiteral("F1=[x-1]"), QStringLiteral("r=2")});
    }
    for (const QString& page : {QStringLiteral("A01"), QStringLiteral("A02")})
        write(page + QStringLiteral(".HTM"), {QStringLiteral("<P>Формула <FORMULA=[sqrt[x][2]]> и <FORMULA=[powr[x][2]]>."),
                                              QStringLiteral("<P><IMG SRC=\"..\\..\\PIC\\p.gif\"> <A HREF=\"ZAD:%1\\0101 1\">1</A>").arg(TopicCode(t))});
    write(QStringLiteral("HTM.CFG"), {QStringLiteral("A01 A02"), QString(), exercises.trimmed()});
}

struct GeneratedCourse {
    QTemporaryDir folder;
    QStringList files;

    GeneratedCourse()
    {
        base::SetProgramFolder(folder.path());
        base::SetTempFolder(folder.path());
        base::ForceFolder(QStringLiteral("PIC\\"));
        QStringList contents{QStringLiteral("Курс"), QStringLiteral("\tГруппа"), QStringLiteral("\t\tРаздел"), QStringLiteral("\t\t\tГлава")};
        for (int t = 0; t < kTopics; ++t) {
            contents.append(QStringLiteral("\t\t\t\t%1 §%2. Тема").arg(TopicCode(t)).arg(t + 1));
            WriteTopic(t, files);
        }
        base::WriteLines(QStringLiteral("ZADS\\Contents.txt"), contents);
        base::WriteLines(QStringLiteral("ZADS\\Regims.txt"), {QStringLiteral("Теория"), QStringLiteral("Инструменты"), QStringLiteral("Упражнения")});
        base::WriteLines(QStringLiteral("ZADS\\LESS00.TXT"), {});
        base::WriteBytes(QStringLiteral("PIC\\p.gif"), "GIF89a");
        files += {QStringLiteral("ZADS\\Contents.txt"), QStringLiteral("ZADS\\Regims.txt"), QStringLiteral("ZADS\\LESS00.TXT")};
    }
};

GeneratedCourse& Course()
{
    static GeneratedCourse course;
    return course;
}

void BM_CheckGeneratedCourse(benchmark::State& state)
{
    Course();
    for (auto _ : state) {
        const coursecheck::Report report = coursecheck::CheckCourse();
        if (!report.empty()) state.SkipWithError(report.Lines().first().toUtf8().constData());
        benchmark::DoNotOptimize(report.coverage.tasks);
    }
}
BENCHMARK(BM_CheckGeneratedCourse)->Unit(benchmark::kMillisecond);

void BM_BaselineReadEveryFile(benchmark::State& state)
{
    const GeneratedCourse& course = Course();
    for (auto _ : state) {
        qsizetype lines = 0;
        for (const QString& file : course.files) lines += base::TryReadLines(file).value_or(QStringList()).size();
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_BaselineReadEveryFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
