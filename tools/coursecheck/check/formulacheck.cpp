#include "coursecheck/check/formulacheck.h"
#include "formulas/formula.h"
#include "base/apperror.h"
#include "base/random.h"
#include <QStringList>

namespace coursecheck {

namespace {

const QString kTagStart = QStringLiteral("<FORMULA=");

// The range of the judging's random points: -5000 .. 4999.
constexpr int kPointRange = 10000;
constexpr int kPointLow = -5000;

} // namespace

QString NotationReadBack(const QString& text)
{
    formulas::TFormula formula;
    formula.SetText(text);
    QString back;
    formula.Root()->ToBracketText(back);
    return back;
}

std::optional<QString> NeverEvaluates(const QString& text)
{
    formulas::TFormula formula;
    formula.SetText(text);
    QString lastError = QStringLiteral("значение не определено");
    for (int attempt = 0; attempt < kEvaluationTries; ++attempt) {
        for (long double& value : formula.Values()) value = base::RandomInt(kPointRange) + kPointLow;
        try {
            formula.Calculate();
            return std::nullopt;
        } catch (const base::AppError& error) {
            lastError = error.message();
            // A syntax error, an integral or a system fails the same way at every point.
            if (formula.Variables().isEmpty()) break;
        } catch (const std::exception&) {
            lastError = QStringLiteral("ошибка вычисления");
        }
        if (formula.Variables().isEmpty()) break;
    }
    return lastError;
}

bool CheckNotation(Report& report, const QString& file, int line, const QString& text)
{
    const QString back = NotationReadBack(text);
    if (back == text) return true;
    report.Add(file, line, QStringLiteral("формула %1 читается иначе: %2").arg(text, back));
    return false;
}

void CheckExpectedFormula(Report& report, const QString& file, int line, const QString& text)
{
    // A formula that does not read back is one fault, whatever its value.
    if (!CheckNotation(report, file, line, text)) return;
    if (const std::optional<QString> error = NeverEvaluates(text))
        report.Add(file, line,
                   QStringLiteral("ответ-формула %1 не вычисляется ни в одной из %2 случайных точек (%3): "
                                  "ответ ученика с ней не сравнить")
                       .arg(text)
                       .arg(kEvaluationTries)
                       .arg(*error));
}

void CheckFormulaTags(Report& report, const QString& file, const QStringList& lines)
{
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        qsizetype start = line.indexOf(kTagStart, 0, Qt::CaseInsensitive);
        while (start >= 0) {
            const qsizetype textStart = start + kTagStart.size();
            const qsizetype end = line.indexOf(u'>', textStart);
            if (end < 0) {
                report.Add(file, i + 1, QStringLiteral("тег <FORMULA= без закрывающего \">\""));
                break;
            }
            CheckNotation(report, file, i + 1, line.mid(textStart, end - textStart));
            start = line.indexOf(kTagStart, end, Qt::CaseInsensitive);
        }
    }
}

} // namespace coursecheck
