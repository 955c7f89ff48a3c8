#include "base/coursefiles.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "base/treetext.h"

namespace base {

QList<ContentsTopic> ContentsSection::Topics() const
{
    QList<ContentsTopic> all;
    for (const ContentsHeading& heading : headings) all += heading.topics;
    return all;
}

const ContentsSection* CourseContents::Section(int n) const
{
    if (n < 0) return nullptr;
    const int group = n / 10;
    const int section = n % 10;
    if (group >= groups.size() || section >= groups[group].sections.size()) return nullptr;
    return &groups[group].sections[section];
}

NameValueList CourseContents::TopicMap() const
{
    NameValueList map;
    for (const ContentsGroup& group : groups)
        for (const ContentsSection& section : group.sections)
            for (const ContentsTopic& topic : section.Topics()) map.append(topic.code, topic.rest);
    return map;
}

int CourseContents::SectionOfTopic(const QString& code) const
{
    for (int g = 0; g < groups.size(); ++g)
        for (int s = 0; s < groups[g].sections.size(); ++s)
            for (const ContentsTopic& topic : groups[g].sections[s].Topics())
                if (topic.code.compare(code, Qt::CaseInsensitive) == 0) return g * 10 + s;
    return -1;
}

namespace {

ContentsHeading ReadHeading(const TreeNode& node)
{
    ContentsHeading heading{node.text, {}};
    for (const TreeNode& entry : node.children) heading.topics.append(SplitTopicEntry(entry.text));
    return heading;
}

ContentsSection ReadSection(const TreeNode& node)
{
    ContentsSection section{node.text, {}};
    for (const TreeNode& heading : node.children) section.headings.append(ReadHeading(heading));
    return section;
}

} // namespace

CourseContents ReadCourseContents(const QStringList& lines)
{
    const std::vector<TreeNode> roots = ReadTreeText(lines);
    CourseContents contents;
    if (roots.empty()) return contents;
    // The first node is the root; its children are the groups.
    contents.root = roots.front().text;
    for (const TreeNode& groupNode : roots.front().children) {
        ContentsGroup group{groupNode.text, {}};
        for (const TreeNode& section : groupNode.children) group.sections.append(ReadSection(section));
        contents.groups.append(group);
    }
    return contents;
}

CourseContents LoadCourseContents() { return ReadCourseContents(ReadLines(kContentsFile)); }

ContentsTopic SplitTopicEntry(const QString& entry)
{
    QString rest = entry;
    const QString code = SplitLeft(rest, QLatin1Char(' '));
    return {code, rest};
}

QString TopicTitle(const QString& rest)
{
    QString title = rest;
    SplitLeft(title, QLatin1Char(' '));
    return title;
}

bool IsLessonCode(const QString& code) { return code.startsWith(kLessonPrefix); }

QString PageList::Line(int page) const
{
    switch (page) {
    case 1: return theory;
    case 2: return tools;
    case 3: return exercises;
    default: return {};
    }
}

QString PageListFile(const QString& topicCode)
{
    if (IsLessonCode(topicCode)) return kLessonFolder + topicCode + QStringLiteral(".CFG");
    return QStringLiteral("ZADS\\") + topicCode + QLatin1Char('\\') + kPageListFile;
}

std::optional<PageList> ReadPageList(const QString& topicCode)
{
    const std::optional<QStringList> lines = TryReadLines(PageListFile(topicCode));
    if (!lines) return std::nullopt;
    PageList list;
    list.theory = lines->value(0);
    list.tools = lines->value(1);
    list.exercises = lines->value(2);
    return list;
}

QStringList PageCodes(const QString& line)
{
    QStringList codes;
    QString rest = line;
    while (!Trim(rest).isEmpty()) {
        const QString code = SplitLeft(rest, QLatin1Char(' '));
        if (!code.isEmpty()) codes.append(code);
    }
    return codes;
}

QString FullPageCode(const QString& topicCode, const QString& code)
{
    if (IsLessonCode(topicCode)) return code;
    return topicCode + QLatin1Char('\\') + code;
}

QString PageFile(const QString& fullCode) { return QStringLiteral("ZADS\\") + fullCode + QStringLiteral(".HTM"); }

bool IsSafePageCode(const QString& fullCode)
{
    if (Trim(fullCode).isEmpty() || fullCode.startsWith(QLatin1Char('\\'))) return false;
    // Characters no file name of the course can hold; in a page they would
    // also break out of the link they stand in.
    for (const QChar c : fullCode)
        if (QStringLiteral("/:\"<>|*?").contains(c) || c.unicode() < 32) return false;
    for (const QString& part : fullCode.split(QLatin1Char('\\')))
        if (Trim(part) == QLatin1String("..")) return false;
    return true;
}

bool IsSafeTopicCode(const QString& code)
{
    // A space would also end the code inside the task links of its pages.
    for (const QChar c : code)
        if (c.isSpace()) return false;
    return IsSafePageCode(code) && !code.contains(QLatin1Char('\\')) && code != QLatin1String(".");
}

QString LessonsFile(int section)
{
    return QStringLiteral("ZADS\\LESS%1%2.TXT").arg(section / 10).arg(section % 10);
}

PageLink ParsePageLink(const QString& href)
{
    PageLink link;
    const int colon = href.indexOf(QLatin1Char(':'));
    const QString scheme = colon < 0 ? QString() : href.left(colon);
    const QString rest = href.mid(colon + 1);
    if (colon < 0 && href.startsWith(QLatin1String("Lab"))) {
        link.kind = PageLink::Kind::Lab;
        const int slash = href.indexOf(QLatin1Char('\\'));
        bool isNumber = false;
        link.lab = href.mid(3, slash < 0 ? -1 : slash - 3).toInt(&isNumber);
        link.valid = isNumber && IsSafePageCode(href);
        link.target = QStringLiteral("HELP\\") + href;
    } else if (scheme == QLatin1String("SPR")) {
        link.kind = PageLink::Kind::Reference;
        link.valid = IsSafePageCode(rest);
        link.target = QStringLiteral("RIS\\") + rest + QStringLiteral(".LAB");
    } else if (scheme == QLatin1String("ADD")) {
        link.kind = PageLink::Kind::AddToLesson;
        link.target = rest;
        link.valid = IsSafePageCode(rest);
    } else if (scheme == QLatin1String("ZAD")) {
        link.kind = PageLink::Kind::Task;
        QString text = rest;
        link.target = SplitLeft(text, QLatin1Char(' '));
        link.number = text;
        link.valid = IsSafePageCode(link.target);
    }
    return link;
}

TaskCodeKind TaskGrouping::Classify(const QString& fullCode)
{
    constexpr qsizetype kVariantNameLength = 3;
    const QString name = fullCode.mid(fullCode.indexOf(u'\\') + 1);
    if (name.isEmpty() || !name.at(0).isDigit()) {
        m_group.clear();
        return kPlainPage;
    }
    if (name.size() != kVariantNameLength) {
        m_group.clear();
        return kSingleExercise;
    }
    const QString group = name.left(2);
    if (group == m_group) return kFurtherVariant;
    m_group = group;
    return kFirstVariant;
}

} // namespace base
