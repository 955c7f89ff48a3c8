#include "formulas/formula.h"
#include "formulas/view/picture.h"
#include "labframe/labregistry.h"
#include "labframe/testlab.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "tasks/answerarea.h"
#include "tasks/taskwindow.h"
#include "support/shellcallsrecorder.h"
#include "ui/htmlview.h"
#include "ui/gifwriter.h"
#include "ui/imagebuttons.h"
#include "ui/windowstack.h"
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace tasks;
using base::App;

namespace {

const QString kPupil = QStringLiteral("10000501");
const QString kTeacher = QStringLiteral("10000001");
const QString kCode = QStringLiteral("A05\\012");
const QString kTaskFile = QStringLiteral("ZADS\\A05\\012");
const QString kUserFile = QStringLiteral("USERS\\10000501\\A05\\012");

class TaskWindowTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        logIn(kPupil, false);
        zad = std::make_unique<TffZad>();
    }
    void TearDown() override
    {
        zad.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    void logIn(const QString& id, bool teacher)
    {
        App().currentUserId = id;
        App().userFolder = QStringLiteral("USERS\\") + id + u'\\';
        App().isTeacher = teacher;
    }
    void writePage(const QStringList& lines) { writeLines(kTaskFile + ".HTM", lines); }
    void open(const QString& user = kPupil, const QString& pressed = QString())
    {
        ASSERT_TRUE(zad->Open({user, kCode, QStringLiteral("Упражнение №12 :"), pressed}));
        ASSERT_TRUE(WaitUntil([this] { return zad->HTML->IsReady(); }));
    }
    // Types into the page's fields as the pupil would.
    void answer(const QStringList& lines)
    {
        for (const QString& line : lines) zad->HTML->SetFormValue(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    QString field(const QString& name) const { return zad->HTML->GetFormValue(name); }
    QString picture(const QString& name) const { return TffZad::PictureFolder() + name + QStringLiteral(".bmp"); }
    static QByteArray pictureOf(const QString& formulaText, const QString& file)
    {
        formulas::TFormula formula;
        formula.SetText(formulaText);
        formulas::SaveImage(formula, file, Qt::black, QColor(180, 207, 231));
        QFile read(file);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }
    QByteArray pictureBytes(const QString& name) const
    {
        QFile read(picture(name));
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    const QStringList& notes = shellCalls.notes;
    std::unique_ptr<TffZad> zad;
};

const QStringList kFormPage{"<FORM>", "x = <INPUT NAME=x>", "<INPUT TYPE=CHECKBOX NAME=c1 VALUE=ю> верно",
                            "<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"[x]\">", "</FORM>"};

} // namespace

TEST_F(TaskWindowTest, ButtonsFollowTheTaskFilesAndWhoLooks)
{
    writePage(kFormPage);
    writeLines(kTaskFile + ".ANS", {"x=5"});
    writeLines(kTaskFile + ".HLP", {"<p>Подсказка</p>"});
    open();
    EXPECT_TRUE(zad->btReady->isVisibleTo(zad.get()));
    for (QPushButton* hidden : {zad->btSend, zad->btYes, zad->btNo, zad->btLoad})
        EXPECT_FALSE(hidden->isVisibleTo(zad.get())) << hidden->objectName().toStdString();
    EXPECT_TRUE(zad->btHelp->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->btBack->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->btCalc->isVisibleTo(zad.get()));
    zad->close();

    // A teacher looking at a pupil's task with an answer file: still "Готово".
    logIn(kTeacher, true);
    open(kPupil);
    EXPECT_TRUE(zad->btReady->isVisibleTo(zad.get()));
    EXPECT_FALSE(zad->btYes->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->btLoad->isVisibleTo(zad.get()));
    zad->close();

    // Without an answer file: the pupil sends, the teacher marks.
    QFile::remove(real(kTaskFile + ".ANS"));
    QFile::remove(real(kTaskFile + ".HLP"));
    open(kPupil);
    EXPECT_FALSE(zad->btReady->isVisibleTo(zad.get()));
    EXPECT_FALSE(zad->btSend->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->btYes->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->btNo->isVisibleTo(zad.get()));
    EXPECT_FALSE(zad->btHelp->isVisibleTo(zad.get()));
    EXPECT_GE(zad->HTML->width(), 400);
    zad->close();

    logIn(kPupil, false);
    open();
    EXPECT_TRUE(zad->btSend->isVisibleTo(zad.get()));
    EXPECT_FALSE(zad->btYes->isVisibleTo(zad.get()));
}

TEST_F(TaskWindowTest, TheWindowTakesItsWidthFromThePageTitle)
{
    writePage(QStringList{"<TITLE>520/10/20/300</TITLE>"} + kFormPage);
    open();
    EXPECT_EQ(zad->width(), 520);
    zad->close();

    writePage(QStringList{"<TITLE>широкая</TITLE>"} + kFormPage);
    open();
    EXPECT_EQ(zad->width(), 400);
    zad->close();

    // The marking buttons need at least 305 pixels, and no button is ever cut off.
    writePage(QStringList{"<TITLE>200/0/0/100</TITLE>"} + kFormPage);
    logIn(kTeacher, true);
    open(kPupil);
    EXPECT_GE(zad->width(), 305);
    EXPECT_EQ(zad->width(), std::max(305, zad->PanelButton->minimumSizeHint().width()));
    for (QPushButton* button : {zad->btYes, zad->btNo, zad->btBack, zad->btCalc, zad->btLoad})
        EXPECT_GE(button->width(), button->minimumSizeHint().width()) << button->objectName().toStdString();
}

TEST_F(TaskWindowTest, FormulaFieldsShowAsLinkedPictures)
{
    writePage(kFormPage);
    writeLines(kTaskFile + ".ANS", {"x=5", "F1=[x]"});
    open();
    const QString link = QStringLiteral("<a href=\"FE:F1\"><img src=\"%1\" border=\"1\"></a>").arg(picture("F1"));
    EXPECT_EQ(zad->State().pageLines.value(4), "<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"[x]\">" + link);
    const QByteArray first = pictureBytes("F1");
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(first, pictureOf("[x]", real("reference.bmp")));

    // The editor is cancelled (it keeps the formula): the value stays, the
    // picture is drawn again and the answers are kept for the next visit.
    QFile::remove(picture("F1"));
    answer({"x=41"});
    EXPECT_TRUE(zad->HTMLLinkClick(QStringLiteral("FE:F1")));
    EXPECT_EQ(field("F1"), "[x]");
    EXPECT_EQ(pictureBytes("F1"), first);
    EXPECT_EQ(readBytes(kUserFile + ".ANS"), cp1251Lines({"x=41", "F1=[x]"}));
    ASSERT_TRUE(WaitUntil([this] { return zad->HTML->IsReady(); }));
    EXPECT_EQ(field("x"), "41");

    // Other links are the view's.
    EXPECT_FALSE(zad->HTMLLinkClick(QStringLiteral("other.htm")));
}

TEST_F(TaskWindowTest, FormulaTagsDoNotTakeThePictureNamesOfTheTopicPage)
{
    // The topic page beside the window numbers its pictures from 1.
    writePage({"<p>Решите <FORMULA=[x+1=3]> и <FORMULA=[drob[1][2]]></p>"});
    open();
    const QString page = zad->State().pageLines.join(u'\n');
    EXPECT_TRUE(page.contains(base::TempFolder() + "2001.GIF")) << qPrintable(page);
    EXPECT_TRUE(page.contains(base::TempFolder() + "2002.GIF"));
    EXPECT_FALSE(page.contains(base::TempFolder() + "1.GIF"));
}

TEST_F(TaskWindowTest, ASecondVisitRestoresTheAnswersAndStartingAgainEmptiesThem)
{
    writePage(kFormPage);
    writeLines(kTaskFile + ".ANS", {"x=5", "c1=ю", "F1=[powr[x][-1]]"});
    writeLines(kUserFile + ".ANS", {"x=7", "c1=ю", "F1=[drob[1][x]]"});
    open();
    EXPECT_EQ(field("x"), "7");
    EXPECT_EQ(field("c1"), "ю");
    EXPECT_EQ(field("F1"), "[drob[1][x]]");
    EXPECT_EQ(pictureBytes("F1"), pictureOf("[drob[1][x]]", real("reference.bmp")));
    zad->close();

    // A saved name that leads out of the temporary folder draws nothing there.
    writeBytes("tmp\\F\\keep", {});
    writeLines(kUserFile + ".ANS", {"x=7", "F1=[drob[1][x]]", "F\\..\\..\\outside=[x]", "F/../../outside=[x]"});
    open();
    EXPECT_FALSE(QFile::exists(real("outside.bmp")));
    EXPECT_EQ(field("x"), "7");

    zad->btBackClick();
    ASSERT_TRUE(WaitUntil([this] { return zad->HTML->IsReady(); }));
    EXPECT_FALSE(QFile::exists(real(kUserFile + ".ANS")));
    EXPECT_EQ(field("x"), "");
    EXPECT_EQ(field("c1"), "");
    EXPECT_EQ(field("F1"), "[x]");
    EXPECT_EQ(pictureBytes("F1"), pictureOf("[x]", real("reference.bmp")));
}

TEST_F(TaskWindowTest, ReadyJudgesRecordsAndShowsTheFace)
{
    FixedClock clock(QStringLiteral("2004-03-07T10:00:00"));
    writePage(kFormPage);
    writeLines(kTaskFile + ".ANS", {"x=5", "c1=ю", "F1=[powr[x][-1]]"});
    open();
    // Incomplete: nothing judged, the pupil can go on.
    answer({"x= "});
    zad->btReadyClick();
    EXPECT_EQ(notes, QStringList{"Ответ неполный ..."});
    EXPECT_FALSE(QFile::exists(real("USERS\\10000501\\results.txt")));
    EXPECT_TRUE(zad->PanelButton->isVisibleTo(zad.get()));

    answer({"x=5", "c1=ю", "F1=[drob[1][x]]"});
    FixedClock later(QStringLiteral("2004-03-07T10:02:05"));
    zad->btReadyClick();
    EXPECT_EQ(notes.last(), "ОТЛИЧНО!");
    EXPECT_EQ(readBytes("USERS\\10000501\\results.txt"), QByteArray("A05\\012=1  1   125 07.03.2004\r\n"));
    EXPECT_EQ(readBytes(kUserFile + ".ANS"), cp1251Lines({"x=5", "c1=ю", "F1=[drob[1][x]]"}));
    EXPECT_TRUE(zad->State().pageLines.contains("x = 5"));
    EXPECT_FALSE(zad->HTML->isEnabled());
    EXPECT_FALSE(zad->PanelButton->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->RxGIF->isVisibleTo(zad.get()) || !QFile::exists(real("GIF\\Face1.GIF")));
    // One judging per opening.
    zad->btReadyClick();
    EXPECT_EQ(App().userResults.value(kCode).left(4), "1  1");

    // Closing brings the buttons back; the next opening judges a wrong answer.
    zad->close();
    EXPECT_TRUE(zad->PanelButton->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->VisibleTaskCode().isEmpty());
    open();
    EXPECT_TRUE(zad->HTML->isEnabled());
    answer({"x=6"});
    zad->btReadyClick();
    EXPECT_EQ(notes.last(), "Вы ошиблись!");
    EXPECT_EQ(App().userResults.value(kCode).left(4), "2  2");
    EXPECT_TRUE(zad->State().pageLines.contains("x = <FONT COLOR=RED> 6 </FONT>"));
}

TEST_F(TaskWindowTest, TheFaceOfTheVerdictPlaysOnceAndStops)
{
    writePage(kFormPage);
    writeLines(kTaskFile + ".ANS", {"x=5", "F1=[x]"});
    QList<ui::GifFrame> frames;
    for (int i = 0; i < 12; ++i) {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(QColor(i * 20, 0, 0));
        frames.append({image, 10});
    }
    writeBytes("GIF\\Face1.GIF", {});
    ASSERT_TRUE(ui::WriteGif(real("GIF\\Face1.GIF"), frames));
    open();
    answer({"x=5"});
    zad->btReadyClick();
    ASSERT_TRUE(zad->RxGIF->isVisibleTo(zad.get()));
    EXPECT_TRUE(WaitUntil([this] { return !zad->RxGIF->animate(); }, 3000));
    EXPECT_EQ(zad->RxGIF->frame(), 8);
}

TEST_F(TaskWindowTest, TheClockRunsInTheCaption)
{
    writePage(kFormPage);
    {
        FixedClock clock(QStringLiteral("2004-03-07T10:00:00"));
        open();
    }
    EXPECT_TRUE(zad->Timer1->isActive());
    FixedClock later(QStringLiteral("2004-03-07T10:02:05"));
    zad->Timer1Timer();
    EXPECT_EQ(zad->windowTitle(), "Упражнение №12: 2 мин  5 сек");
    zad->close();
    EXPECT_FALSE(zad->Timer1->isActive());
}

TEST_F(TaskWindowTest, TheTasksLabIsTheUsersThenItsOwnThenTheFolders)
{
    labframe::RegisterLab(6, [] { return new TestLab(6); });
    writePage(kFormPage);
    writeLines("ZADS\\A05\\default.lab", {"6", "#", "folder"});
    open();
    auto* lab = static_cast<TestLab*>(labframe::CurrentLab());
    ASSERT_TRUE(lab);
    EXPECT_EQ(lab->engineRecords, QStringList{"folder"});
    zad->close();

    writeLines(kTaskFile + ".LAB", {"6", "#", "own"});
    open();
    EXPECT_EQ(lab->engineRecords, QStringList{"own"});
    zad->close();

    writeLines(kUserFile + ".LAB", {"6", "#", "saved"});
    open();
    EXPECT_EQ(lab->engineRecords, QStringList{"saved"});
    zad->close();

    // A task without any lab file has no lab.
    QFile::remove(real(kUserFile + ".LAB"));
    QFile::remove(real(kTaskFile + ".LAB"));
    QFile::remove(real("ZADS\\A05\\default.lab"));
    open();
    EXPECT_EQ(labframe::CurrentLab(), nullptr);
}

TEST_F(TaskWindowTest, ATeacherMarksAFreeAnswer)
{
    writePage({"<FORM><TEXTAREA NAME=comment_></TEXTAREA></FORM>"});
    writeLines("USERS\\10000501\\results.txt", {"A05\\012=0  1    30 07.03.2004"});
    logIn(kTeacher, true);
    open(kPupil, QStringLiteral("2"));
    EXPECT_TRUE(zad->btNo->isChecked());
    EXPECT_FALSE(zad->btYes->isChecked());
    zad->btYesClick();
    EXPECT_TRUE(zad->btYes->isChecked());
    EXPECT_FALSE(zad->btNo->isChecked());
    EXPECT_EQ(readBytes("USERS\\10000501\\results.txt"), QByteArray("A05\\012=1  1    30 07.03.2004\r\n"));

    // The teacher cannot answer for the pupil, nor change a formula of theirs.
    writePage(kFormPage);
    open(kPupil);
    zad->HTMLLinkClick(QStringLiteral("FE:F1"));
    EXPECT_EQ(notes.last(), "Вы не можете отвечать за другого ученика!");
    EXPECT_FALSE(QFile::exists(real(kUserFile + ".ANS")));
}

TEST_F(TaskWindowTest, ATextAreaKeepsEveryLineBetweenVisits)
{
    writePage({"<FORM>x = <INPUT NAME=x>", "<TEXTAREA NAME=story_ ROWS=4></TEXTAREA></FORM>"});
    writeLines(kTaskFile + ".ANS", {"x=6", "story_="});
    const QString story = QStringLiteral("Было 3 яблока,\nстало 5.\nC:\\new\\");
    open();
    answer({"x=6", "story_=" + story});
    zad->btReadyClick();
    EXPECT_EQ(notes.last(), "Ваше решение отправлено на проверку");
    // One line per field in the file.
    EXPECT_EQ(readBytes(kUserFile + ".ANS"),
              cp1251Lines({"x=6", "story_=Было 3 яблока,\\nстало 5.\\nC:\\\\new\\\\"}));
    zad->close();

    // The pupil and the marking teacher see all lines; "Готово" again saves them all.
    logIn(kTeacher, true);
    open(kPupil);
    EXPECT_EQ(field("story_"), story);
    zad->close();
    logIn(kPupil, false);
    open();
    EXPECT_EQ(field("story_"), story);
    zad->btReadyClick();
    EXPECT_EQ(readBytes(kUserFile + ".ANS"),
              cp1251Lines({"x=6", "story_=Было 3 яблока,\\nстало 5.\\nC:\\\\new\\\\"}));
}

TEST_F(TaskWindowTest, ATeacherMarksWorkWithAJudgedAndAFreeField)
{
    writePage({"<FORM>x = <INPUT NAME=x>", "<TEXTAREA NAME=why_></TEXTAREA></FORM>"});
    writeLines(kTaskFile + ".ANS", {"x=12", "why_="});
    writeLines(kUserFile + ".ANS", {"x=12", "why_=2 * 6"});
    writeLines("USERS\\10000501\\results.txt", {"A05\\012=0  1    30 07.03.2004"});
    logIn(kTeacher, true);
    open(kPupil);
    EXPECT_TRUE(zad->btYes->isVisibleTo(zad.get()));
    EXPECT_TRUE(zad->btNo->isVisibleTo(zad.get()));
    EXPECT_FALSE(zad->btReady->isVisibleTo(zad.get()));
    zad->btYesClick();
    EXPECT_EQ(readBytes("USERS\\10000501\\results.txt"), QByteArray("A05\\012=1  1    30 07.03.2004\r\n"));
    zad->close();

    // The pupil still judges it with "Готово".
    logIn(kPupil, false);
    open();
    EXPECT_TRUE(zad->btReady->isVisibleTo(zad.get()));
    EXPECT_FALSE(zad->btYes->isVisibleTo(zad.get()));
}

TEST_F(TaskWindowTest, ATeacherStartsAPupilsWorkAgainOnlyWhenSure)
{
    writePage(kFormPage);
    writeLines(kUserFile + ".ANS", {"x=7"});
    logIn(kTeacher, true);
    open(kPupil);
    zad->btBackClick();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions.last().text, kDeletePupilsWorkQuestion);
    EXPECT_EQ(dialogs.questionDefaults.last(), ui::Answer::No);
    EXPECT_TRUE(QFile::exists(real(kUserFile + ".ANS")));
    EXPECT_EQ(field("x"), "7");

    dialogs.answers.push_back(ui::Answer::Yes);
    zad->btBackClick();
    ASSERT_TRUE(WaitUntil([this] { return zad->HTML->IsReady(); }));
    EXPECT_FALSE(QFile::exists(real(kUserFile + ".ANS")));
    zad->close();

    // The pupil's own work starts again at once.
    writeLines(kUserFile + ".ANS", {"x=7"});
    logIn(kPupil, false);
    open();
    zad->btBackClick();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_FALSE(QFile::exists(real(kUserFile + ".ANS")));
}

TEST_F(TaskWindowTest, ATaskFoundByTheSearchMarksTheText)
{
    writePage({"<p>Решите уравнение с дробью.</p>"});
    bool found = false;
    QObject::connect(zad->HTML, &ui::HtmlView::findFinished, [&](bool ok) { found = ok; });
    ASSERT_TRUE(zad->Open({kPupil, kCode, QStringLiteral("Упражнение №8 :"), QString(), QStringLiteral("ДРОБ")}));
    EXPECT_TRUE(WaitUntil([&] { return found; }));
}

TEST_F(TaskWindowTest, SendingSavesTheAnswersUnjudged)
{
    writePage({"<FORM>Ваше мнение: <INPUT NAME=opinion></FORM>"});
    open();
    answer({"opinion=интересно"});
    zad->btSendClick();
    EXPECT_EQ(notes.last(), "Ваше решение отправлено на проверку");
    EXPECT_EQ(readBytes(kUserFile + ".ANS"), cp1251Lines({"opinion=интересно"}));
    EXPECT_EQ(App().userResults.value(kCode).left(4), "0  1");
    EXPECT_FALSE(zad->PanelButton->isVisibleTo(zad.get()));
}

TEST_F(TaskWindowTest, TheAreaIsJudgedSavedAndRestored)
{
    writePage({"<p>Разложите карточки.</p>"});
    writeLines(kTaskFile + ".CNT", {"120 80 30 70 40", "TARGETS:", "T1 10 10 1", "T2 110 10 2", "SENDERS:",
                                    "A 10 80 [drob[2][2]]", "B 110 80 [drob[4][2]]"});
    writeLines(kTaskFile + ".ANS", {"A=T1", "B=T2"});
    open();
    EXPECT_EQ(zad->Panel2->height(), 120);
    zad->Conteiner->ShowAnswers({"A=T1", "B=T2"});
    zad->btReadyClick();
    EXPECT_EQ(notes.last(), "ОТЛИЧНО!");
    EXPECT_EQ(readBytes(kUserFile + ".CNT"),
              cp1251Lines({"120 80 30 70 40", "TARGETS:", "T1 10 10 1", "T2 110 10 2", "SENDERS:",
                           "A 10 10 [drob[2][2]]", "B 110 10 [drob[4][2]]"}));
    zad->close();
    open();
    EXPECT_EQ(zad->Conteiner->CollectAnswers(), (QStringList{"A=0", "B=0"})); // values start at "0"
    EXPECT_EQ(zad->Conteiner->FindSender("A")->pos(), QPoint(10, 10));
}

TEST_F(TaskWindowTest, AltF4WritesTheGeometryIntoThePage)
{
    writePage(QStringList{"<TITLE>450/0/0/100</TITLE>"} + kFormPage);
    open();
    QTest::keyClick(zad->HTML, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(zad->isVisible());
    const QByteArray page = readBytes(kTaskFile + ".HTM");
    const QByteArray title = page.left(page.indexOf("\r\n"));
    EXPECT_TRUE(title.startsWith("<TITLE>450/")) << title.toStdString();
    EXPECT_TRUE(title.endsWith("</TITLE>"));
    EXPECT_EQ(page.count("<TITLE>"), 1);
    EXPECT_TRUE(page.endsWith(cp1251Lines(kFormPage)));
}

TEST_F(TaskWindowTest, UnsafeOrMissingTasksAreRefused)
{
    EXPECT_FALSE(zad->Open({kPupil, QStringLiteral("..\\USERS\\10000501\\x"), QStringLiteral("Упражнение :"), {}}));
    EXPECT_EQ(dialogs.lastMessage(), "Неверный код упражнения \"..\\USERS\\10000501\\x\"");
    EXPECT_FALSE(zad->Open({kPupil, kCode, QStringLiteral("Упражнение :"), {}}));
    EXPECT_EQ(dialogs.lastMessage(), "Не удается открыть файл \"ZADS\\A05\\012.HTM\"");
    EXPECT_FALSE(zad->isVisible());
}

TEST_F(TaskWindowTest, WithNobodyLoggedInTheWorkIsJudgedButKeptNowhere)
{
    logIn(QString(), false);
    App().userFolder.clear();
    writePage({"<FORM><INPUT NAME=x></FORM>"});
    writeLines(kTaskFile + ".ANS", {"x=5"});
    open(QString());
    answer({"x=5"});
    zad->btReadyClick();
    EXPECT_EQ(notes.last(), "ОТЛИЧНО!");
    EXPECT_FALSE(QFile::exists(real("USERS")));
}

TEST_F(TaskWindowTest, HintAndEscapeAndClosingTakeTheirWindowsAlong)
{
    const auto hintCalls = [this] { return shellCalls.calls.filter("hint"); };
    writePage(kFormPage);
    writeLines(kTaskFile + ".HLP", {"<p>Подсказка <FORMULA=[drob[1][2]]></p>"});
    writeLines("ZADS\\A05\\default.lab", {"6", "#", "folder"});
    labframe::RegisterLab(6, [] { return new TestLab(6); });
    QWidget main;
    ui::WindowStack::instance().push(&main);
    open();
    labframe::TfmLab* lab = labframe::CurrentLab();
    ASSERT_TRUE(lab);
    EXPECT_EQ(ui::WindowStack::instance().top(), lab);
    EXPECT_EQ(zad->VisibleTaskCode(), kCode);

    QTest::mouseClick(zad->btHelp, Qt::LeftButton);
    EXPECT_EQ(hintCalls(), QStringList{"hint ZADS\\A05\\012.HLP"});
    QTest::keyClick(zad->HTML, Qt::Key_Escape);
    EXPECT_FALSE(zad->isVisible());
    EXPECT_EQ(hintCalls().last(), "close hint");
    // The task's lab closed with it, by the way back of the window stack.
    EXPECT_FALSE(lab->isVisible());
    EXPECT_EQ(ui::WindowStack::instance().top(), &main);
    EXPECT_TRUE(zad->State().taskCode.isEmpty());
    EXPECT_TRUE(zad->VisibleTaskCode().isEmpty());
    // The topic page's font size reaches the page.
    zad->SetPageFontSize(14);
    EXPECT_EQ(zad->HTML->DefaultFontSize(), 14);
    ui::WindowStack::instance().clear();
}
