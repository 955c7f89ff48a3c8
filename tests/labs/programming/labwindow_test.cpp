// The programming lab as a pupil uses it: the example tree and tabs, Run
// only with a ready program, the environment on her own program (stored per
// user and task, read back after the environment closed, waited for without
// blocking), the failures she is told about, the settings dialog, and lab
// files paired with program files.
#include "labs/programming/configdialog.h"
#include "labs/programming/labwindow.h"
#include "labframe/labregistry.h"
#include "programming/programtext.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

using programminglab::TfmLab19;
using programming::TextEncoding;

namespace {

const QString kUser = QStringLiteral("USERS\\00000001\\");
const QString kGcdSource = QStringLiteral("program GCD;\r\n{ Наибольший общий делитель }\r\nbegin end.\r\n");

} // namespace

class Lab19Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        base::App().userFolder = kUser;
        writeLines(QStringLiteral("ZADS\\Programs.txt"),
                   {QStringLiteral("Примеры программ"), QStringLiteral("\tДелимость"),
                    QStringLiteral("\t\tGCD Наибольший общий делитель"), QStringLiteral("\t\tPRIMES Простые числа"),
                    QStringLiteral("\tУравнения"), QStringLiteral("\t\tQUADR Квадратное уравнение")});
        for (const char* code : {"GCD", "PRIMES", "QUADR"})
            writeBytes(QStringLiteral("ZADS\\%1.PAS").arg(QLatin1String(code)),
                       programming::EncodeProgram(kGcdSource, TextEncoding::Dos));
        writeScript(QStringLiteral("ZADS\\PRIMES.exe"), "exit 0\n");
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    void showLab()
    {
        lab = std::make_unique<TfmLab19>();
        // Only fake programs: no terminal window opens during tests.
        lab->SetExecutableFinder([](const QString&) { return QString(); });
        lab->resize(1000, 700);
        lab->show();
    }
    // An executable shell script at a program path.
    QString writeScript(const QString& path, const QByteArray& body, bool executable = true)
    {
        writeBytes(path, "#!/bin/sh\n" + body);
        QFile file(real(path));
        if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return real(path);
    }
    // Settings with the given environment, as the settings dialog stores them.
    void useEnvironment(const QString& executable, TextEncoding encoding = TextEncoding::Dos)
    {
        writeLines(kUser + QStringLiteral("Programs\\Config.txt"),
                   {executable, QStringLiteral("PAS"), QStringLiteral("Моя среда"), QString::number(int(encoding))});
    }
    QStringList selectedTitles() const
    {
        QStringList titles;
        for (const QTreeWidgetItem* item : lab->tvExamples->selectedItems()) titles << item->text(0);
        return titles;
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmLab19> lab;
};

TEST_F(Lab19Test, ShowsTheExampleTreeWithTheFourthNodeAndItsSource)
{
    showLab();
    EXPECT_EQ(lab->lbExamples->text(), QStringLiteral("   Примеры программ:"));
    EXPECT_EQ(lab->Examples().exampleCount(), 3);
    EXPECT_TRUE(lab->tvExamples->topLevelItem(0)->isExpanded());
    EXPECT_EQ(selectedTitles(), QStringList{QStringLiteral("Простые числа")});
    EXPECT_EQ(lab->PageControl->currentWidget(), lab->tsExample);
    EXPECT_EQ(lab->PageControl->tabText(1), QStringLiteral("Пример \"Простые числа\""));
    EXPECT_EQ(lab->meExample->toPlainText(), QString(kGcdSource).remove(u'\r'));
    // Headings cannot be chosen.
    EXPECT_FALSE(lab->tvExamples->topLevelItem(0)->child(0)->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(lab->btTurbo->text(), QStringLiteral("Free Pascal"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab19Test, RunIsEnabledOnlyForAnExampleWithAReadyProgram)
{
    showLab();
    struct Case {
        QString code;
        bool runnable;
    };
    for (const Case& c : {Case{QStringLiteral("PRIMES"), true}, Case{QStringLiteral("GCD"), false},
                          Case{QStringLiteral("QUADR"), false}, Case{QStringLiteral("TMP"), false}}) {
        lab->ShowExample(c.code);
        EXPECT_EQ(lab->btRun->isEnabled(), c.runnable) << c.code.toStdString();
    }
    // Clearing the lab enables the frame's buttons, but not Run without a program.
    lab->ShowExample(QStringLiteral("GCD"));
    lab->ClearLab();
    EXPECT_FALSE(lab->btRun->isEnabled());
    EXPECT_EQ(selectedTitles(), QStringList{QStringLiteral("Наибольший общий делитель")});
}

TEST_F(Lab19Test, RefusedExampleListIsToldAndLeavesAnEmptyTree)
{
    writeLines(QStringLiteral("ZADS\\Programs.txt"), {QStringLiteral("Примеры"), QStringLiteral("\tГруппа"),
                                                      QStringLiteral("\t\t..\\..\\DATA\\users Чужой файл")});
    showLab();
    EXPECT_EQ(lab->tvExamples->topLevelItemCount(), 0);
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral("Строка 3")));
    EXPECT_FALSE(lab->btRun->isEnabled());
}

TEST_F(Lab19Test, EnvironmentEditsTheOwnProgramOfTheTaskAndTheLabReadsItBack)
{
    // The environment appends a line to the file it was given, in the DOS page.
    const QByteArray line = programming::EncodeProgram(QStringLiteral("{ дописано в среде }"), TextEncoding::Dos);
    useEnvironment(writeScript(QStringLiteral("ide.sh"), "sleep 0.2; printf '" + line + "' >> \"$1\"\n"));
    shellCalls.visibleTaskCode = QStringLiteral("A05\\012");
    showLab();
    EXPECT_EQ(lab->PageControl->currentWidget(), lab->tsOwn);
    EXPECT_EQ(lab->btTurbo->text(), QStringLiteral("Моя среда"));
    lab->meOwn->setPlainText(QStringLiteral("{ мой НОД }"));
    lab->btTurbo->click();
    EXPECT_TRUE(lab->Waiting());
    EXPECT_FALSE(lab->PageControl->isEnabled());
    EXPECT_FALSE(lab->pnWait->isHidden());
    ASSERT_TRUE(WaitUntil([&] { return !lab->Waiting(); }, 10000));
    EXPECT_TRUE(lab->PageControl->isEnabled());
    EXPECT_TRUE(lab->pnWait->isHidden());
    EXPECT_EQ(lab->meOwn->toPlainText(), QStringLiteral("{ мой НОД }\n{ дописано в среде }\n"));
    EXPECT_EQ(readBytes(kUser + QStringLiteral("A05\\012.PAS")),
              programming::EncodeProgram(QStringLiteral("{ мой НОД }\r\n{ дописано в среде }\r\n"), TextEncoding::Dos));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab19Test, ExampleGoesToTheEnvironmentAsTmpAndStaysUnchanged)
{
    const QString copy = real(QStringLiteral("copy.txt"));
    useEnvironment(writeScript(QStringLiteral("ide.sh"), "cp \"$1\" '" + copy.toUtf8() + "'; echo x >> \"$1\"\n"),
                   TextEncoding::Windows);
    showLab();
    const QString example = lab->meExample->toPlainText();
    lab->btTurbo->click();
    ASSERT_TRUE(WaitUntil([&] { return !lab->Waiting(); }, 10000));
    QFile sent(copy);
    ASSERT_TRUE(sent.open(QIODevice::ReadOnly));
    EXPECT_EQ(sent.readAll(), programming::EncodeProgram(example, TextEncoding::Windows));
    EXPECT_EQ(lab->meExample->toPlainText(), example);
    EXPECT_TRUE(lab->meOwn->toPlainText().isEmpty());
}

struct EnvironmentFault {
    const char* name;
    bool configured;
    bool exists;
    bool executable;
    const char* message;
};

class Lab19EnvironmentFault : public Lab19Test, public ::testing::WithParamInterface<EnvironmentFault> {};

TEST_P(Lab19EnvironmentFault, IsToldAndNothingWaits)
{
    const EnvironmentFault& fault = GetParam();
    QString environment;
    if (fault.configured) environment = fault.exists ? writeScript(QStringLiteral("ide.sh"), "exit 0\n", fault.executable)
                                                    : real(QStringLiteral("nowhere/ide"));
    useEnvironment(environment);
    showLab();
    lab->btTurbo->click();
    EXPECT_FALSE(lab->Waiting());
    EXPECT_TRUE(lab->PageControl->isEnabled());
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QString::fromUtf8(fault.message))) << dialogs.lastMessage().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Starts, Lab19EnvironmentFault,
    ::testing::Values(EnvironmentFault{"none_chosen", false, false, false, "Не задана система программирования"},
                      EnvironmentFault{"missing", true, false, false, "Не задана система программирования"},
                      EnvironmentFault{"not_executable", true, true, false, "Не удается запустить программу"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Lab19Test, OwnProgramThatCannotBeWrittenIsToldAndTheEnvironmentNotStarted)
{
    const QString marker = real(QStringLiteral("started.txt"));
    useEnvironment(writeScript(QStringLiteral("ide.sh"), "touch '" + marker.toUtf8() + "'\n"));
    ASSERT_TRUE(QDir().mkpath(real(kUser + QStringLiteral("TMP.PAS"))));
    showLab();
    lab->PageControl->setCurrentWidget(lab->tsOwn);
    lab->meOwn->setPlainText(QStringLiteral("begin end."));
    lab->btTurbo->click();
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Не удается сохранить файл \"") + kUser + QStringLiteral("TMP.PAS\""));
    EXPECT_FALSE(lab->Waiting());
    EXPECT_FALSE(QFile::exists(marker));
    EXPECT_EQ(lab->meOwn->toPlainText(), QStringLiteral("begin end."));
}

TEST_F(Lab19Test, StopWaitingGivesTheLabBackWhileTheProgramRuns)
{
    useEnvironment(writeScript(QStringLiteral("ide.sh"), "sleep 20\n"));
    showLab();
    lab->btTurbo->click();
    ASSERT_TRUE(lab->Waiting());
    lab->btStopWaiting->click();
    EXPECT_FALSE(lab->Waiting());
    ASSERT_TRUE(WaitUntil([&] { return lab->PageControl->isEnabled(); }, 5000));
    EXPECT_TRUE(lab->pnWait->isHidden());
}

TEST_F(Lab19Test, RunStartsTheReadyProgramAndWaitsForIt)
{
    const QString marker = real(QStringLiteral("ran.txt"));
    writeScript(QStringLiteral("ZADS\\PRIMES.exe"), "sleep 0.2; pwd > '" + marker.toUtf8() + "'\n");
    showLab();
    ASSERT_TRUE(lab->btRun->isEnabled());
    lab->btRun->click();
    EXPECT_TRUE(lab->Waiting());
    EXPECT_TRUE(lab->lbWait->text().contains(QStringLiteral("Простые числа")));
    ASSERT_TRUE(WaitUntil([&] { return !lab->Waiting(); }, 10000));
    QFile ran(marker);
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(QDir(QString::fromUtf8(ran.readAll().trimmed())), QDir(real(QStringLiteral("ZADS"))));
}

TEST_F(Lab19Test, SettingsDialogStoresTheChoiceAndRenamesTheButton)
{
    showLab();
    const QString chosen = writeScript(QStringLiteral("my ide/ide"), "exit 0\n");
    dialogs.files.push_back(chosen);
    dialogs.dialogActions.push_back([&](QDialog& dialog) {
        auto& config = static_cast<programminglab::TffConfig&>(dialog);
        config.btBrowse->click();
        config.edExt->setText(QStringLiteral("pp"));
        config.edName->setText(QStringLiteral("Среда Паскаль"));
        config.cbEncoding->setCurrentIndex(1);
        config.btOK->click();
        return dialog.result();
    });
    lab->btConfig->click();
    EXPECT_EQ(lab->btTurbo->text(), QStringLiteral("Среда Паскаль"));
    EXPECT_EQ(readBytes(kUser + QStringLiteral("Programs\\Config.txt")),
              cp1251Lines({chosen, QStringLiteral("pp"), QStringLiteral("Среда Паскаль"), QStringLiteral("1")}));
    EXPECT_EQ(lab->OwnProgramFile(), kUser + QStringLiteral("TMP.pp"));
}

TEST_F(Lab19Test, LabFilePairsWithAProgramFile)
{
    showLab();
    const QString work = real(QStringLiteral("work.LAB"));
    lab->meOwn->setPlainText(QStringLiteral("{ решение }\nbegin end."));
    ASSERT_TRUE(lab->SaveLabFile(work));
    EXPECT_EQ(readBytes(QStringLiteral("work.PAS")),
              programming::EncodeProgram(QStringLiteral("{ решение }\r\nbegin end.\r\n"), TextEncoding::Dos));
    lab->meOwn->clear();
    ASSERT_TRUE(lab->LoadLabFile(work));
    EXPECT_EQ(lab->meOwn->toPlainText(), QStringLiteral("{ решение }\nbegin end.\n"));
    QFile::remove(real(QStringLiteral("work.PAS")));
    ASSERT_TRUE(lab->LoadLabFile(work));
    EXPECT_TRUE(lab->meOwn->toPlainText().isEmpty());
    // A file of another lab leaves the pupil's program alone.
    lab->meOwn->setPlainText(QStringLiteral("keep"));
    writeLines(QStringLiteral("other.LAB"), {QStringLiteral("4"), QStringLiteral("#")});
    writeBytes(QStringLiteral("other.PAS"), "lost");
    EXPECT_FALSE(lab->LoadLabFile(real(QStringLiteral("other.LAB"))));
    EXPECT_EQ(lab->meOwn->toPlainText(), QStringLiteral("keep"));
}

TEST_F(Lab19Test, PairedProgramThatCannotBeWrittenFailsTheSave)
{
    showLab();
    ASSERT_TRUE(QDir().mkpath(real(QStringLiteral("work.PAS"))));
    EXPECT_FALSE(lab->SaveLabFile(real(QStringLiteral("work.LAB"))));
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QStringLiteral("Не удается сохранить файл")));
}

TEST_F(Lab19Test, FormatListsTheWindowsControls)
{
    showLab();
    EXPECT_EQ(programminglab::Lab19Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab19Test, OwnProgramStaysWithItsTaskWhenThePupilLeavesAndComesBack)
{
    showLab();
    lab->PageControl->setCurrentWidget(lab->tsOwn);
    lab->meOwn->setPlainText(QStringLiteral("{ без задачи }"));
    lab->meOwn->document()->setModified(true);
    lab->hide();
    EXPECT_EQ(readBytes(kUser + QStringLiteral("TMP.PAS")), programming::EncodeProgram(QStringLiteral("{ без задачи }"), TextEncoding::Dos));

    shellCalls.visibleTaskCode = QStringLiteral("A05\\012");
    lab->show();
    EXPECT_EQ(lab->PageControl->tabText(0), QStringLiteral("Своя программа: A05\\012"));
    EXPECT_TRUE(lab->meOwn->toPlainText().isEmpty()); // nothing written for this task yet
    lab->meOwn->setPlainText(QStringLiteral("{ задача 12 }"));
    lab->meOwn->document()->setModified(true);
    lab->hide();

    shellCalls.visibleTaskCode.clear();
    lab->show();
    EXPECT_EQ(lab->meOwn->toPlainText(), QStringLiteral("{ без задачи }\n"));
    EXPECT_EQ(readBytes(kUser + QStringLiteral("A05\\012.PAS")), programming::EncodeProgram(QStringLiteral("{ задача 12 }"), TextEncoding::Dos));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
