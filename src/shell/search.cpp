#include "shell/search.h"
#include "base/coursefiles.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "users/resultstable.h"
#include <QDir>

namespace shell {
namespace {

// The name of the folder a file lies in: "ZADS\A01\T01.HTM" gives "A01".
QString FolderName(const QString& file)
{
    QString folder = base::ExtractFolder(file);
    folder.chop(1);
    return folder.mid(base::LastCharPos(u'\\', folder));
}

// The file name without its folder and its last four characters (".HTM").
QString PageName(const QString& file)
{
    QString name = file.mid(base::LastCharPos(u'\\', file));
    name.chop(4);
    return name;
}

QString TheoryHit(const QString& topic, const QString& entry)
{
    return QStringLiteral("<P><A HREF=\"SPR:%1\">%2</A></P>").arg(topic, entry);
}

// A task as the exercises page numbers it; the link carries the number, as
// the topic pages' links do, for the task window's caption.
QString TaskHit(const QString& fullCode, const QString& topicTitle, const users::ExerciseNumber& number)
{
    if (number.number <= 0)
        return QStringLiteral("<P><A HREF=\"ZAD:%1\">%2: страница упражнений</A></P>").arg(fullCode, topicTitle);
    QString text = QStringLiteral("%1: упражнение №%2").arg(topicTitle).arg(number.number);
    if (number.variant > 0) text += QStringLiteral(", вариант %1").arg(number.variant);
    return QStringLiteral("<P><A HREF=\"ZAD:%1 %2\">%3</A></P>").arg(fullCode).arg(number.number).arg(text);
}

QString LabHit(const QString& folder, int line, const QString& caption)
{
    return QStringLiteral("<P><A HREF=\"LAB:%1\\%2.LAB\">%3</A></P>").arg(folder).arg(line).arg(caption);
}

// Subfolders of a folder (program path with "\"), in name order. Links to
// folders are left out so that a loop of links cannot make the walk endless.
QStringList Subfolders(const QString& folder)
{
    QStringList names = QDir(base::RealPath(folder)).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    names.removeIf([](const QString& name) { return name.startsWith(u'.'); });
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace

bool TextMatches(const QString& haystack, const QString& text)
{
    return !text.isEmpty() && haystack.contains(text, Qt::CaseInsensitive);
}

TextSearch::TextSearch(const QString& text, base::NameValueList topicMap)
    : m_text(text), m_topicMap(std::move(topicMap))
{
}

void TextSearch::Pending() const
{
    if (pendingMessages) pendingMessages();
}

bool TextSearch::Stopped() const { return stopRequested && stopRequested(); }

void TextSearch::Section(const QString& heading, const std::function<void()>& body)
{
    m_lines.append(heading);
    const qsizetype before = m_lines.size();
    body();
    if (m_lines.size() == before) m_lines.append(kSearchNothingFound);
}

const QStringList& TextSearch::Run()
{
    m_lines = {kSearchHead};
    m_taskHits = 0;
    Section(kSearchTheoryHeading, [this] { SearchTopics(SearchMode::Theory); });
    Section(kSearchTasksHeading, [this] { SearchTopics(SearchMode::Tasks); });
    Section(kSearchLabsHeading, [this] { SearchFolder(kLabsFolder, kExamplesMask, SearchMode::Labs); });
    return m_lines;
}

void TextSearch::SearchTopics(SearchMode mode)
{
    const int pageLine = mode == SearchMode::Theory ? 0 : 2;
    for (int i = 0; i < m_topicMap.count(); ++i) {
        const QString topic = m_topicMap.name(i);
        // A topic without its page list is an error of the course.
        const QStringList pageList = base::ReadLines(base::PageListFile(topic));
        QStringList codes;
        for (const QString& code : base::PageCodes(pageList.value(pageLine))) codes.append(base::FullPageCode(topic, code));
        if (mode == SearchMode::Theory) {
            // A topic is one hit, however many of its theory pages hold the text.
            for (const QString& code : codes)
                if (SearchFile(base::PageFile(code), mode)) break;
        } else {
            const QList<users::ExerciseNumber> numbers = users::NumberExercises(codes);
            for (int k = 0; k < codes.size(); ++k) SearchTask(codes[k], numbers[k]);
        }
        Pending();
    }
}

bool TextSearch::SearchFile(const QString& file, SearchMode mode)
{
    if (mode == SearchMode::Labs) {
        const QStringList examples = base::ReadLines(file);
        bool found = false;
        for (int i = 0; i < examples.size(); ++i) {
            if (!TextMatches(examples[i], m_text)) continue;
            m_lines.append(LabHit(FolderName(file), i, examples[i]));
            found = true;
        }
        return found;
    }
    if (mode == SearchMode::Tasks) {
        const QString topic = FolderName(file);
        return SearchTask(topic + u'\\' + PageName(file), {});
    }
    if (!TextMatches(base::ReadText(file), m_text)) return false;
    const QString topic = FolderName(file);
    m_lines.append(TheoryHit(topic, m_topicMap.value(topic)));
    return true;
}

bool TextSearch::SearchTask(const QString& fullCode, const users::ExerciseNumber& number)
{
    if (!TextMatches(base::ReadText(base::PageFile(fullCode)), m_text)) return false;
    const QString topic = fullCode.left(fullCode.indexOf(u'\\'));
    m_lines.append(TaskHit(fullCode, m_topicMap.value(topic), number));
    ++m_taskHits;
    return true;
}

void TextSearch::SearchFolder(const QString& folder, const QString& mask, SearchMode mode)
{
    for (const QString& name : base::ListFiles(folder + mask)) {
        if (Stopped()) return;
        if (base::FolderExists(folder + name)) continue;
        SearchFile(folder + name, mode);
        Pending();
    }
    for (const QString& name : Subfolders(folder)) {
        if (Stopped()) return;
        SearchFolder(folder + name + u'\\', mask, mode);
        Pending();
    }
}

} // namespace shell
