// The course's "place the points" tasks judged end to end: the task's lab
// file in the coordinate line lab, the pupil's moves, the lab's answer lines
// and the page's field judged together against the task's answer file.
#include "base/appstate.h"
#include "labframe/labregistry.h"
#include "labs/coordline/labwindow.h"
#include "numberline/picking.h"
#include "numberline/view/dec1d.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include "taskfiles/checking.h"
#include <QDir>
#include <QFile>
#include <functional>
#include <memory>

using coordlinelab::TfmLab2;

namespace {

const QString kPupil = QStringLiteral("10000501");

struct CourseTask {
    const char* code;      // in ZADS\B01
    const char* field;     // the page's one field
    const char* right;     // its right value
};

const CourseTask kTasks[] = {{"0701", "r1", "C"}, {"0801", "a1", "3"}};

class PlacingTaskTest : public ProgramFolderTest {
public:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        base::App().currentUserId = kPupil;
        base::App().userFolder = QStringLiteral("USERS\\") + kPupil + u'\\';
        const QDir source(SampleCoursePath(QStringLiteral("ZADS/B01")));
        for (const CourseTask& task : kTasks)
            for (const char* ext : {".HTM", ".ANS", ".LAB"}) {
                QFile file(source.filePath(QString::fromLatin1(task.code) + ext));
                ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << task.code << ext;
                writeLines(QStringLiteral("ZADS\\B01\\") + task.code + ext,
                           QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts));
            }
        lab = std::make_unique<TfmLab2>();
        lab->resize(800, 576);
        lab->show();
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }

    void open(const CourseTask& task)
    {
        state = {};
        state.taskCode = QStringLiteral("B01\\") + task.code;
        state.ShowUser(kPupil);
        ASSERT_TRUE(lab->LoadLabFile(state.TaskFile(tasks::kLabExt)));
    }
    // "Готово" with the page's field answered and the lab as it stands.
    int judge(const CourseTask& task, const QString& value)
    {
        state.pageLines = {"<FORM>", QStringLiteral("<INPUT NAME=%1>").arg(task.field), "</FORM>"};
        tasks::PageAnswers page;
        page.hasForm = true;
        page.controlNames = {task.field};
        page.formValues = {QString::fromLatin1(task.field) + u'=' + value};
        page.labAnswers = lab->TaskAnswers();
        const tasks::CheckResult result = tasks::CheckAnswers(state, page);
        EXPECT_EQ(result.status, tasks::CheckStatus::Judged);
        return result.verdict;
    }
    // Each point dragged near its number and dropped, as a pupil does.
    void placeAll()
    {
        const double scale = lab->Dec->Scale();
        for (const auto& point : lab->Dec->Scene().Points()) {
            point->X = *point->Exact() + 1 / scale;
            point->Y = 0.3;
            numberline::DropPoint(*point, lab->Dec->View(), lab->Dec->Scene().Parts(), lab->Dec->Scene().ShowDivisions);
        }
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmLab2> lab;
    tasks::TaskState state;
};

} // namespace

TEST_F(PlacingTaskTest, TheVerdictNeedsTheRightAnswerAndEveryPointBlack)
{
    const struct {
        const char* what;
        std::function<void(PlacingTaskTest&)> pupil;
        bool rightValue;
        int verdict;
    } moves[] = {
        {"nothing placed", [](PlacingTaskTest&) {}, true, 2},
        {"all placed", [](PlacingTaskTest& t) { t.placeAll(); }, true, 1},
        {"all placed, the question answered wrong", [](PlacingTaskTest& t) { t.placeAll(); }, false, 2},
        {"one point left red",
         [](PlacingTaskTest& t) {
             t.placeAll();
             t.lab->Dec->Scene().Points()[2]->X += 0.5;
         },
         true, 2},
        {"a red point erased",
         [](PlacingTaskTest& t) {
             t.placeAll();
             t.lab->Dec->Scene().Points()[1]->X += 0.5;
             t.lab->Dec->Scene().Points()[1]->Visible = false;
         },
         true, 2},
        {"an extra point of the pupil's, red",
         [](PlacingTaskTest& t) {
             t.placeAll();
             t.lab->Dec->AddPoint("[7]").X = 3;
         },
         true, 1},
    };
    for (const CourseTask& task : kTasks)
        for (const auto& move : moves) {
            open(task);
            move.pupil(*this);
            EXPECT_EQ(judge(task, move.rightValue ? task.right : "0"), move.verdict) << task.code << ": " << move.what;
        }
}

TEST_F(PlacingTaskTest, TheTasksDoNotOfferTheMagicWand)
{
    for (const CourseTask& task : kTasks) {
        open(task);
        EXPECT_FALSE(lab->bt243->isEnabled()) << task.code;
    }
}
