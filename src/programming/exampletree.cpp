#include "programming/exampletree.h"
#include "base/apperror.h"
#include <QRegularExpression>
#include <QSet>

namespace programming {
namespace {

constexpr int kGroupDepth = 1;
constexpr int kExampleDepth = 2;

// Leading tabs or spaces give the depth, one per level, as in every tree text.
int DepthOf(const QString& line)
{
    int depth = 0;
    while (depth < line.size() && (line[depth] == u'\t' || line[depth] == u' ')) ++depth;
    return depth;
}

ProgramExample ReadExampleLine(const QString& text, int lineNumber)
{
    const qsizetype space = text.indexOf(u' ');
    const QString code = space < 0 ? text : text.left(space);
    if (!IsExampleCode(code))
        throw base::LineError(lineNumber, QStringLiteral("\"%1\" не годится в имя примера (буквы, цифры, \"_\", \"-\")").arg(code));
    const QString title = space < 0 ? QString() : text.mid(space + 1).trimmed();
    if (title.isEmpty()) throw base::LineError(lineNumber, QStringLiteral("у примера %1 нет названия").arg(code));
    return {code, title};
}

} // namespace

bool IsExampleCode(const QString& code)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return !code.isEmpty() && code.size() <= kMaxCodeLength && pattern.match(code).hasMatch();
}

const ProgramExample* ExampleTree::find(const QString& code) const
{
    for (const ExampleGroup& group : groups)
        for (const ProgramExample& example : group.examples)
            if (example.code.compare(code, Qt::CaseInsensitive) == 0) return &example;
    return nullptr;
}

int ExampleTree::exampleCount() const
{
    int count = 0;
    for (const ExampleGroup& group : groups) count += int(group.examples.size());
    return count;
}

ExampleTree ReadExampleTree(const QStringList& lines)
{
    ExampleTree tree;
    bool rootSeen = false;
    QSet<QString> codes;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString text = lines[i].trimmed();
        if (text.isEmpty()) continue;
        const int depth = DepthOf(lines[i]);
        if (depth == 0) {
            if (rootSeen) throw base::LineError(lineNumber, QStringLiteral("второй корень списка примеров"));
            rootSeen = true;
            tree.title = text;
        } else if (!rootSeen) {
            throw base::LineError(lineNumber, QStringLiteral("список примеров начинается не с корня"));
        } else if (depth == kGroupDepth) {
            tree.groups.append({text, {}});
        } else if (depth == kExampleDepth && !tree.groups.isEmpty()) {
            const ProgramExample example = ReadExampleLine(text, lineNumber);
            if (codes.contains(example.code.toUpper()))
                throw base::LineError(lineNumber, QStringLiteral("пример %1 уже есть в списке").arg(example.code));
            codes.insert(example.code.toUpper());
            tree.groups.last().examples.append(example);
        } else {
            throw base::LineError(lineNumber, QStringLiteral("неверный уровень (%1) строки \"%2\"").arg(depth).arg(text));
        }
    }
    if (!rootSeen) throw base::LineError(1, QStringLiteral("список примеров пуст"));
    return tree;
}

QString ExampleSourcePath(const QString& code) { return QStringLiteral("ZADS\\") + code + QStringLiteral(".PAS"); }

QString ExampleProgramPath(const QString& code) { return QStringLiteral("ZADS\\") + code + QStringLiteral(".exe"); }

} // namespace programming
