#include "coursecheck/check/structure.h"
#include "shell/base/apperror.h"
#include "shell/base/coursefiles.h"
#include "shell/base/paths.h"
#include "shell/base/textfile.h"
#include "shell/base/textutil.h"
#include "shell/base/treetext.h"
#include <QRegularExpression>
#include <QSet>

namespace coursecheck {

namespace {

constexpr int kPageLines = 3;

bool TreeReads(const QStringList& lines)
{
    try {
        shell::ReadTreeText(lines);
        return true;
    } catch (const shell::AppError&) {
        return false;
    }
}

int CountNodes(const std::vector<shell::TreeNode>& nodes)
{
    int count = 0;
    for (const shell::TreeNode& node : nodes) count += 1 + CountNodes(node.children);
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
        const std::optional<QStringList> lines = shell::TryReadLines(kRegimsFile);
        if (!lines) {
            m_report.Add(kRegimsFile, 0, QStringLiteral("нет файла групп урока (теория, инструменты, упражнения)"));
            return;
        }
        if (const std::optional<TreeFault> fault = FindTreeFault(*lines)) {
            m_report.Add(kRegimsFile, fault->line, QStringLiteral("дерево не читается: ") + fault->message);
            return;
        }
        const int nodes = CountNodes(shell::ReadTreeText(*lines));
        if (nodes < kPageLines)
            m_report.Add(kRegimsFile, 0,
                         QStringLiteral("нужны три группы урока (теория, инструменты, упражнения), а их %1").arg(nodes));
    }

    void CheckContents()
    {
        const std::optional<QStringList> lines = shell::TryReadLines(shell::kContentsFile);
        if (!lines) {
            m_report.Add(shell::kContentsFile, 0, QStringLiteral("нет файла оглавления"));
            return;
        }
        m_contentsLines = *lines;
        if (const std::optional<TreeFault> fault = FindTreeFault(m_contentsLines)) {
            m_report.Add(shell::kContentsFile, fault->line, QStringLiteral("дерево не читается: ") + fault->message);
            return;
        }
        const shell::CourseContents contents = shell::ReadCourseContents(m_contentsLines);
        if (contents.groups.isEmpty())
            m_report.Add(shell::kContentsFile, 0, QStringLiteral("в оглавлении нет ни одной группы разделов"));
        for (int g = 0; g < contents.groups.size(); ++g) {
            const QList<shell::ContentsSection>& sections = contents.groups[g].sections;
            for (int s = 0; s < sections.size(); ++s) CheckSection(g * 10 + s, sections[s]);
        }
    }

    void CheckSection(int number, const shell::ContentsSection& section)
    {
        const int line = LineOf(m_contentsLines, section.title);
        if (number / 10 > 9 || number % 10 > 9) {
            m_report.Add(shell::kContentsFile, line,
                         QStringLiteral("раздел «%1» не имеет номера: в группе не больше десяти разделов")
                             .arg(section.title));
            return;
        }
        for (const shell::ContentsTopic& topic : section.Topics()) CheckTopic(topic);
        CheckLessons(number, section.title, line);
    }

    void CheckTopic(const shell::ContentsTopic& topic)
    {
        const int line = LineOf(m_contentsLines, topic.code + u' ' + topic.rest);
        if (m_topics.contains(topic.code)) {
            m_report.Add(shell::kContentsFile, line, QStringLiteral("тема %1 уже есть в оглавлении").arg(topic.code));
            return;
        }
        m_topics.insert(topic.code);
        if (topic.rest.isEmpty())
            m_report.Add(shell::kContentsFile, line, QStringLiteral("у темы %1 нет номера и названия").arg(topic.code));
        const QString listFile = shell::PageListFile(topic.code);
        if (!shell::FileExists(listFile)) {
            m_report.Add(shell::kContentsFile, line, QStringLiteral("у темы %1 нет файла %2").arg(topic.code, listFile));
            return;
        }
        m_walk.topicFolders.append(shell::ExtractFolder(listFile));
        CheckPageList(topic.code, listFile);
    }

    void CheckLessons(int number, const QString& title, int contentsLine)
    {
        const QString file = shell::LessonsFile(number);
        const std::optional<QStringList> lines = shell::TryReadLines(file);
        if (!lines) {
            m_report.Add(shell::kContentsFile, contentsLine,
                         QStringLiteral("у раздела «%1» нет списка уроков %2").arg(title, file));
            return;
        }
        static const QRegularExpression lessonCode(QStringLiteral("^USER\\d{4}$"));
        for (int i = 0; i < lines->size(); ++i) {
            QString rest = lines->at(i);
            if (shell::Trim(rest).isEmpty()) continue;
            const QString code = shell::SplitLeft(rest, u' ');
            if (!lessonCode.match(code).hasMatch()) {
                m_report.Add(file, i + 1, QStringLiteral("код урока %1 не вида USER и четыре цифры").arg(code));
                continue;
            }
            const QString listFile = shell::PageListFile(code);
            if (!shell::FileExists(listFile)) {
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
        const QStringList lines = shell::TryReadLines(listFile).value_or(QStringList());
        if (lines.size() < kPageLines)
            m_report.Add(listFile, int(lines.size()),
                         QStringLiteral("в списке страниц %1 строк(и), нужны три: теория, инструменты, упражнения")
                             .arg(lines.size()));
        for (int k = 1; k <= std::min<int>(kPageLines, int(lines.size())); ++k) {
            for (const QString& code : shell::PageCodes(lines[k - 1])) {
                if (shell::IsLessonCode(topicCode) && !code.contains(u'\\')) {
                    m_report.Add(listFile, k, QStringLiteral("код %1 в уроке без папки темы (тема\\код)").arg(code));
                    continue;
                }
                const QString fullCode = shell::FullPageCode(topicCode, code);
                const QString pageFile = shell::PageFile(fullCode);
                if (!shell::FileExists(pageFile)) {
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
        shell::ReadTreeText(lines);
        return std::nullopt;
    } catch (const shell::AppError& error) {
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
