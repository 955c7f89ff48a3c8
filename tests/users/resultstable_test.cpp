// The results table: values of the cells, the exercise columns, the rows of
// the pupils, the grid window, and the XML export of all results.
#include "base/appstate.h"
#include "base/coursefiles.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "support/shellcallsrecorder.h"
#include "users/register.h"
#include "users/resultstable.h"
#include "users/tablewindow.h"
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

using namespace users;

TEST(ResultValues, FixedColumnsOrPiecesBetweenSpaces)
{
    ResultParts parts = SplitResultValue("2  3   250 07.03.2004");
    EXPECT_EQ(parts.verdict, "2");
    EXPECT_EQ(parts.attempts, "3");
    EXPECT_EQ(parts.seconds, "250");
    EXPECT_EQ(parts.date, "07.03.2004");
    // A hundred attempts fill their columns; they do not run into the verdict.
    parts = SplitResultValue("1100 12345 08.03.2004");
    EXPECT_EQ(parts.verdict, "1");
    EXPECT_EQ(parts.attempts, "100");
    EXPECT_EQ(parts.seconds, "12345");
    // A value typed by hand is split at its spaces.
    parts = SplitResultValue("0 2 61 01.09.2005");
    EXPECT_EQ(parts.verdict, "0");
    EXPECT_EQ(parts.attempts, "2");
    EXPECT_EQ(parts.seconds, "61");
    EXPECT_EQ(parts.date, "01.09.2005");
    EXPECT_EQ(SplitResultValue("x").verdict, "x");
}

TEST(ResultValues, MinutesRoundHalvesToTheEvenNumber)
{
    EXPECT_EQ(MinutesOf(250), 4);
    EXPECT_EQ(MinutesOf(90), 2);
    EXPECT_EQ(MinutesOf(150), 2);
    EXPECT_EQ(MinutesOf(210), 4);
    EXPECT_EQ(MinutesOf(30), 0);
    EXPECT_EQ(MinutesOf(29), 0);
    EXPECT_EQ(MinutesOf(31), 1);
    EXPECT_EQ(MinutesOf(0), 0);
}

TEST(ResultValues, CellShowsAttemptsOrMinutes)
{
    CellView cell = ViewCell("2  3   250 07.03.2004", true);
    EXPECT_TRUE(cell.hasValue);
    EXPECT_EQ(cell.verdict, u'2');
    EXPECT_EQ(cell.text, "3");
    EXPECT_EQ(ViewCell("2  3   250 07.03.2004", false).text, "4");
    EXPECT_FALSE(ViewCell("", true).hasValue);
    // A broken value still shows, without a number it cannot read.
    cell = ViewCell("1 zwei drei", false);
    EXPECT_TRUE(cell.hasValue);
    EXPECT_TRUE(cell.text.isEmpty());
}

TEST(ResultColumns, ExercisesAreNumberedAsTheTopicsPagesNumberThem)
{
    using N = ExerciseNumber;
    const QStringList codes{"D01\\0001", "D01\\021", "D01\\022", "D01\\023", "D01\\0010",
                            "D01\\T01",  "D01\\031", "D01\\04а", "D01\\04б"};
    EXPECT_EQ(NumberExercises(codes),
              (QList<N>{{1, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 0}, {0, 0}, {4, 1}, {5, 1}, {5, 2}}));
    // A page between two variants of one group ends the group.
    EXPECT_EQ(NumberExercises({"A\\011", "A\\T01", "A\\012"}), (QList<N>{{1, 1}, {0, 0}, {2, 1}}));
    EXPECT_EQ(ExerciseTitle("D01\\022", {2, 2}), "Упражнение №2, вариант 2 (D01\\022)");
    EXPECT_EQ(ExerciseTitle("D01\\0010", {3, 0}), "Упражнение №3 (D01\\0010)");
}

TEST(ResultColumns, OnlyCodesWhoseNameStartsWithADigit)
{
    EXPECT_EQ(ExerciseColumns("A05", "T01 011 012  0101 04а I01"),
              QStringList({"A05\\011", "A05\\012", "A05\\0101", "A05\\04а"}));
    // A lesson's codes are full codes already.
    EXPECT_EQ(ExerciseColumns("USER0001", "D01\\0101 A01\\T01 B02\\011"),
              QStringList({"D01\\0101", "B02\\011"}));
    EXPECT_TRUE(ExerciseColumns("A05", "").isEmpty());
}

namespace {

class ResultsTableTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("DATA\\users.txt", {"Пользователи", "\tПреподаватель", "\t\t27182818 Ольга Смирнова$euler",
                                       "\t5 А", "\t\t10000501 Алексей Иванов$1111",
                                       "\t\t10000502 Мария Кузнецова$2222", "\t\t27182818 Ольга Смирнова$euler",
                                       "\t6 Б", "\t\t10000601 Пётр Орлов$3333"});
        reg.LoadRegister();
    }
    void results(const QString& id, const QStringList& lines) { writeLines("USERS\\" + id + "\\results.txt", lines); }

    Register reg;
};

} // namespace

TEST_F(ResultsTableTest, PupilRowsReadTheirResultsLeniently)
{
    results("10000501", {"A05\\011=1  1    40 01.03.2004", "garbage without equals", "=0  1     1 01.03.2004",
                         "a05\\012=2  3   250 07.03.2004", "A05\\012=1  9     9 09.03.2004", "A05\\013="});
    const QStringList codes{"A05\\011", "A05\\012", "A05\\013", "A05\\014"};
    EXPECT_EQ(PupilRow("10000501", codes),
              QStringList({"1  1    40 01.03.2004", "2  3   250 07.03.2004", "", ""}));
    // No results file, or an identifier that names no single folder.
    EXPECT_EQ(PupilRow("10000502", codes), QStringList({"", "", "", ""}));
    writeLines("USERS\\results.txt", {"A05\\011=1  1    40 01.03.2004"});
    EXPECT_EQ(PupilRow("..", codes), QStringList({"", "", "", ""}));
    EXPECT_TRUE(PupilFolder("..\\x").isEmpty());
}

TEST_F(ResultsTableTest, ExportOfARegisterWithoutResultsHasOnlyTheFrame)
{
    const QStringList lines = ExportLines(reg, "/opt/orindo/");
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encoding=\"windows-1251\"?>");
    EXPECT_EQ(lines[10], "        <path value=\"/opt/orindo/TLMX.exe\"/>");
    EXPECT_EQ(lines[19], "<results>");
    EXPECT_EQ(lines[20], "</results>");
    EXPECT_EQ(lines[21], "</product>");
}

TEST_F(ResultsTableTest, ExportWritesEveryEntryExactlyAndWellFormed)
{
    results("10000501", {"A05\\011=1  1   125 07.03.2004", "A05\\012=0 12    61 08.03.2004"});
    results("10000601", {"A&B<\"7\">\\0'1=2  3   250 09.03.2004"});
    const QString file = real("export/TestFormat.XML");
    QDir().mkpath(real("export"));
    ASSERT_TRUE(ExportResults(reg, file).isEmpty());

    const QString folder = QDir::toNativeSeparators(base::ProgramFolder());
    auto entry = [](const QString& id, const QString& code, const QString& date, const QString& result) {
        return QStringList{
            "  <testresult id=\"" + code + "\">",
            "    <leanername id=\"" + id + "\"/>",
            "    <date>" + date + "</date>",
            "    <result>" + result + "</result>",
            "    <action handler=\"3A7F2C90-6B1E-4D52-9C48-1E0B7D5A6F23\">",
            "      <param name=\"KOD\" value=\"USERS\\" + code + ".ANS\" />",
            "      <param name=\"TIP\" value=\"3\" />",
            "    </action>",
            "  </testresult>",
        };
    };
    QStringList expected{
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>",
        "<product>",
        "<id>3A7F2C90-6B1E-4D52-9C48-1E0B7D5A6F23</id>",
        "  <classification />",
        "  <objects />",
        "  <handlers>",
        "    <handler uuid=\"3A7F2C90-6B1E-4D52-9C48-1E0B7D5A6F23\" name=\"ЛИРОКС: Школа. Просмотр библиотеки\">",
        "    <description>ЛИРОКС: Школа. Просмотр библиотеки</description>",
        "    <application>",
        "      <executable version=\"2.0\">",
        "        <path value=\"" + folder + "TLMX.exe\"/>",
        "      </executable>",
        "      <params>",
        "        <param value=\"${TIP}\"/>",
        "        <param value=\"${KOD}\"/>",
        "      </params>",
        "    </application>",
        "    </handler>",
        "  </handlers>",
        "<results>",
    };
    expected += entry("10000501", "A05\\011", "07.03.2004",
                      "Задача решена верно, сделано 1 попыток, затрачено 125 сек");
    expected += entry("10000501", "A05\\012", "08.03.2004",
                      "Задача нуждается в проверке, сделано 12 попыток, затрачено 61 сек");
    expected += entry("10000601", "A&amp;B&lt;&quot;7&quot;&gt;\\0&apos;1", "09.03.2004",
                      "Задача решена неверно, сделано 3 попыток, затрачено 250 сек");
    expected << "</results>" << "</product>";
    EXPECT_EQ(readBytes(file), cp1251Lines(expected));

    // An XML reader reads it back, the reserved characters included.
    QXmlStreamReader xml(readBytes(file));
    QStringList ids;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"testresult")
            ids << xml.attributes().value("id").toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(ids, QStringList({"A05\\011", "A05\\012", "A&B<\"7\">\\0'1"}));
}

TEST_F(ResultsTableTest, ControlCharactersNeverBreakTheExport)
{
    results("10000501", {QString("A05\\01") + QChar(1) + "=1  1   125 07.03.2004"});
    QXmlStreamReader xml(ExportLines(reg, "/p/").join("\r\n"));
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

TEST_F(ResultsTableTest, FailedExportSaysSoAndLeavesNoFile)
{
    results("10000501", {"A05\\011=1  1   125 07.03.2004"});
    // The target is a folder: nothing can be written there.
    QDir().mkpath(real("export/TestFormat.XML"));
    const QString message = ExportResults(reg, real("export/TestFormat.XML"));
    EXPECT_TRUE(message.startsWith("Не удается записать файл ")) << message.toStdString();
    EXPECT_TRUE(QFileInfo(real("export/TestFormat.XML")).isDir());
    EXPECT_TRUE(QDir(real("export")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// --- the window -------------------------------------------------------------------------------

namespace {

class TableWindowTest : public ResultsTableTest {
protected:
    void SetUp() override
    {
        ResultsTableTest::SetUp();
        writeLines("ZADS\\Contents.txt", {"Курс", "\tМатематика", "\t\tЧисла", "\t\t\tДроби",
                                          "\t\t\t\tA05 §5. Доли", "\t\t\t\tA06 §6. Проценты", "\t\tГеометрия",
                                          "\t\t\tФигуры", "\t\t\t\tC01 §1. Углы", "\tАлгебра", "\t\tУравнения",
                                          "\t\t\tЛинейные", "\t\t\t\tD01 §1. Линейные уравнения"});
        writeLines("ZADS\\A05\\HTM.CFG", {"T01", "I01", "T02 011 012 0101"});
        results("10000501", {"A05\\012=2  3   250 07.03.2004", "A05\\011=1  1    90 07.03.2004"});
        results("27182818", {"A05\\0101=0  1   150 07.03.2004"});
        base::App().currentUserName = "Ольга Смирнова";
    }
    void TearDown() override { ResultsTableTest::TearDown(); }
    QColor pixel(TfmTable& table, int column, int row)
    {
        const QImage image = table.Grid->grab().toImage();
        return image.pixelColor(table.Grid->cellRect(column, row).bottomRight() - QPoint(1, 1));
    }
    FakeDialogs dialogs;
};

} // namespace

TEST_F(TableWindowTest, ChoicesFillTheGridOfTheClassAndTopic)
{
    TfmTable table(reg);
    // Sections in tree order, whatever their count per group.
    ASSERT_EQ(table.ComboBox0->count(), 3);
    EXPECT_EQ(table.ComboBox0->itemText(2), "Уравнения");
    EXPECT_EQ(table.ComboBox1->itemText(1), "Проценты");
    EXPECT_EQ(table.topicCodes(), QStringList({"A05", "A06"}));
    EXPECT_EQ(table.ComboBox2->count(), 3);

    table.ComboBox2->setCurrentIndex(1);
    table.ComboBox2Change(1);
    const ResultsGrid& grid = table.grid();
    EXPECT_EQ(grid.codes, QStringList({"A05\\011", "A05\\012", "A05\\0101"}));
    // Columns carry the numbers of the exercises page; the tip names the exercise.
    EXPECT_EQ(grid.number(1), 1);
    EXPECT_EQ(grid.number(2), 1);
    EXPECT_EQ(grid.number(3), 2);
    EXPECT_EQ(grid.title(2), "Упражнение №1, вариант 2 (A05\\012)");
    EXPECT_TRUE(grid.title(4).isEmpty());
    EXPECT_EQ(grid.names, QStringList({"Алексей Иванов", "Мария Кузнецова", "Ольга Смирнова"}));
    EXPECT_EQ(grid.value(2, 1), "2  3   250 07.03.2004");
    EXPECT_EQ(grid.value(3, 3), "0  1   150 07.03.2004");
    EXPECT_TRUE(grid.value(1, 2).isEmpty());

    // A new attempt shows at the next tick.
    results("10000502", {"A05\\011=1  2    30 08.03.2004"});
    table.Timer1Timer();
    EXPECT_EQ(table.grid().value(1, 2), "1  2    30 08.03.2004");

    table.ComboBox0Change(2);
    EXPECT_EQ(table.topicCodes(), QStringList({"D01"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TableWindowTest, CellsAreColouredByVerdictAndTheOwnNameIsRed)
{
    TfmTable table(reg);
    table.ComboBox2Change(1);
    table.Grid->resize(table.Grid->size());
    EXPECT_EQ(pixel(table, 2, 1), QColor(255, 0, 0));
    EXPECT_EQ(pixel(table, 1, 1), QColor(0, 255, 0));
    EXPECT_EQ(pixel(table, 3, 3), QColor(255, 255, 0));
    EXPECT_EQ(pixel(table, 1, 2), QColor(Qt::white));
    EXPECT_EQ(pixel(table, 1, 0), QColor(255, 231, 150));

    auto redPixels = [&](int row) {
        const QImage image = table.Grid->grab(table.Grid->cellRect(0, row)).toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++count;
            }
        return count;
    };
    EXPECT_GT(redPixels(3), 10);
    EXPECT_EQ(redPixels(1), 0);
}

TEST_F(TableWindowTest, CellPressOpensThePupilsWorkWithItsVerdict)
{
    TfmTable table(reg);
    table.ComboBox2Change(1);
    ShellCallsRecorder shellCalls;
    const QList<shellcalls::TaskOpening>& openings = shellCalls.openings;

    QTest::mouseClick(table.Grid, Qt::LeftButton, {}, table.Grid->cellRect(2, 1).center());
    ASSERT_EQ(openings.size(), 1);
    EXPECT_EQ(openings[0].userId, "10000501");
    EXPECT_EQ(openings[0].taskCode, "A05\\012");
    EXPECT_EQ(openings[0].caption, "Упражнение №1"); // the second variant of exercise 1
    EXPECT_EQ(openings[0].pressedVerdict, "2");
    EXPECT_EQ(table.Grid->focusedCell(), QPoint(2, 1));

    // Empty cells, header cells and the lines between cells open nothing.
    QTest::mouseClick(table.Grid, Qt::LeftButton, {}, table.Grid->cellRect(1, 2).center());
    QTest::mouseClick(table.Grid, Qt::LeftButton, {}, table.Grid->cellRect(0, 1).center());
    QTest::mouseClick(table.Grid, Qt::LeftButton, {}, table.Grid->cellRect(3, 0).center());
    QTest::mouseClick(table.Grid, Qt::LeftButton, {}, table.Grid->cellRect(1, 1).topLeft() - QPoint(1, 1));
    EXPECT_EQ(openings.size(), 1);

    table.GridCellPressed(3, 3);
    ASSERT_EQ(openings.size(), 2);
    EXPECT_TRUE(openings[1].pressedVerdict.isEmpty()); // "0": neither button
    EXPECT_EQ(openings[1].userId, "27182818");
}

TEST_F(TableWindowTest, MissingPageListIsReportedOnceNotEverySecond)
{
    TfmTable table(reg);
    table.ComboBox1->setCurrentIndex(1); // A06 has no page list
    table.ComboBox1Change(1);
    table.Timer1Timer();
    table.Timer1Timer();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.lastMessage().contains("A06"));
    EXPECT_TRUE(table.grid().codes.isEmpty());
}

TEST_F(TableWindowTest, ExportButtonWritesTheChosenFile)
{
    ShellCallsRecorder shellCalls;
    const QStringList& notes = shellCalls.notes;
    TfmTable table(reg);
    table.SpeedButton1Click(); // cancelled
    ASSERT_EQ(dialogs.fileFilters, QStringList{"Результаты в формате XML|*.XML"});
    EXPECT_TRUE(dialogs.fileFolders[0].endsWith("TestFormat"));

    dialogs.files.push_back(real("out.XML"));
    QTest::mouseClick(table.SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(readBytes("out.XML"), cp1251Lines(ExportLines(reg, QDir::toNativeSeparators(base::ProgramFolder()))));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(notes, QStringList{ExportSavedNote(real("out.XML"))});
    EXPECT_TRUE(notes.value(0).startsWith("Результаты сохранены в файл "));
}

TEST_F(TableWindowTest, ShowingThePanelReportsAMissingContentsAndTakesNewClasses)
{
    QFile::remove(real("ZADS\\Contents.txt"));
    TfmTable table(reg);
    EXPECT_TRUE(dialogs.messages.isEmpty()); // created at login, not yet shown
    table.ShowPanel();
    // (The header picture is missing too and said in a message of its own.)
    const auto aboutContents = [&] {
        return std::count_if(dialogs.messages.begin(), dialogs.messages.end(),
                             [](const FakeDialogs::Shown& m) { return m.text.contains("Contents.txt"); });
    };
    EXPECT_EQ(aboutContents(), 1);
    EXPECT_EQ(table.ComboBox0->count(), 0);

    table.ComboBox2->setCurrentIndex(2);
    table.ComboBox2Change(2);
    reg.AddClass("7 В");
    table.ShowPanel();
    EXPECT_EQ(table.ComboBox2->count(), 4);
    EXPECT_EQ(table.ComboBox2->currentText(), "6 Б");
    EXPECT_EQ(table.grid().names, QStringList{"Пётр Орлов"});
}
