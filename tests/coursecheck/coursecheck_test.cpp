// Small courses with one fault each: the checker reports exactly that fault,
// at its file and line; the clean course gives no line at all.
#include "coursecheck/check/coursecheck.h"
#include "coursecheck/printing.h"
#include "labframe/file/labformats.h"
#include "labs/formats/labformats.h"
#include "support/testsupport.h"
#include <QDir>
#include <QFile>

using coursecheck::CheckCourse;

namespace {

const QStringList kLab16Scene{
    "16", "btClear=10", "btLoad=10", "btSave=10", "btExample=10", "bt1=11", "bt2=10", "bt3=10", "bt4=10",
    "Panel4=1200 36", "Panel3=1200 26", "ComboColor=4", "Panel5=1200 36", "btDo=10", "btStart=10",
    "btPause=10", "btStop=10", "Panel2=1200 390", "pIshody=716 386", "ComboBox1=0", "btScale1=10",
    "btScale2=10", "btScale3=10", "btScale4=10", "PEvents=478 386", "btAdd=10", "btDel=10", "TimeMash=0",
    "#", "1 2 2 0", " 0 0", " 1 2 3"};

// The page of task 0101: a text field, a formula field, radio buttons, a
// check box expected unticked, and a group of two fields.
const QStringList kTaskPage{
    "<P>Решите уравнение <FORMULA=[drob[x][2]]>=3.",
    "<FORM>",
    "x = <INPUT TYPE=TEXT NAME=x SIZE=5>",
    "<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"\">",
    "<INPUT TYPE=RADIO NAME=r VALUE=1>1 <INPUT TYPE=RADIO NAME=r VALUE=2>2",
    "<INPUT TYPE=CHECKBOX NAME=c VALUE=\"ю\">лишнее",
    "<INPUT TYPE=TEXT NAME=G1_> <INPUT TYPE=TEXT NAME=G2_>",
    "</FORM>"};
const QStringList kTaskAnswers{"x=6", "F1=[drob[x][3]]", "r=2", "G*=2 3"};

class CourseCheckTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("ZADS\\Contents.txt", {"Курс", "\tГруппа", "\t\tРаздел", "\t\t\tГлава", "\t\t\t\tA01 §1. Тема"});
        writeLines("ZADS\\Regims.txt", {"Теория", "Инструменты", "Упражнения"});
        writeLines("ZADS\\LESS00.TXT", {"USER0001 Урок"});
        writeLines("ZADS\\00000000\\USER0001.CFG", {" A01\\T01", "", " A01\\0101"});
        QDir().mkpath(real("ZADS\\00000001"));
        writeLines("ZADS\\A01\\HTM.CFG", {"T01", "I01", "0101 021 022"});
        writeLines("ZADS\\A01\\T01.HTM", {"<P>Половина: <FORMULA=[drob[1][2]]>.",
                                          "<P><IMG SRC=\"..\\..\\PIC\\half.gif\"> <A HREF=\"SPR:coins\">Опыт</A>"});
        writeBytes("PIC\\half.gif", "GIF89a");
        writeLines("ZADS\\A01\\I01.HTM", {"<P><A HREF=\"ZAD:A01\\0101 1\">Задача</A>"});
        writeLines("ZADS\\A01\\0101.HTM", kTaskPage);
        writeLines("ZADS\\A01\\0101.ANS", kTaskAnswers);
        writeLines("ZADS\\A01\\021.HTM", {"<COMMON>", "<P>Сколько будет", "</COMMON>", "2+2?", "<FORM>",
                                          "<INPUT TYPE=TEXT NAME=a>", "</FORM>"});
        writeLines("ZADS\\A01\\021.ANS", {"a=4"});
        writeLines("ZADS\\A01\\022.HTM", {"<COMMON>", "<P>Сколько будет", "</COMMON>", "Разложите карточки."});
        writeLines("ZADS\\A01\\022.CNT", {"100 80 30 60 40", "TARGETS:", "T1 10 10 [drob[1][2]]", "T2 100 10 1",
                                          "SENDERS:", "A 10 60 0,5", "B 100 60 [powr[x][0]]"});
        writeLines("ZADS\\A01\\022.ANS", {"A=T1", "B=T2"});
        writeLines("RIS\\coins.LAB", kLab16Scene);
        writeLines("LABS\\LAB16\\examples.txt", {"Две монеты"});
        writeLines("LABS\\LAB16\\0.LAB", kLab16Scene);
        // The lab shows the page of its model.
        for (int model = 1; model <= 4; ++model)
            writeLines(QString("LABS\\LAB16\\Model%1.htm").arg(model), {"<P>Модель"});
    }

    QStringList check() { return CheckCourse().Lines(); }
};

TEST_F(CourseCheckTest, CleanCourseHasNoProblems)
{
    EXPECT_EQ(check(), QStringList());
    EXPECT_TRUE(coursecheck::IsProgramFolder(real("")));
}

TEST_F(CourseCheckTest, NotAProgramFolderWithoutTheCourseFolder)
{
    QDir(real("ZADS")).removeRecursively();
    EXPECT_FALSE(coursecheck::IsProgramFolder(real("")));
}

TEST_F(CourseCheckTest, TreesThatDoNotRead)
{
    writeLines("ZADS\\Contents.txt", {"Курс", "\tГруппа", "\t\tРаздел", "\t\t\t\t\tA01 §1. Тема"});
    EXPECT_EQ(check(), QStringList{"ZADS\\Contents.txt:4: дерево не читается: Invalid level (5) for item \"A01 §1. Тема\""});

    SetUp();
    writeLines("ZADS\\Regims.txt", {"Теория", "Инструменты"});
    EXPECT_EQ(check(), QStringList{"ZADS\\Regims.txt:0: нужны три группы урока (теория, инструменты, упражнения), а их 2"});
}

TEST_F(CourseCheckTest, SectionWithoutLessonsList)
{
    QFile::remove(real("ZADS\\LESS00.TXT"));
    EXPECT_EQ(check(), QStringList{"ZADS\\Contents.txt:3: у раздела «Раздел» нет списка уроков ZADS\\LESS00.TXT"});
}

TEST_F(CourseCheckTest, LessonWithoutItsPageList)
{
    writeLines("ZADS\\LESS00.TXT", {"USER0001 Урок", "USER0002 Второй урок"});
    EXPECT_EQ(check(), QStringList{"ZADS\\LESS00.TXT:2: нет файла урока ZADS\\00000000\\USER0002.CFG"});
}

TEST_F(CourseCheckTest, TopicPageLists)
{
    QFile::remove(real("ZADS\\A01\\HTM.CFG"));
    EXPECT_EQ(check(), QStringList{"ZADS\\Contents.txt:5: у темы A01 нет файла ZADS\\A01\\HTM.CFG"});

    SetUp();
    writeLines("ZADS\\A01\\HTM.CFG", {"T01", "I01"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\HTM.CFG:2: в списке страниц 2 строк(и), нужны три: теория, инструменты, упражнения"});
}

TEST_F(CourseCheckTest, PageCodeWithoutPageFile)
{
    writeLines("ZADS\\A01\\HTM.CFG", {"T01 T02", "I01", "0101 021 022"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\HTM.CFG:1: нет страницы ZADS\\A01\\T02.HTM (код T02)"});
}

TEST_F(CourseCheckTest, VariantWithoutItsCommonEnd)
{
    writeLines("ZADS\\A01\\021.HTM", {"<P>Сколько будет 2+2?", "<FORM>", "<INPUT TYPE=TEXT NAME=a>", "</FORM>"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\021.HTM:0: в варианте упражнения нет строки </COMMON>: ссылки на задачу не будет"});
}

TEST_F(CourseCheckTest, ExpectedNameWithoutField)
{
    writeLines("ZADS\\A01\\0101.ANS", kTaskAnswers + QStringList{"y=3"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.ANS:5: на странице нет поля «y»"});
}

TEST_F(CourseCheckTest, AnswerFileThatJudgesNothing)
{
    writeLines("ZADS\\A01\\021.ANS", {"", " "});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\021.ANS:0: в файле ответов нет ни одной строки: любой ответ будет засчитан"});
}

TEST_F(CourseCheckTest, FieldThatIsNeverJudged)
{
    QStringList page = kTaskPage;
    page.insert(3, "y = <INPUT TYPE=TEXT NAME=y>");
    writeLines("ZADS\\A01\\0101.HTM", page);
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.HTM:4: поле «y» не проверяется: в ZADS\\A01\\0101.ANS нет строки для него"});

    SetUp();
    page = kTaskPage;
    page.insert(3, "y = <INPUT TYPE=TEXT>");
    writeLines("ZADS\\A01\\0101.HTM", page);
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.HTM:0: на странице есть поле без имени (NAME=): его не проверить"});
}

TEST_F(CourseCheckTest, GroupWithTooFewAnswersAndFormulaFieldThatIsNotHidden)
{
    writeLines("ZADS\\A01\\0101.ANS", {"x=6", "F1=[drob[x][3]]", "r=2", "G*=2"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.ANS:4: группа «G*»: полей 2, а ответов 1"});

    SetUp();
    QStringList page = kTaskPage;
    page[3] = "<INPUT TYPE=TEXT NAME=F1>";
    writeLines("ZADS\\A01\\0101.HTM", page);
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.HTM:4: поле формулы «F1» должно быть скрытым: TYPE=HIDDEN и NAME= в одной строке"});
}

TEST_F(CourseCheckTest, NotationThatChangesOnReadingBack)
{
    writeLines("ZADS\\A01\\T01.HTM", {"<P>Корень: <FORMULA=[sqrt[x]]>."});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\T01.HTM:1: формула [sqrt[x]] читается иначе: [sqrt[x][]]"});

    SetUp();
    writeLines("ZADS\\A01\\022.CNT", {"100 80 30 60 40", "TARGETS:", "T1 10 10 [drob[1][2]", "T2 100 10 1",
                                      "SENDERS:", "A 10 60 0,5", "B 100 60 1"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\022.CNT:3: формула [drob[1][2] читается иначе: []"});
}

TEST_F(CourseCheckTest, ExpectedFormulaThatNeverEvaluates)
{
    writeLines("ZADS\\A01\\0101.ANS", {"x=6", "F1=[drob[1][x-x]]", "r=2", "G*=2 3"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.ANS:2: ответ-формула [drob[1][x-x]] не вычисляется ни в одной из 100 "
                                   "случайных точек (NotInODZ): ответ ученика с ней не сравнить"});

    // An answer that does not even read back is told as that, once.
    SetUp();
    writeLines("ZADS\\A01\\0101.ANS", {"x=6", "F1=[drob[x][3]", "r=2", "G*=2 3"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.ANS:2: формула [drob[x][3] читается иначе: []"});
}

TEST_F(CourseCheckTest, OwnAnswersJudgedWrong)
{
    // The radio buttons offer 1 and 2 only.
    writeLines("ZADS\\A01\\0101.ANS", {"x=6", "F1=[drob[x][3]]", "r=3", "G*=2 3"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.ANS:3: правильные ответы задачи получают оценку 2 вместо 1: неверно «r»"});

    // A check box without a value reports "on", never the ticked box "ю".
    SetUp();
    QStringList page = kTaskPage;
    page[5] = "<INPUT TYPE=CHECKBOX NAME=c>лишнее";
    writeLines("ZADS\\A01\\0101.HTM", page);
    writeLines("ZADS\\A01\\0101.ANS", kTaskAnswers + QStringList{"c=ю"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\0101.ANS:5: правильные ответы задачи получают оценку 2 вместо 1: неверно «c»"});
}

TEST_F(CourseCheckTest, FreeAnswersAndAreasGiveTheirVerdicts)
{
    // A free answer makes the right verdict 0, which is no problem.
    writeLines("ZADS\\A01\\021.HTM", {"<COMMON>", "<P>Сколько будет", "</COMMON>", "2+2?", "<FORM>",
                                      "<INPUT TYPE=TEXT NAME=a>", "<TEXTAREA NAME=comment_></TEXTAREA>", "</FORM>"});
    writeLines("ZADS\\A01\\021.ANS", {"a=4", "comment_="});
    EXPECT_EQ(check(), QStringList());

    // A card expected on a place the area does not have.
    writeLines("ZADS\\A01\\022.ANS", {"A=T1", "B=T3"});
    EXPECT_EQ(check(), QStringList{"ZADS\\A01\\022.ANS:2: нет места «T3» в ZADS\\A01\\022.CNT"});
}

TEST_F(CourseCheckTest, LabFilesTheLabFrameRefuses)
{
    QStringList broken = kLab16Scene;
    broken[0] = "16x";
    writeLines("RIS\\coins.LAB", broken);
    const QStringList lines = check();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("RIS\\coins.LAB:1: ")) << lines[0].toStdString();

    SetUp();
    writeLines("LABS\\LAB17\\examples.txt", {"Рост учеников класса"});
    writeLines("ZADS\\A01\\default.lab", {"99"});
    EXPECT_EQ(check(), (QStringList{"LABS\\LAB17\\examples.txt:1: у примера «Рост учеников класса» нет файла LABS\\LAB17\\0.LAB",
                                    "ZADS\\A01\\default.lab:1: нет лаборатории с номером 99"}));
}

TEST_F(CourseCheckTest, BrokenLinks)
{
    writeLines("ZADS\\A01\\T01.HTM", {"<P><IMG SRC=\"..\\..\\PIC\\none.gif\">", "<A HREF=\"SPR:dice\">Опыт</A>",
                                      "<A HREF=\"Lab16\\Intro.htm\">Справка</A> <A HREF=\"https://example.org\">Сайт</A>",
                                      "<A HREF=\"..\\..\\..\\outside.htm\">Вне</A>"});
    EXPECT_EQ(check(), (QStringList{"ZADS\\A01\\T01.HTM:1: ссылка ..\\..\\PIC\\none.gif: нет файла PIC\\none.gif",
                                    "ZADS\\A01\\T01.HTM:2: ссылка SPR:dice: нет файла RIS\\dice.LAB",
                                    "ZADS\\A01\\T01.HTM:3: ссылка Lab16\\Intro.htm: нет файла HELP\\Lab16\\Intro.htm",
                                    "ZADS\\A01\\T01.HTM:4: ссылка ..\\..\\..\\outside.htm ведет за папку программы"}));
}

TEST_F(CourseCheckTest, TasksOpenedByLinksAreCheckedToo)
{
    writeLines("ZADS\\A01\\I01.HTM", {"<P><A HREF=\"ZAD:A01\\extra 1\">Задача</A>"});
    writeLines("ZADS\\A01\\extra.HTM", {"<FORM>", "<INPUT TYPE=TEXT NAME=a>", "</FORM>"});
    writeLines("ZADS\\A01\\extra.ANS", {"b=1"});
    EXPECT_EQ(check(), (QStringList{"ZADS\\A01\\extra.ANS:1: на странице нет поля «b»",
                                    "ZADS\\A01\\extra.HTM:2: поле «a» не проверяется: в ZADS\\A01\\extra.ANS нет строки для него"}));
}

TEST_F(CourseCheckTest, HintsAreCheckedForFormulasAndLinks)
{
    writeLines("ZADS\\A01\\0101.HLP", {"<P>Умножьте обе части на 2: <FORMULA=[sqrt[x]]>", "<IMG SRC=\"..\\A01\\none.gif\">"});
    EXPECT_EQ(check(), (QStringList{"ZADS\\A01\\0101.HLP:1: формула [sqrt[x]] читается иначе: [sqrt[x][]]",
                                    "ZADS\\A01\\0101.HLP:2: ссылка ..\\A01\\none.gif: нет файла ZADS\\A01\\none.gif"}));
}

TEST_F(CourseCheckTest, TaskPageLinksResolveFromTheTaskFolder)
{
    // Shown in the task window only (after <FORM>): relative to ZADS\00000000\.
    writeLines("ZADS\\00000001\\pic.gif", {"GIF89a"});
    QStringList page = kTaskPage;
    page.insert(2, "<IMG SRC=\"pic.gif\"> <A HREF=\"FE:F2\">формула</A>");
    writeLines("ZADS\\A01\\0101.HTM", page);
    EXPECT_EQ(check(), (QStringList{"ZADS\\A01\\0101.HTM:3: ссылка pic.gif: нет файла ZADS\\00000000\\pic.gif",
                                    "ZADS\\A01\\0101.HTM:3: ссылка FE:F2: на странице нет скрытого поля формулы F2"}));
}

TEST_F(CourseCheckTest, PlaneScenesOfExamplesAndTasksAreReadByTheEngine)
{
    labformats::RegisterLabFormats();
    const bool planimetry = labframe::FindLabFormat(4) != nullptr;
    labframe::ReleaseLabFormats();
    if (!planimetry) GTEST_SKIP() << "the planimetry lab's format is not registered in this program";

    // A triangle with a median to the midpoint of its side; the window part
    // ends on line 2, the plane section starts on line 3.
    const QStringList scene{"4", "#", "30 0 0",
                            "TPoint: -2.00000000000000E+0000 -1.00000000000000E+0000 TRUE A",
                            "TPoint:  3.00000000000000E+0000 -1.00000000000000E+0000 TRUE B",
                            "TPoint:  0.00000000000000E+0000  3.00000000000000E+0000 TRUE C",
                            "TSegment: TRUE 0 0 1", "TSegment: TRUE 0 1 2", "TSegment: TRUE 0 2 0",
                            "TPoint:  1.50000000000000E+0000  1.00000000000000E+0000 TRUE M",
                            "Morphing: 3 2 3 1  5.00000000000000E-0001",
                            "TSegment: TRUE 255 0 3"};
    writeLines("LABS\\LAB4\\examples.txt", {"Медиана треугольника"});
    writeLines("LABS\\LAB4\\0.LAB", scene);
    writeLines("ZADS\\A01\\0101.LAB", scene);
    EXPECT_EQ(check(), QStringList());

    // A median to a point that is not there, and a midpoint that follows itself.
    QStringList noPoint = scene;
    noPoint.last() = "TSegment: TRUE 255 0 7";
    writeLines("LABS\\LAB4\\0.LAB", noPoint);
    QStringList cycle = scene;
    cycle[10] = "Morphing: 3 3 3 1  5.00000000000000E-0001";
    writeLines("ZADS\\A01\\0101.LAB", cycle);
    const QStringList lines = check();
    ASSERT_EQ(lines.size(), 2) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines[0].startsWith("LABS\\LAB4\\0.LAB:")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("лаборатория 4 не принимает файл"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("нет точки с номером 7"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("ZADS\\A01\\0101.LAB:")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("сама от себя"))) << lines[1].toStdString();
}

TEST_F(CourseCheckTest, LinesThatTheCoordinateLineAnswersMustNameThePointsOfTheTasksScene)
{
    labformats::RegisterLabFormats();
    const bool coordinateLine = labframe::FindLabFormat(2) != nullptr;
    labframe::ReleaseLabFormats();
    if (!coordinateLine) GTEST_SKIP() << "the coordinate line lab's format is not registered in this program";

    writeLines("ZADS\\A01\\021.LAB", {"2", "#", "40 0",
                                      "TPoint: -1.50000000000000E+0000  1.50000000000000E+0000 TRUE TRUE [drob[1][3]] A",
                                      "TPoint:  0.00000000000000E+0000  1.50000000000000E+0000 TRUE TRUE [drob[1][0]] B"});
    writeLines("ZADS\\A01\\021.ANS", {"a=4", "lab1=[drob[1][3]]"});
    EXPECT_EQ(check(), QStringList());

    writeLines("ZADS\\A01\\021.ANS", {"a=4", "LAB1=[drob[2][3]]", "LAB2=[drob[1][0]]", "LAB3=[1]", "LAB1x=1"});
    EXPECT_EQ(check(), (QStringList{"ZADS\\A01\\021.ANS:2: «LAB1»: у точки 1 формула [drob[1][3]], а не [drob[2][3]]",
                                    "ZADS\\A01\\021.ANS:3: «LAB2»: формула [drob[1][0]] точки 2 не имеет значения",
                                    "ZADS\\A01\\021.ANS:4: «LAB3»: в сцене задачи нет точки 3 (точек 2)",
                                    "ZADS\\A01\\021.ANS:5: на странице нет поля «LAB1x»"}));
}

TEST_F(CourseCheckTest, GraphScenesAreReadByTheEngineWithTheirLines)
{
    const QString domain = QStringLiteral(" -2.14748364700000E+0009  2.14748364700000E+0009 ");
    const QStringList scene{"3", "#", "40 0 0 k=2", "TFunctionFormula: =255" + domain + "[k*x]",
                            "TDerivative: =0" + domain + "0 8  1.00000000000000E+0000"};
    writeLines("LABS\\LAB3\\examples.txt", {"Прямая и ее производная"});
    writeLines("LABS\\LAB3\\0.LAB", scene);
    EXPECT_EQ(check(), QStringList());

    // A derived graph of a graph that comes after it (a cycle, read from a file).
    QStringList later = scene;
    later.last() = "TDerivative: =0" + domain + "1 8  1.00000000000000E+0000";
    writeLines("LABS\\LAB3\\0.LAB", later);
    const QStringList lines = check();
    ASSERT_EQ(lines.size(), 1) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines[0].startsWith("LABS\\LAB3\\0.LAB:5: ")) << lines[0].toStdString();
}

TEST_F(CourseCheckTest, TrigonometryStartSceneAndTwoPlaneFilesAreChecked)
{
    labformats::RegisterLabFormats();
    const bool trigonometry = labframe::FindLabFormat(5) != nullptr;
    labframe::ReleaseLabFormats();
    if (!trigonometry) GTEST_SKIP() << "the trigonometry lab's format is not registered in this program";

    const QStringList circle{"140 0 0", "TPoint:  1.00000000000000E+0000  0.00000000000000E+0000 TRUE P"};
    const QStringList graph{"40 0 0", "TEquation: <255 [x*x+y*y-9]"};
    writeLines("LABS\\LAB5\\examples.txt", {"Угол"});
    writeLines("LABS\\LAB5\\0.LAB", QStringList{"5", "#"} + circle + QStringList{""} + graph);
    // Without its start scene the lab opens unlinked: the course is told.
    EXPECT_EQ(check(), QStringList{"LABS\\LAB5\\:0: нет начальной сцены лаборатории 5: LABS\\LAB5\\Clear.lab"});

    // A start scene without the graph plane, and an equation record without a formula.
    writeLines("LABS\\LAB5\\Clear.lab", QStringList{"5", "#"} + circle);
    writeLines("LABS\\LAB5\\0.LAB", QStringList{"5", "#"} + circle + QStringList{"", "40 0 0", "TEquation: <255"});
    const QStringList lines = check();
    ASSERT_EQ(lines.size(), 2) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines[0].startsWith("LABS\\LAB5\\0.LAB:7: ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("LABS\\LAB5\\Clear.lab:")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("нет второй плоскости"))) << lines[1].toStdString();
}

} // namespace

TEST_F(CourseCheckTest, ProgramExamplesAreReadAsTheProgrammingLabReadsThem)
{
    writeLines("ZADS\\Programs.txt", {"Примеры", "\tДелимость", "\t\tGCD Наибольший общий делитель", "\t\tLCM НОК"});
    writeBytes("ZADS\\GCD.PAS", "program GCD;\r\nbegin end.\r\n");
    EXPECT_EQ(check(), QStringList{"ZADS\\Programs.txt:4: у примера «НОК» нет файла ZADS\\LCM.PAS"});

    writeLines("ZADS\\Programs.txt", {"Примеры", "\tДелимость", "\t\tGCD Наибольший общий делитель", "\t\t..\\x Чужой"});
    EXPECT_EQ(check(), QStringList{"ZADS\\Programs.txt:4: \"..\\x\" не годится в имя примера (буквы, цифры, \"_\", \"-\")"});
}
