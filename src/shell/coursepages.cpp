#include "shell/coursepages.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "users/results.h"

namespace shell {
namespace {

const QString kPageHead = QStringLiteral("<HTML><LINK REL=\"stylesheet\" HREF=\"..\\..\\CSS\\work.css\"><BODY>");
const QString kContentsHead =
    QStringLiteral("<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"..\\CSS\\contents.css\"></HEAD><BODY>");

QString TaskLink(const QString& fullCode, int exercise, const QString& icon, const QString& gifFolder)
{
    return QStringLiteral("<A HREF=\"ZAD:%1 %2\"><IMG SRC=\"%3%4.gif\" BORDER=0 ACTIVE></A>")
        .arg(fullCode, QString::number(exercise), gifFolder, icon);
}

// The user's result value of a task; empty when there is none.
QString ResultValue(const PageBuildSettings& settings, const QString& fullCode)
{
    return settings.results ? settings.results->value(fullCode) : QString();
}

// "F" + verdict of the last attempt, or "btGo" for a task not tried yet.
QString ResultIcon(const PageBuildSettings& settings, const QString& fullCode)
{
    const QString value = ResultValue(settings, fullCode);
    if (value.isEmpty()) return QStringLiteral("btGo");
    return QStringLiteral("F") + value.at(0);
}

// Heading of variant v (from 1): a letter of the Russian alphabet when the
// code ends in a letter, otherwise the number.
QString VariantHeading(const QString& fullCode, int v)
{
    if (!fullCode.isEmpty() && !fullCode.back().isDigit() && v >= 1 && v <= 32)
        return QStringLiteral("<P><CITE>") + QChar(u'а' + (v - 1)) + QLatin1Char(')');
    return QStringLiteral("<P><CITE>Вариант ") + QString::number(v);
}

std::optional<QStringList> ReadPage(const PageBuildSettings& settings, const QString& file)
{
    return settings.readPage ? settings.readPage(file) : base::TryReadLines(file);
}

// Copies a page file into the page: the shared part of a variant group
// only with its first variant, the answer form never.
struct PageCopier {
    const PageBuildSettings& settings;
    QStringList& out;
    int& formulas;

    void add(QString line)
    {
        if (settings.expandFormulas) settings.expandFormulas(line, formulas);
        out.append(line);
    }

    void copy(const QStringList& lines, const QString& fullCode, int kind, int exercise, int& variant)
    {
        bool copying = true;
        for (const QString& line : lines) {
            if (line == QLatin1String("<COMMON>")) {
                if (kind == base::kFurtherVariant) copying = false;
            } else if (line == QLatin1String("</COMMON>")) {
                copying = true;
                ++variant;
                out.append(VariantHeading(fullCode, variant));
                out.append(TaskLink(fullCode, exercise, ResultIcon(settings, fullCode), settings.gifFolder));
                out.append(QStringLiteral("</CITE>"));
            } else if (line == QLatin1String("<FORM>")) {
                copying = false;
            }
            if (copying) add(line);
        }
    }
};

} // namespace

QString PageTitle(int page)
{
    switch (page) {
    case 1: return QStringLiteral("Основные сведения");
    case 2: return QStringLiteral("Инструментарий");
    case 3: return QStringLiteral("Упражнения");
    case 4: return QStringLiteral("Результаты");
    default: return {};
    }
}

BuiltPage BuildPage(int page, const QString& codes, const PageBuildSettings& settings)
{
    // Every page numbers its exercises afresh.
    base::TaskGrouping grouping;
    BuiltPage built;
    QStringList& out = built.lines;
    out << kPageHead << QStringLiteral("<H1>%1</H1>").arg(PageTitle(page));
    int exercise = 0;
    int variant = 0;
    int formulas = 0;
    PageCopier copier{settings, out, formulas};
    for (const QString& code : base::PageCodes(codes)) {
        const QString fullCode = base::FullPageCode(settings.topic, code);
        if (!base::IsSafePageCode(fullCode)) {
            built.refusedCodes.append(code);
            continue;
        }
        const base::TaskCodeKind kind = grouping.Classify(fullCode);
        if (kind == base::kSingleExercise || kind == base::kFirstVariant) {
            out.append(QStringLiteral("<HR>"));
            ++exercise;
            variant = 0;
            out.append(QStringLiteral("<CITE> № %1. ").arg(exercise));
            if (kind == base::kSingleExercise)
                out.append(TaskLink(fullCode, exercise, ResultIcon(settings, fullCode), settings.gifFolder));
            out.append(QStringLiteral("</CITE>"));
        }
        const QString file = base::PageFile(fullCode);
        if (const std::optional<QStringList> lines = ReadPage(settings, file))
            copier.copy(*lines, fullCode, kind, exercise, variant);
        else
            built.missingFiles.append(file);
        if (settings.builderOpen)
            out.append(QStringLiteral("<P><A HREF=\"ADD:%1\">Добавить в урок</A>").arg(fullCode));
    }
    out << QStringLiteral("<P>") << QStringLiteral("</BODY></HTML>");
    return built;
}

QString MinutesSeconds(long long seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList BuildResultsPage(const QString& exerciseCodes, const PageBuildSettings& settings)
{
    base::TaskGrouping grouping;
    QStringList out;
    out << kPageHead << QStringLiteral("<H1>%1</H1>").arg(PageTitle(4))
        << QStringLiteral("<TABLE BORDER=1 CESPACING=5 CELLPADDING=5>")
        << QStringLiteral("<TR><TD>Упр №<TD>Оценка<TD>Попытки<TD>Время<TD>&nbsp;");
    int exercise = 0;
    for (const QString& code : base::PageCodes(exerciseCodes)) {
        const QString fullCode = base::FullPageCode(settings.topic, code);
        if (!base::IsSafePageCode(fullCode)) continue;
        const QString name = fullCode.mid(fullCode.indexOf(QLatin1Char('\\')) + 1);
        if (name.isEmpty() || !name.at(0).isDigit()) continue;
        const base::TaskCodeKind kind = grouping.Classify(fullCode);
        if (kind == base::kPlainPage) continue;
        if (kind == base::kSingleExercise || kind == base::kFirstVariant) ++exercise;
        out << QStringLiteral("<TR>") << QStringLiteral("<TD>%1").arg(exercise);
        const QString value = ResultValue(settings, fullCode);
        if (value.isEmpty()) {
            out << QStringLiteral("<TD>&nbsp;<TD>&nbsp;<TD>&nbsp;");
        } else {
            out << QStringLiteral("<TD><IMG SRC=\"%1F%2.gif\" ALIGN=MIDDLE HSPACE=10>").arg(settings.gifFolder, value.at(0))
                << QStringLiteral("<TD>%1").arg(users::ReadAttempts(value))
                << QStringLiteral("<TD>") + MinutesSeconds(users::ReadSeconds(value));
        }
        out << QStringLiteral("<TD>") + TaskLink(fullCode, exercise, QStringLiteral("btGo"), settings.gifFolder) +
                   QStringLiteral("</P>")
            << QStringLiteral("</TR>");
    }
    out << QStringLiteral("</TABLE>") << QStringLiteral("<P>");
    return out;
}

namespace {

const QString kEditLessonScheme = QStringLiteral("EDIT:");
const QString kDeleteLessonScheme = QStringLiteral("DELETE:");

QString ContentsEntry(const QString& code, const QString& rest, bool current)
{
    const QString shown = current ? QStringLiteral("<B>") + rest + QStringLiteral("</B>") : rest;
    return QStringLiteral("<li><A HREF=\"%1 %2\">%3</A>").arg(code, rest, shown);
}

QString LessonTools(const QString& code)
{
    return QStringLiteral(" <SMALL>[<A HREF=\"%1%3\">изменить</A> | <A HREF=\"%2%3\">удалить</A>]</SMALL>")
        .arg(kEditLessonScheme, kDeleteLessonScheme, code);
}

} // namespace

QStringList BuildContentsPage(const base::ContentsSection& section, const QStringList& lessonLines,
                              const QString& currentTopic, bool teacher)
{
    QStringList out{kContentsHead};
    for (const base::ContentsHeading& heading : section.headings) {
        out.append(QStringLiteral("<h1>%1</h1><ul>").arg(heading.text));
        for (const base::ContentsTopic& topic : heading.topics)
            out.append(ContentsEntry(topic.code, topic.rest, topic.code == currentTopic));
        out.append(QStringLiteral("</ul>"));
    }
    out.append(QStringLiteral("<h1>Авторские уроки</h1><ul>"));
    for (const QString& line : lessonLines) {
        if (base::Trim(line).isEmpty()) continue;
        const base::ContentsTopic lesson = base::SplitTopicEntry(line);
        QString entry = ContentsEntry(lesson.code, lesson.rest, lesson.code == currentTopic);
        if (teacher && base::IsSafeTopicCode(lesson.code)) entry += LessonTools(lesson.code);
        out.append(entry);
    }
    out.append(QStringLiteral("</ul>"));
    if (teacher) out.append(QStringLiteral("<P><INPUT TYPE=SUBMIT VALUE=\"Создать новый урок\">"));
    return out;
}

ContentsLink ParseContentsLink(const QString& href)
{
    QString rest = href;
    ContentsLink link;
    link.code = base::SplitLeft(rest, QLatin1Char(' '));
    if (!base::IsLessonCode(link.code)) base::SplitLeft(rest, QLatin1Char(' '));
    link.title = rest;
    return link;
}

std::optional<LessonAction> ParseLessonAction(const QString& href)
{
    for (const auto& [scheme, kind] : {std::pair{kEditLessonScheme, LessonAction::Kind::Edit},
                                       std::pair{kDeleteLessonScheme, LessonAction::Kind::Delete}}) {
        if (!href.startsWith(scheme, Qt::CaseInsensitive)) continue;
        const QString code = href.mid(scheme.size());
        if (!base::IsLessonCode(code) || !base::IsSafeTopicCode(code)) return std::nullopt;
        return LessonAction{kind, code};
    }
    return std::nullopt;
}

} // namespace shell
