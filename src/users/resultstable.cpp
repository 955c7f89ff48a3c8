#include "users/resultstable.h"
#include "base/numfmt.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "users/register.h"
#include "users/results.h"
#include <QDir>
#include <QHash>

namespace users {
namespace {

bool IsFixedColumns(const QString& value)
{
    return value.size() >= 11 && value[10] == u' ' && base::ParseInt(value.mid(1, 3))
        && base::ParseInt(value.mid(4, 6));
}

// The lines of a results file that are entries: "code=value" with both parts.
struct Entry {
    QString code;
    QString value;
};
QList<Entry> EntriesOf(const QStringList& lines)
{
    QList<Entry> entries;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || eq + 1 >= line.size()) continue;
        entries.append({line.left(eq), line.mid(eq + 1)});
    }
    return entries;
}

// The lines of a pupil's results file; none when there is no readable file.
std::optional<QStringList> ResultsLines(const QString& id)
{
    const QString folder = PupilFolder(id);
    if (folder.isEmpty()) return std::nullopt;
    return base::TryReadLines(folder + kResultsFile);
}

QString VerdictText(const QString& verdict)
{
    if (verdict == QStringLiteral("0")) return QStringLiteral("Задача нуждается в проверке,");
    if (verdict == QStringLiteral("1")) return QStringLiteral("Задача решена верно,");
    if (verdict == QStringLiteral("2")) return QStringLiteral("Задача решена неверно,");
    return {};
}

QStringList ExportHead(const QString& programFolder)
{
    const QString handler = kExportHandler;
    return {
        QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"),
        QStringLiteral("<product>"),
        QStringLiteral("<id>%1</id>").arg(handler),
        QStringLiteral("  <classification />"),
        QStringLiteral("  <objects />"),
        QStringLiteral("  <handlers>"),
        QStringLiteral("    <handler uuid=\"%1\" name=\"ЛИРОКС: Школа. Просмотр библиотеки\">").arg(handler),
        QStringLiteral("    <description>ЛИРОКС: Школа. Просмотр библиотеки</description>"),
        QStringLiteral("    <application>"),
        QStringLiteral("      <executable version=\"2.0\">"),
        QStringLiteral("        <path value=\"%1TLMX.exe\"/>").arg(XmlEscape(programFolder)),
        QStringLiteral("      </executable>"),
        QStringLiteral("      <params>"),
        QStringLiteral("        <param value=\"${TIP}\"/>"),
        QStringLiteral("        <param value=\"${KOD}\"/>"),
        QStringLiteral("      </params>"),
        QStringLiteral("    </application>"),
        QStringLiteral("    </handler>"),
        QStringLiteral("  </handlers>"),
        QStringLiteral("<results>"),
    };
}

QStringList ExportEntry(const QString& id, const Entry& entry)
{
    const ResultParts parts = SplitResultValue(entry.value);
    const QString code = XmlEscape(entry.code);
    return {
        QStringLiteral("  <testresult id=\"%1\">").arg(code),
        QStringLiteral("    <leanername id=\"%1\"/>").arg(XmlEscape(id)),
        QStringLiteral("    <date>%1</date>").arg(XmlEscape(parts.date)),
        QStringLiteral("    <result>") + VerdictText(parts.verdict) + QStringLiteral(" сделано ")
            + XmlEscape(parts.attempts) + QStringLiteral(" попыток, затрачено ") + XmlEscape(parts.seconds)
            + QStringLiteral(" сек</result>"),
        QStringLiteral("    <action handler=\"%1\">").arg(kExportHandler),
        QStringLiteral("      <param name=\"KOD\" value=\"USERS\\%1.ANS\" />").arg(code),
        QStringLiteral("      <param name=\"TIP\" value=\"3\" />"),
        QStringLiteral("    </action>"),
        QStringLiteral("  </testresult>"),
    };
}

} // namespace

ResultParts SplitResultValue(const QString& value)
{
    if (IsFixedColumns(value))
        return {value.left(1), base::Trim(value.mid(1, 3)), base::Trim(value.mid(4, 6)), base::Trim(value.mid(11))};
    QString rest = value;
    ResultParts parts;
    parts.verdict = base::SplitLeft(rest, u' ');
    parts.attempts = base::SplitLeft(rest, u' ');
    parts.seconds = base::SplitLeft(rest, u' ');
    parts.date = rest;
    return parts;
}

long long MinutesOf(long long seconds)
{
    const long long whole = seconds / 60;
    const long long twice = 2 * (seconds % 60);
    if (twice > 60 || (twice == 60 && whole % 2 != 0)) return whole + 1;
    return whole;
}

CellView ViewCell(const QString& value, bool showAttempts)
{
    CellView cell;
    if (value.isEmpty()) return cell;
    const ResultParts parts = SplitResultValue(value);
    cell.hasValue = true;
    cell.verdict = parts.verdict.size() == 1 ? parts.verdict[0] : QChar();
    if (showAttempts) {
        cell.text = parts.attempts;
    } else {
        const std::optional<long long> seconds = base::ParseInt(parts.seconds);
        cell.text = seconds && *seconds >= 0 ? QString::number(MinutesOf(*seconds)) : QString();
    }
    return cell;
}

QStringList ExerciseColumns(const QString& topic, const QString& exercisesLine)
{
    QStringList codes;
    for (const QString& code : base::PageCodes(exercisesLine)) {
        const QString full = base::FullPageCode(topic, code);
        const qsizetype slash = full.indexOf(u'\\');
        if (slash >= 0 && slash + 1 < full.size() && full[slash + 1].isDigit()) codes.append(full);
    }
    return codes;
}

std::optional<QStringList> TopicExerciseColumns(const QString& topic)
{
    const std::optional<base::PageList> pages = base::ReadPageList(topic);
    if (!pages) return std::nullopt;
    return ExerciseColumns(topic, pages->exercises);
}

QList<ExerciseNumber> NumberExercises(const QStringList& fullCodes)
{
    QList<ExerciseNumber> numbers;
    numbers.reserve(fullCodes.size());
    base::TaskGrouping grouping;
    int exercise = 0;
    int variant = 0;
    for (const QString& code : fullCodes) {
        switch (grouping.Classify(code)) {
        case base::kPlainPage: numbers.append(ExerciseNumber{}); break;
        case base::kSingleExercise: numbers.append(ExerciseNumber{++exercise, 0}); break;
        case base::kFirstVariant:
            ++exercise;
            variant = 0;
            [[fallthrough]];
        case base::kFurtherVariant: numbers.append(ExerciseNumber{exercise, ++variant}); break;
        }
    }
    return numbers;
}

QString ExerciseTitle(const QString& fullCode, const ExerciseNumber& number)
{
    QString title = QStringLiteral("Упражнение №%1").arg(number.number);
    if (number.variant > 0) title += QStringLiteral(", вариант %1").arg(number.variant);
    return title + QStringLiteral(" (") + fullCode + u')';
}

QString PupilFolder(const QString& id)
{
    if (!IsPlainIdentifier(id)) return {};
    return QStringLiteral("USERS\\") + id + u'\\';
}

QStringList PupilRow(const QString& id, const QStringList& codes)
{
    // The first entry of a code counts, as in every lookup of the store.
    QHash<QString, QString> byCode;
    for (const Entry& entry : EntriesOf(ResultsLines(id).value_or(QStringList()))) {
        const QString key = entry.code.toUpper();
        if (!byCode.contains(key)) byCode.insert(key, entry.value);
    }
    QStringList row;
    row.reserve(codes.size());
    for (const QString& code : codes) row.append(byCode.value(code.toUpper()));
    return row;
}

QString ResultsGrid::value(int column, int row) const
{
    if (row < 1 || row > values.size() || column < 1) return {};
    return values[row - 1].value(column - 1);
}

QString ResultsGrid::title(int column) const
{
    if (column < 1 || column > codes.size()) return {};
    return ExerciseTitle(codes[column - 1], numbers.value(column - 1));
}

void FillGrid(ResultsGrid& grid)
{
    grid.values.clear();
    for (const QString& id : grid.ids) grid.values.append(PupilRow(id, grid.codes));
}

QList<const base::ContentsSection*> TableSections(const base::CourseContents& contents)
{
    QList<const base::ContentsSection*> sections;
    for (const base::ContentsGroup& group : contents.groups)
        for (const base::ContentsSection& section : group.sections) sections.append(&section);
    return sections;
}

// --- XML export -------------------------------------------------------------------------------

QString XmlEscape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'"': out += QStringLiteral("&quot;"); break;
        case u'\'': out += QStringLiteral("&apos;"); break;
        default: out += c.unicode() < 0x20 && c != u'\t' ? QChar(u'?') : c;
        }
    }
    return out;
}

QStringList ExportResultLines(const QString& id, const QStringList& resultsLines)
{
    QStringList lines;
    for (const Entry& entry : EntriesOf(resultsLines)) lines += ExportEntry(id, entry);
    return lines;
}

QStringList ExportLines(const Register& reg, const QString& programFolder)
{
    QStringList lines = ExportHead(programFolder);
    for (int k = 0; k < reg.classCount(); ++k) {
        const ClassUsers users = reg.classUsers(k);
        for (const QString& id : users.ids)
            if (const std::optional<QStringList> results = ResultsLines(id)) lines += ExportResultLines(id, *results);
    }
    lines << QStringLiteral("</results>") << QStringLiteral("</product>");
    return lines;
}

QString ExportResults(const Register& reg, const QString& file)
{
    const QStringList lines = ExportLines(reg, QDir::toNativeSeparators(base::ProgramFolder()));
    if (base::WriteLines(file, lines)) return {};
    return QStringLiteral("Не удается записать файл ") + QDir::toNativeSeparators(file);
}

QString ExportSavedNote(const QString& file)
{
    return QStringLiteral("Результаты сохранены в файл ") + QDir::toNativeSeparators(file);
}

} // namespace users
