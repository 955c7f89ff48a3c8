// Any bytes as a task page and two answer files (separated by zero bytes):
// judging must neither crash nor hang, and gives a verdict of 0, 1 or 2.
#include "base/textfile.h"
#include "taskfiles/answerpage.h"
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\0');
    const QString page = base::DecodeCp1251(parts.value(0));
    const QStringList given = base::SplitLines(base::DecodeCp1251(parts.value(1)));
    const QStringList expected = base::SplitLines(base::DecodeCp1251(parts.value(2)));

    QStringList answers = tasks::NormalizeAnswers(given);
    QStringList wanted = expected;
    QStringList names;
    for (const QString& line : answers) names.append(line.section(u'=', 0, 0));
    tasks::FillMissingAnswers(answers, wanted, names);
    tasks::AnswersComplete(answers);

    const tasks::FormJudgement judged = tasks::JudgeForm(answers, wanted, page);
    if (judged.verdict < 0 || judged.verdict > 2) std::abort();
    const int area = tasks::JudgeArea(given, expected);
    if (area != 1 && area != 2) std::abort();

    QString list = page;
    for (const QString& line : given) tasks::TakeFromList(line, list);
    return 0;
}
