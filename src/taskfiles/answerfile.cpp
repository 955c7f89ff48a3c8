#include "taskfiles/answerfile.h"
#include "base/textfile.h"

namespace tasks {

namespace {

constexpr QChar kEscape{u'\\'};

// Applies convert to the value of every "name=value" line.
template <typename Convert>
QStringList MapValues(const QStringList& lines, Convert convert)
{
    QStringList out;
    out.reserve(lines.size());
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        out.append(eq < 0 ? line : line.left(eq + 1) + convert(line.mid(eq + 1)));
    }
    return out;
}

} // namespace

QString EscapeAnswerValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == kEscape) out += QStringLiteral("\\\\");
        else if (c == u'\n') out += QStringLiteral("\\n");
        else if (c == u'\r') out += QStringLiteral("\\r");
        else out += c;
    }
    return out;
}

QString UnescapeAnswerValue(const QString& written)
{
    QString out;
    out.reserve(written.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        const QChar c = written[i];
        const QChar next = i + 1 < written.size() ? written[i + 1] : QChar();
        if (c != kEscape || (next != kEscape && next != u'n' && next != u'r')) {
            out += c;
            continue;
        }
        out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : kEscape;
        ++i;
    }
    return out;
}

QStringList AnswerFileLines(const QStringList& answers) { return MapValues(answers, EscapeAnswerValue); }

QStringList AnswersFromFileLines(const QStringList& fileLines) { return MapValues(fileLines, UnescapeAnswerValue); }

std::optional<QStringList> ReadAnswerFile(const QString& path)
{
    const std::optional<QStringList> lines = base::TryReadLines(path);
    if (!lines) return std::nullopt;
    return AnswersFromFileLines(*lines);
}

bool WriteAnswerFile(const QString& path, const QStringList& answers)
{
    return base::WriteLines(path, AnswerFileLines(answers));
}

} // namespace tasks
