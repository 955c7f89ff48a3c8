#include "coursecheck/check/taskcheck.h"
#include "coursecheck/check/formulacheck.h"
#include "coursecheck/check/linkcheck.h"
#include "base/coursefiles.h"
#include "base/appstate.h"
#include "base/namevalue.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "taskfiles/answerpage.h"
#include "taskfiles/checking.h"
#include "taskfiles/containerfile.h"
#include "taskfiles/taskpage.h"
#include "taskfiles/taskstate.h"
#include "labframe/file/labdata.h"
#include "labframe/file/labfile.h"
#include "labframe/file/labformats.h"
#include "base/htmlform.h"
#include <QRegularExpression>
#include <QSet>

namespace coursecheck {

namespace {

// A free answer needs some text; the teacher judges it.
const QString kFreeAnswerText = QStringLiteral("ответ");

QList<ExpectedLine> ReadExpected(Report& report, const QString& file, const QStringList& lines)
{
    QList<ExpectedLine> expected;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (base::Trim(line).isEmpty()) continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0) {
            report.Add(file, i + 1, QStringLiteral("строка ответа без имени поля и «=»"));
            continue;
        }
        const QString name = line.left(eq);
        const QString value = line.mid(eq + 1);
        // Lines are compared whole with the pupil's trimmed "name=value".
        if (name != base::Trim(name) || (tasks::KindOfName(name) != tasks::AnswerKind::Group && value != base::Trim(value)))
            report.Add(file, i + 1, QStringLiteral("пробелы вокруг имени или значения: строка «%1» не совпадет с ответом").arg(line));
        expected.append({i + 1, base::Trim(name), value});
    }
    return expected;
}

QString GroupPrefix(const QString& name) { return name.chopped(1); }

// Field names of the form, each once (radio buttons share theirs), in page order.
QStringList UniqueFieldNames(const QList<base::FormField>& fields)
{
    QStringList names;
    for (const base::FormField& field : fields)
        if (!field.name.isEmpty() && !names.contains(field.name, Qt::CaseInsensitive)) names.append(field.name);
    return names;
}

int FieldLine(const QStringList& pageLines, const QString& name)
{
    const QRegularExpression nameAttr(QStringLiteral("NAME\\s*=\\s*[\"']?") + QRegularExpression::escape(name) + QStringLiteral("[\"'\\s>]"),
                                      QRegularExpression::CaseInsensitiveOption);
    for (int i = 0; i < pageLines.size(); ++i)
        if (nameAttr.match(pageLines[i] + u' ').hasMatch()) return i + 1;
    return 0;
}

bool HasHiddenLine(const QStringList& pageLines, const QString& name)
{
    for (const QString& line : pageLines)
        if (tasks::HiddenFieldName(line) == name.toUpper()) return true;
    return false;
}

class TaskCheck {
public:
    TaskCheck(Report& report, const QString& code)
        : m_report(report)
    {
        m_state.taskCode = code;
        m_state.ShowUser(kCheckerUserId);
        m_pageFile = m_state.TaskFile(tasks::kPageExt);
        m_answerFile = m_state.TaskFile(tasks::kAnswersExt);
        m_areaFile = m_state.TaskFile(tasks::kAreaExt);
    }

    QString Run()
    {
        m_pageLines = base::TryReadLines(m_pageFile).value_or(QStringList());
        m_state.pageLines = tasks::AssembleTaskPage(m_pageLines, base::TempFolder());
        m_summary = base::ScanPage(m_state.pageLines.join(QStringLiteral("\r\n")));
        m_state.hasContainer = base::FileExists(m_areaFile);

        CheckHint();
        CheckFormulaFields();
        if (m_state.hasContainer) ReadArea();
        if (const std::optional<QStringList> answers = base::TryReadLines(m_answerFile)) {
            const qsizetype before = m_report.problems().size();
            m_expected = ReadExpected(m_report, m_answerFile, *answers);
            if (m_expected.isEmpty() && m_report.problems().size() == before) {
                m_report.Add(m_answerFile, 0, QStringLiteral("в файле ответов нет ни одной строки: любой ответ будет засчитан"));
                return tasks::TaskLabFile(m_state);
            }
            ReadTaskLab();
            CheckExpectedFormulas();
            if (m_state.hasContainer) CheckAreaNames();
            else CheckFormNames();
            // Faults found so far explain a wrong verdict better than the verdict does.
            if (m_report.problems().size() == before) JudgeOwnAnswers();
        }
        return tasks::TaskLabFile(m_state);
    }

private:
    void CheckHint()
    {
        const QString hint = m_state.TaskFile(tasks::kHintExt);
        const std::optional<QStringList> lines = base::TryReadLines(hint);
        if (!lines) return;
        CheckFormulaTags(m_report, hint, *lines);
        // The hint window shows its pages from the task pages' folder.
        CheckLinks(m_report, hint, *lines, {base::kLessonFolder, int(lines->size()), {}});
    }

    // The formulas hidden formula fields start with.
    void CheckFormulaFields()
    {
        for (const base::FormField& field : m_summary.fields)
            if (field.type == u"hidden" && field.name.startsWith(u'F') && !field.value.isEmpty())
                CheckNotation(m_report, m_pageFile, FieldLine(m_pageLines, field.name), field.value);
    }

    void ReadArea()
    {
        const QStringList lines = base::TryReadLines(m_areaFile).value_or(QStringList());
        m_area = tasks::ParseContainer(lines);
        if (!m_area.error.isEmpty()) {
            static const QRegularExpression lineNumber(QStringLiteral("^строка (\\d+): "));
            const QRegularExpressionMatch match = lineNumber.match(m_area.error);
            m_report.Add(m_areaFile, match.hasMatch() ? match.captured(1).toInt() : 0,
                         match.hasMatch() ? m_area.error.mid(match.capturedLength()) : m_area.error);
        }
        for (const QList<tasks::ContainerItem>* items : {&m_area.targets, &m_area.senders})
            for (const tasks::ContainerItem& item : *items)
                if (item.content.startsWith(u'['))
                    CheckNotation(m_report, m_areaFile, LineOf(lines, item.name + u' ', true), item.content);
    }

    void CheckExpectedFormulas()
    {
        for (const ExpectedLine& line : m_expected)
            if (tasks::KindOfName(line.name) == tasks::AnswerKind::Formula && !m_state.hasContainer)
                CheckExpectedFormula(m_report, m_answerFile, line.line, line.value);
    }

    void CheckAreaNames()
    {
        QStringList places{QStringLiteral("0")};
        for (const tasks::ContainerItem& target : m_area.targets) places.append(target.name);
        for (const ExpectedLine& line : m_expected) {
            const bool isCard = std::any_of(m_area.senders.begin(), m_area.senders.end(), [&](const tasks::ContainerItem& card) {
                return card.name.compare(line.name, Qt::CaseInsensitive) == 0;
            });
            if (!isCard)
                m_report.Add(m_answerFile, line.line, QStringLiteral("нет карточки «%1» в %2").arg(line.name, m_areaFile));
            else if (!places.contains(line.value))
                m_report.Add(m_answerFile, line.line, QStringLiteral("нет места «%1» в %2").arg(line.value, m_areaFile));
        }
    }

    void CheckFormNames()
    {
        // A control without a name is never reported by the form, so never judged.
        if (std::any_of(m_summary.fields.begin(), m_summary.fields.end(), [](const base::FormField& field) { return field.name.isEmpty(); }))
            m_report.Add(m_pageFile, 0, QStringLiteral("на странице есть поле без имени (NAME=): его не проверить"));
        const QStringList fieldNames = UniqueFieldNames(m_summary.fields);
        QStringList groupPrefixes;
        for (const ExpectedLine& line : m_expected) {
            if (LabAnswers(line.name)) {
                CheckLabAnswer(line);
                continue;
            }
            switch (tasks::KindOfName(line.name)) {
            case tasks::AnswerKind::Group: CheckGroup(line, fieldNames); groupPrefixes.append(GroupPrefix(line.name)); break;
            case tasks::AnswerKind::Formula: CheckFormulaField(line, fieldNames); break;
            default: NeedField(line, fieldNames); break;
            }
        }
        for (const QString& name : fieldNames) {
            const bool judged = std::any_of(m_expected.begin(), m_expected.end(), [&](const ExpectedLine& line) {
                return line.name.compare(name, Qt::CaseInsensitive) == 0;
            }) || std::any_of(groupPrefixes.begin(), groupPrefixes.end(), [&](const QString& prefix) {
                return name.left(prefix.size()) == prefix;
            });
            // A check box without a line of its own is expected to stay unticked.
            const bool checkBox = m_summary.fields[base::FieldsNamed(m_summary.fields, name).first()].type == u"checkbox";
            if (!judged && !checkBox)
                m_report.Add(m_pageFile, FieldLine(m_pageLines, name),
                             QStringLiteral("поле «%1» не проверяется: в %2 нет строки для него").arg(name, m_answerFile));
        }
    }

    // The lab of the task, when its format answers some of the task's lines itself.
    void ReadTaskLab()
    {
        const labframe::LabFileText file = labframe::ReadLabFileText(tasks::TaskLabFile(m_state));
        if (!file.text) return;
        try {
            const labframe::LabFileData data = labframe::ReadLabData(*file.text);
            const labframe::LabFormat* format = labframe::FindLabFormat(data.number);
            if (!format || !format->answersName) return;
            m_labFormat = format;
            m_labEngine = data.engineLines;
        } catch (const std::exception&) {
            // The lab check reports a lab file that cannot be read.
        }
    }

    bool LabAnswers(const QString& name) const { return m_labFormat && m_labFormat->answersName(name); }

    void CheckLabAnswer(const ExpectedLine& line)
    {
        if (!m_labFormat->checkTaskAnswer) return;
        const QString problem = m_labFormat->checkTaskAnswer(m_labEngine, line.name, line.value);
        if (!problem.isEmpty()) m_report.Add(m_answerFile, line.line, problem);
    }

    // The expected lines the lab answers: a pupil who solves the task gives exactly these.
    QStringList RightLabAnswers() const
    {
        QStringList answers;
        for (const ExpectedLine& line : m_expected)
            if (LabAnswers(line.name)) answers.append(line.name + u'=' + line.value);
        return answers;
    }

    bool NeedField(const ExpectedLine& line, const QStringList& fieldNames)
    {
        if (fieldNames.contains(line.name, Qt::CaseInsensitive)) return true;
        m_report.Add(m_answerFile, line.line, QStringLiteral("на странице нет поля «%1»").arg(line.name));
        return false;
    }

    void CheckFormulaField(const ExpectedLine& line, const QStringList& fieldNames)
    {
        if (NeedField(line, fieldNames) && !HasHiddenLine(m_pageLines, line.name))
            m_report.Add(m_pageFile, FieldLine(m_pageLines, line.name),
                         QStringLiteral("поле формулы «%1» должно быть скрытым: TYPE=HIDDEN и NAME= в одной строке")
                             .arg(line.name));
    }

    void CheckGroup(const ExpectedLine& line, const QStringList& fieldNames)
    {
        const QString prefix = GroupPrefix(line.name);
        const qsizetype members = std::count_if(fieldNames.begin(), fieldNames.end(),
                                                [&](const QString& name) { return name.left(prefix.size()) == prefix; });
        const qsizetype values = line.value.split(u' ', Qt::SkipEmptyParts).size();
        if (members == 0)
            m_report.Add(m_answerFile, line.line, QStringLiteral("группа «%1»: на странице нет полей «%2...»").arg(line.name, prefix));
        else if (values < members)
            m_report.Add(m_answerFile, line.line,
                         QStringLiteral("группа «%1»: полей %2, а ответов %3").arg(line.name).arg(members).arg(values));
    }

    QStringList AreaAnswers() const
    {
        QStringList answers;
        const base::NameValueList expected(ExpectedLines());
        for (const tasks::ContainerItem& card : m_area.senders) {
            const int index = expected.indexOfName(card.name);
            answers.append(card.name + u'=' + (index < 0 ? QStringLiteral("0") : expected.value(index)));
        }
        return answers;
    }

    QStringList ExpectedLines() const
    {
        QStringList lines;
        for (const ExpectedLine& line : m_expected) lines.append(line.name + u'=' + line.value);
        return lines;
    }

    int ExpectedVerdict() const
    {
        if (m_state.hasContainer) return 1;
        const bool free = std::any_of(m_expected.begin(), m_expected.end(), [](const ExpectedLine& line) {
            return tasks::KindOfName(line.name) == tasks::AnswerKind::Free;
        });
        return free ? 0 : 1;
    }

    // The names whose own line, judged alone, is wrong.
    QStringList WrongNames() const
    {
        QStringList wrong;
        const QString page = m_state.pageLines.join(QStringLiteral("\r\n"));
        for (const ExpectedLine& line : m_expected) {
            const QStringList single{line.name + u'=' + line.value};
            const int verdict = m_state.hasContainer ? tasks::JudgeArea(m_judged, single)
                                                     : tasks::JudgeForm(m_judged, single, page).verdict;
            if (verdict == 2) wrong.append(line.name);
        }
        return wrong;
    }

    void JudgeOwnAnswers()
    {
        tasks::PageAnswers page;
        page.hasForm = m_summary.hasForm;
        if (m_state.hasContainer) {
            page.areaAnswers = AreaAnswers();
        } else {
            page.formValues = RightFormValues(m_state.pageLines.join(QStringLiteral("\r\n")), m_expected);
            for (const base::FormField& field : m_summary.fields) page.controlNames.append(field.name);
            page.labAnswers = RightLabAnswers();
        }
        const QStringList assembled = m_state.pageLines;
        const tasks::CheckResult result = tasks::CheckAnswers(m_state, page);
        const QString shown = result.message;
        m_judged = m_state.answers;
        m_state.pageLines = assembled;
        const int line = m_expected.isEmpty() ? 0 : m_expected.first().line;
        if (result.status != tasks::CheckStatus::Judged) {
            const QString why = result.status == tasks::CheckStatus::Incomplete ? tasks::kIncompleteNote : shown;
            m_report.Add(m_answerFile, line, QStringLiteral("правильные ответы задачи не принимаются к проверке: ") + why);
            return;
        }
        if (result.verdict == ExpectedVerdict()) return;
        const QStringList wrong = WrongNames();
        QString message = QStringLiteral("правильные ответы задачи получают оценку %1 вместо %2").arg(result.verdict).arg(ExpectedVerdict());
        if (!wrong.isEmpty()) message += QStringLiteral(": неверно «%1»").arg(wrong.join(QStringLiteral("», «")));
        const auto first = std::find_if(m_expected.begin(), m_expected.end(),
                                        [&](const ExpectedLine& e) { return !wrong.isEmpty() && e.name == wrong.first(); });
        m_report.Add(m_answerFile, first == m_expected.end() ? line : first->line, message);
    }

    Report& m_report;
    tasks::TaskState m_state;
    QString m_pageFile;
    QString m_answerFile;
    QString m_areaFile;
    QStringList m_pageLines;
    base::PageSummary m_summary;
    tasks::ContainerData m_area;
    QList<ExpectedLine> m_expected;
    QStringList m_judged;
    const labframe::LabFormat* m_labFormat = nullptr;
    QStringList m_labEngine;
};

} // namespace

QStringList RightFormValues(const QString& pageHtml, const QList<ExpectedLine>& expected)
{
    QList<base::FormField> fields = base::ScanPage(pageHtml).fields;
    const QStringList names = UniqueFieldNames(fields);
    QStringList given;
    for (const ExpectedLine& line : expected) {
        switch (tasks::KindOfName(line.name)) {
        case tasks::AnswerKind::Group: {
            const QString prefix = GroupPrefix(line.name);
            const QStringList values = line.value.split(u' ', Qt::SkipEmptyParts);
            int next = 0;
            for (const QString& name : names)
                if (name.left(prefix.size()) == prefix && next < values.size()) given.append(name + u'=' + values[next++]);
            break;
        }
        case tasks::AnswerKind::Free:
            given.append(line.name + u'=' + (base::Trim(line.value).isEmpty() ? kFreeAnswerText : line.value));
            break;
        default: given.append(line.name + u'=' + line.value); break;
        }
    }
    base::ApplyFormValues(fields, given);
    return base::FormValues(fields);
}

QString CheckTask(Report& report, const QString& code)
{
    return TaskCheck(report, code).Run();
}

} // namespace coursecheck
