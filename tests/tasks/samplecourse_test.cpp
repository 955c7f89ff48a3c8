// Every exercise of the sample topics D01 and P01, opened in the task window
// and answered with its own right answers, is judged right (or waits for the
// teacher where it has a free answer or no answer file).
#include "labframe/labregistry.h"
#include "labs/probability/lab16.h"
#include "shell/base/appstate.h"
#include "shell/base/textfile.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "tasks/conteiner.h"
#include "tasks/tffzad.h"
#include "ui/hooks.h"
#include "ui/htmlview.h"
#include <QDir>
#include <QFile>

using namespace tasks;
using shell::App;

namespace {

const QString kPupil = QStringLiteral("10000501");

class SampleCourseTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        App().currentUserId = kPupil;
        App().userFolder = QStringLiteral("USERS\\") + kPupil + u'\\';
        ui::hooks().showNote = [this](const QString& text, int) { notes.append(text); };
        lab::RegisterLab16();
    }
    void TearDown() override
    {
        zad.reset();
        labframe::ReleaseLabs();
        ui::hooks().showNote = nullptr;
        ProgramFolderTest::TearDown();
    }
    // A content folder as the build lays it out (Windows-1251, CR LF).
    void copyContent(const QString& folder)
    {
        const QDir source(qEnvironmentVariable("ORINDO_SOURCE_DIR") + "/content/" + folder);
        ASSERT_TRUE(source.exists()) << source.path().toStdString();
        for (const QString& name : source.entryList(QDir::Files)) {
            QFile file(source.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            writeLines(QString(folder).replace(u'/', u'\\') + "\\" + name,
                       QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts));
        }
    }
    void copyTopic(const QString& topic) { copyContent("ZADS/" + topic); }
    QStringList exercises(const QString& topic)
    {
        const QStringList config = shell::ReadLines("ZADS\\" + topic + "\\HTM.CFG");
        return config.value(2).split(u' ', Qt::SkipEmptyParts);
    }
    // Fills the page as a pupil who knows the answers; returns the verdict
    // the answers deserve.
    int answerRight(const QStringList& expected)
    {
        int verdict = 1;
        for (const QString& line : expected) {
            const QString name = line.section(u'=', 0, 0);
            const QString value = line.section(u'=', 1);
            if (name.endsWith(u'_')) {
                zad->HTML->SetFormValue(name, QStringLiteral("мой ответ"));
                verdict = 0;
            } else if (name.endsWith(u'*')) {
                // The group's fields take the acceptable answers in reverse order.
                QStringList values = value.split(u' ', Qt::SkipEmptyParts);
                for (const QString& field : zad->HTML->FormFieldNames())
                    if (field.startsWith(name.chopped(1)) && !values.isEmpty()) zad->HTML->SetFormValue(field, values.takeLast());
            } else if (value != u"Ё") {
                zad->HTML->SetFormValue(name, value);
            }
        }
        return verdict;
    }

    FakeDialogs dialogs;
    QStringList notes;
    std::unique_ptr<TffZad> zad;
};

} // namespace

TEST_F(SampleCourseTest, EveryExerciseAcceptsItsOwnAnswers)
{
    copyTopic("D01");
    copyTopic("P01");
    copyContent("LABS/LAB16");
    zad = std::make_unique<TffZad>();
    int opened = 0;
    for (const QString& topic : {QStringLiteral("D01"), QStringLiteral("P01")}) {
        for (const QString& name : exercises(topic)) {
            const QString code = topic + u'\\' + name;
            SCOPED_TRACE(code.toStdString());
            ASSERT_TRUE(zad->Open({kPupil, code, "Упражнение №" + name + " :", {}}));
            ASSERT_TRUE(WaitUntil([this] { return zad->HTML->IsReady(); }));
            ++opened;
            const std::optional<QStringList> expected = shell::TryReadLines("ZADS\\" + code + ".ANS");
            int verdict = 0;
            if (!expected) {
                zad->HTML->SetFormValue(zad->HTML->FormFieldNames().value(0), QStringLiteral("3x - 12 = 0"));
                zad->btSendClick();
            } else {
                if (zad->State().hasContainer) {
                    zad->Conteiner->ShowAnswers(*expected);
                    verdict = 1;
                } else {
                    verdict = answerRight(*expected);
                }
                zad->btReadyClick();
            }
            EXPECT_EQ(App().userResults.value(code).left(1), QString::number(verdict));
            EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.lastMessage().toStdString();
            zad->close();
        }
    }
    EXPECT_GE(opened, 19);
    // P01 opens its tasks with the probability lab: its own scene or the folder's.
    ASSERT_TRUE(labframe::ExistingLab(16));
}

TEST_F(SampleCourseTest, ThePagesOfTheTopicsDeclareTheirPagesAndExercises)
{
    for (const QString& topic : {QStringLiteral("D01"), QStringLiteral("P01")}) {
        copyTopic(topic);
        const QStringList config = shell::ReadLines("ZADS\\" + topic + "\\HTM.CFG");
        ASSERT_EQ(config.size(), 3);
        for (const QString& line : config)
            for (const QString& code : line.split(u' ', Qt::SkipEmptyParts))
                EXPECT_TRUE(QFile::exists(real("ZADS\\" + topic + "\\" + code + ".HTM"))) << code.toStdString();
    }
}
