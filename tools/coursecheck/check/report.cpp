#include "coursecheck/check/report.h"
#include "base/textutil.h"

namespace coursecheck {

void Report::Add(const QString& file, int line, const QString& message)
{
    const Problem problem{file, line, message};
    // The same fault met along two ways (a page of a topic and of a lesson) is told once.
    if (!m_problems.contains(problem)) m_problems.append(problem);
}

QStringList Report::Lines() const
{
    QStringList lines;
    for (const Problem& problem : m_problems)
        lines.append(QStringLiteral("%1:%2: %3").arg(problem.file).arg(problem.line).arg(problem.message));
    return lines;
}

int LineOf(const QStringList& lines, const QString& text, bool contains)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (contains ? lines[i].contains(text, Qt::CaseInsensitive) : base::Trim(lines[i]) == text)
            return i + 1;
    }
    return 0;
}

} // namespace coursecheck
