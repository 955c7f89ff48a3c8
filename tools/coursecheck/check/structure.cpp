#include "coursecheck/check/structure.h"
#include "base/apperror.h"
#include "base/coursefiles.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "base/treetext.h"
#include <QRegularExpression>
#include <QSet>

namespace coursecheck {

namespace {

constexpr int kPageLines = 3;

bool TreeReads(const QStringList& lines)
{
    try {
        base::ReadTreeText(lines);
        return true;
    } catch (const base::AppError&) {
        return false;
    }
}

int CountNodes(const std::vector<base::TreeNode>& nodes)
{
    int count = 0;
    for (const base::TreeNode& node : nodes) count += 1 + CountNodes(node.children);
    return count;
}

class StructureWalk {
public:
    explicit StructureWalk(Report& report) : m_report(report) {}

    CourseWalk Run()
    {
        CheckRegims();
        CheckContents();
        return std::move(m_walk);
    }

private:
    void CheckRegims()
    {
        const std::optional<QStringList> lines = base::TryReadLines(kRegimsFile);
        if (!lines) {
            m_report.Add(kRegimsFile, 0, QStringLiteral("нет файла групп урока (теория, инструменты, упражнения)"));
            return;
        }
        if (const std::optional<TreeFault> fault = FindTreeFault(*lines)) {
            m_report.Add(kRegimsFile, fault->line, QStringLiteral("дерево не читается: ") + fault->message);
            return;
        }
        const int nodes = CountNodes(base::ReadTreeText(*lines));
        if (nodes < kPageLines)
            m_report.Add(kRegimsFile, 0,
                         QStringLiteral("нужны три группы урока (теория, инструменты, упражнения), а их %1").arg(nodes));
    }

    void CheckContents()
    {
        const std::optional<QStringList> lines = base::TryReadLines(base::kContentsFile);
        if (!lines) {
            m_report.Add(base::kContentsFile, 0, QStringLiteral("нет файла оглавления"));
            return;
        }
        m_contentsLines = *lines;
        if (const std::optional<TreeFault> fault = FindTreeFault(m_contentsLines)) {
            m_report.Add(base::kContentsFile, fault->line, QStringLiteral("дерево не читается: ") + fault->message);
            return;
        }
        const base::CourseContents contents = base::ReadCourseContents(m_contentsLines);
        if (contents.groups.isEmpty())
            m_report.Add(base::kContentsFile, 0, QStringLiteral("в оглавлении нет ни одной группы разделов"));
        for (int g = 0; g < contents.groups.size(); ++g) {
            const QList<base::ContentsSection>& sections = contents.groups[g].sections;
            for (int s = 0; s < sections.size(); ++s) CheckSection(g * 10 + s, sections[s]);
        }
    }

    void CheckSection(int number, const base::ContentsSection& section)
    {
        const int line = LineOf(m_contentsLines, section.title);
        if (number / 10 > 9 || number % 10 > 9) {
            m_report.Add(base::kContentsFile, line,
                         QStringLiteral("раздел «%1» не имеет номера: в группе не больше десяти разделов")
                             .arg(section.title));
            return;
        }
        for (const base::ContentsTopic& topic : section.Topics()) CheckTopic(topic);
        CheckLessons(number, section.title, line);
    }

    void CheckTopic(const base::ContentsTopic& topic)
    {
        const int line = LineOf(m_contentsLines, topic.code + u' ' + topic.rest);
        if (m_topics.contains(topic.code)) {
            m_report.Add(base::kContentsFile, line, QStringLiteral("тема %1 уже есть в оглавлении").arg(topic.code));
            return;
        }
        m_topics.insert(topic.code);
        if (topic.rest.isEmpty())
            m_report.Add(base::kContentsFile, line, QStringLiteral("у темы %1 нет номера и названия").arg(topic.code));
        const QString listFile = base::PageListFile(topic.code);
        if (!base::FileExists(listFile)) {
            m_report.Add(base::kContentsFile, line, QStringLiteral("у темы %1 нет файла %2").arg(topic.code, listFile));
            return;
        }
        m_walk.topicFolders.append(base::ExtractFolder(listFile));
        CheckPageList(topic.code, listFile);
    }

    void CheckLessons(int number, const QString& title, int contentsLine)
    {
        const QString file = base::LessonsFile(number);
        const std::optional<QStringList> lines = base::TryReadLines(file);
        if (!lines) {
            m_report.Add(base::kContentsFile, contentsLine,
                         QStringLiteral("у раздела «%1» нет списка уроков %2").arg(title, file));
            return;
        }
        static const QRegularExpression lessonCode(QStringLiteral("^USER\\d{4}$"));
        for (int i = 0; i < lines->size(); ++i) {
            QString rest = lines->at(i);
            if (base::Trim(rest).isEmpty()) continue;
            const QString code = base::SplitLeft(rest, u' ');
            if (!lessonCode.match(code).hasMatch()) {
                m_report.Add(file, i + 1, QStringLiteral("код урока %1 не вида USER и четыре цифры").arg(code));
                continue;
            }
            const QString listFile = base::PageListFile(code);
            if (!base::FileExists(listFile)) {
                m_report.Add(file, i + 1, QStringLiteral("нет файла урока %1").arg(listFile));
                continue;
            }
            if (m_lessons.contains(code)) continue;
            m_lessons.insert(code);
            CheckPageList(code, listFile);
        }
    }

    void CheckPageList(const QString& topicCode, const QString& listFile)
    {
        const QStringList lines = base::TryReadLines(listFile).value_or(QStringList());
        if (lines.size() < kPageLines)
            m_report.Add(listFile, int(lines.size()),
                         QStringLiteral("в списке страниц %1 строк(и), нужны три: теория, инструменты, упражнения")
                             .arg(lines.size()));
        for (int k = 1; k <= std::min<int>(kPageLines, int(lines.size())); ++k) {
            for (const QString& code : base::PageCodes(lines[k - 1])) {
                if (base::IsLessonCode(topicCode) && !code.contains(u'\\')) {
                    m_report.Add(listFile, k, QStringLiteral("код %1 в уроке без папки темы (тема\\код)").arg(code));
                    continue;
                }
                const QString fullCode = base::FullPageCode(topicCode, code);
                const QString pageFile = base::PageFile(fullCode);
                if (!base::FileExists(pageFile)) {
                    m_report.Add(listFile, k, QStringLiteral("нет страницы %1 (код %2)").arg(pageFile, code));
                    continue;
                }
                m_walk.pages.append({fullCode, k, listFile, k});
            }
        }
    }

    Report& m_report;
    CourseWalk m_walk;
    QStringList m_contentsLines;
    QSet<QString> m_topics;
    QSet<QString> m_lessons;
};

} // namespace

std::optional<TreeFault> FindTreeFault(const QStringList& lines)
{
    QString message;
    try {
        base::ReadTreeText(lines);
        return std::nullopt;
    } catch (const base::AppError& error) {
        message = error.message();
    }
    // Reading stops at the faulty line, so the shortest failing head of the
    // text ends with it.
    int good = 0;
    int bad = int(lines.size());
    while (bad - good > 1) {
        const int middle = (good + bad) / 2;
        if (TreeReads(lines.mid(0, middle))) good = middle;
        else bad = middle;
    }
    return TreeFault{bad, message};
}

CourseWalk CheckCourseStructure(Report& report) { return StructureWalk(report).Run(); }

} // namespace coursecheck
