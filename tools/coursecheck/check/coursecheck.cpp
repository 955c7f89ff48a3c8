#include "coursecheck/check/coursecheck.h"
#include "coursecheck/check/formulacheck.h"
#include "coursecheck/check/labcheck.h"
#include "coursecheck/check/linkcheck.h"
#include "coursecheck/check/structure.h"
#include "coursecheck/check/taskcheck.h"
#include "labframe/file/labformats.h"
#include "base/appstate.h"
#include "base/coursefiles.h"
#include "base/paths.h"
#include "base/random.h"
#include "base/textfile.h"
#include "labs/formats/labformats.h"
#include "taskfiles/taskpage.h"
#include <QDir>
#include <QSet>

namespace coursecheck {

namespace {

const QString kFormLine = QStringLiteral("<FORM>");
const QString kCommonEnd = QStringLiteral("</COMMON>");
const QString kDefaultLab = QStringLiteral("default.lab");
// The same random points on every run, so that a report can be reproduced.
constexpr uint32_t kRandomSeed = 20261209;

// The page code after the topic folder: "A01\012" gives "012".
QString PageName(const QString& fullCode) { return fullCode.mid(fullCode.indexOf(u'\\') + 1); }

// Exercise codes start with a digit; three characters make a variant.
bool IsExercise(const CoursePage& page) { return page.page == 3 && !PageName(page.fullCode).isEmpty() && PageName(page.fullCode)[0].isDigit(); }
bool IsVariant(const CoursePage& page) { return IsExercise(page) && PageName(page.fullCode).size() == 3; }

QStringList FormulaFieldNames(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines)
        if (const QString name = tasks::HiddenFieldName(line); !name.isEmpty()) names.append(name);
    return names;
}

class CourseCheck {
public:
    Report Run()
    {
        const CourseWalk walk = CheckCourseStructure(m_report);
        for (const CoursePage& page : walk.pages) CheckPage(page);
        // Tasks that pages open by "ZAD:" links without listing them as exercises.
        for (const QString& code : m_linkedTasks) CheckTaskOnce(code);
        CheckLabExamples(m_report);
        CheckIllustrations(m_report);
        for (const QString& folder : walk.topicFolders)
            if (base::FileExists(folder + kDefaultLab)) m_labFiles.insert(folder + kDefaultLab);
        QStringList labs = m_labFiles.values();
        labs.sort();
        for (const QString& lab : labs) CheckLabFile(m_report, lab);
        return std::move(m_report);
    }

private:
    void CheckPage(const CoursePage& page)
    {
        const QString file = base::PageFile(page.fullCode);
        // A page is looked at once as a page and once more if some list makes it a task.
        const QString seen = IsExercise(page) ? file + QStringLiteral("|task") : file;
        if (m_pagesSeen.contains(seen)) return;
        m_pagesSeen.insert(seen);
        ++m_report.coverage.pages;
        const QStringList lines = base::TryReadLines(file).value_or(QStringList());
        CheckFormulaTags(m_report, file, lines);

        const QStringList fields = FormulaFieldNames(lines);
        const qsizetype form = lines.indexOf(kFormLine);
        m_linkedTasks += CheckLinks(m_report, file, lines, {base::kTopicPageFolder, int(form < 0 ? lines.size() : form), fields});
        if (!IsExercise(page)) return;
        m_linkedTasks += CheckLinks(m_report, file, lines, {base::kLessonFolder, int(lines.size()), fields});
        if (IsVariant(page) && !lines.contains(kCommonEnd))
            m_report.Add(file, 0, QStringLiteral("в варианте упражнения нет строки </COMMON>: ссылки на задачу не будет"));
        CheckTaskOnce(page.fullCode);
    }

    void CheckTaskOnce(const QString& code)
    {
        if (m_tasksSeen.contains(code.toUpper())) return;
        m_tasksSeen.insert(code.toUpper());
        ++m_report.coverage.tasks;
        if (const QString lab = CheckTask(m_report, code); !lab.isEmpty()) m_labFiles.insert(lab);
    }

    Report m_report;
    QSet<QString> m_pagesSeen;
    QSet<QString> m_tasksSeen;
    QSet<QString> m_labFiles;
    QStringList m_linkedTasks;
};

} // namespace

bool IsProgramFolder(const QString& realFolder)
{
    const QDir folder(realFolder);
    if (!folder.exists()) return false;
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (name.compare(QStringLiteral("ZADS"), Qt::CaseInsensitive) == 0) return true;
    return false;
}

Report CheckCourse()
{
    base::ResetAppState();
    base::App().currentUserId = kCheckerUserId;
    base::SetRandomSeed(kRandomSeed);
    labframe::ReleaseLabFormats();
    labformats::RegisterLabFormats();
    Report report = CourseCheck().Run();
    labframe::ReleaseLabFormats();
    return report;
}

} // namespace coursecheck
