#include "probability/laplas.h"
#include "base/apperror.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "support/testsupport.h"

using namespace probability;

namespace {

class LaplasRecordsTest : public ProgramFolderTest {
protected:
    // Writes the section as a lab file's tail is written and reads it back.
    QStringList throughFile(const QStringList& lines)
    {
        EXPECT_TRUE(base::WriteLines(real("model.LAB"), lines));
        return base::ReadLines(real("model.LAB"));
    }

    QString loadError(const QStringList& lines)
    {
        TLaplas lab;
        try {
            lab.LoadModel(lines);
        } catch (const base::AppError& error) {
            // The engine stays usable whatever the file held.
            lab.RunOne();
            lab.SaveModel();
            return error.message();
        }
        return {};
    }
};

} // namespace

TEST_F(LaplasRecordsTest, SectionIsWrittenByteForByte)
{
    TLaplas lab;
    const int colours[] = {2, 2, 5, 5};
    for (int e = 1; e <= 4; ++e) lab.SetBallColor(e, colours[e - 1]);
    lab.SetModel(kBallsWithoutReplacement, 4, 3, 2);
    lab.AddEvent();
    lab.Grid1MouseDown(0);
    lab.Grid1MouseDown(2);
    lab.AddEvent(); // an event without rows
    ASSERT_TRUE(base::WriteLines(real("model.LAB"), lab.SaveModel()));
    EXPECT_EQ(readBytes("model.LAB"), QByteArray("4 4 2 3\r\n 2 2 5 5\r\n 1 3\r\n\r\n"));
}

TEST_F(LaplasRecordsTest, RoundTripKeepsModelColoursAndEvents)
{
    TLaplas lab;
    for (int e = 1; e <= 12; ++e) lab.SetBallColor(e, e % 10);
    lab.SetModel(kBallsWithReplacement, 12, 0, 3);
    for (int e = 0; e < 5; ++e) {
        lab.AddEvent();
        for (int r = e; r < 1000; r += 97 + e) lab.Grid1MouseDown(r);
    }
    lab.Grid1MouseDown(999);
    for (int i = 0; i < 50; ++i) lab.RunOne();
    const QStringList saved = lab.SaveModel();

    TLaplas copy;
    copy.LoadModel(throughFile(saved));
    EXPECT_EQ(copy.SaveModel(), saved);
    EXPECT_EQ(copy.ModelKind(), kBallsWithReplacement);
    EXPECT_EQ(copy.View(), 0);
    EXPECT_EQ(copy.BallColor(12), 2);
    ASSERT_EQ(copy.EventCount(), 5);
    for (int e = 0; e < 5; ++e) {
        EXPECT_DOUBLE_EQ(copy.Event(e).Probability, lab.Event(e).Probability);
        EXPECT_EQ(copy.Event(e).Hits, 0);
    }
    EXPECT_EQ(copy.ExperimentCount(), 0);
}

TEST_F(LaplasRecordsTest, ColoursNotYetAppliedAreNotSaved)
{
    // Events name rows of the tables as built; a recolouring that waits for
    // the next model would give them other rows after loading.
    TLaplas lab;
    for (int e = 1; e <= 4; ++e) lab.SetBallColor(e, e <= 2 ? 2 : 5);
    lab.SetModel(kBallsWithoutReplacement, 4, 3, 2);
    lab.AddEvent();
    lab.Grid1MouseDown(2); // [blue, blue]
    lab.SetBallColor(4, 2);
    const QStringList saved = lab.SaveModel();
    EXPECT_EQ(saved[1], " 2 2 5 5");
    TLaplas copy;
    copy.LoadModel(saved);
    EXPECT_NEAR(copy.Event(0).Probability, 1.0 / 6, 1e-15);
}

TEST_F(LaplasRecordsTest, LoadingReadsWhatOtherWritersMayProduce)
{
    TLaplas lab;
    // Extra numbers after the four, tabs, blanks at the ends, fewer colours than balls.
    lab.LoadModel({"2 6 2 1 99", "\t1  2 ", " 1 21 ", ""});
    EXPECT_EQ(lab.ModelKind(), kDice);
    EXPECT_EQ(lab.DrawCount(), 2);
    EXPECT_EQ(lab.BallColor(2), 2);
    ASSERT_EQ(lab.EventCount(), 2);
    EXPECT_NEAR(lab.Event(0).Probability, 2.0 / 36, 1e-15);
    EXPECT_EQ(lab.SelectedEvent(), 1);
    // No colour line at all, and k above n for balls without replacement.
    lab.LoadModel({"4 3 5 0"});
    EXPECT_EQ(lab.DrawCount(), 3);
    EXPECT_EQ(lab.EventCount(), 0);
}

TEST_F(LaplasRecordsTest, MalformedRecordsAreReported)
{
    const struct {
        QStringList lines;
        QString fragment;
    } cases[] = {
        {{}, "нет строки с параметрами модели"},
        {{"1 2 3"}, "меньше четырёх чисел"},
        {{"1 2 x 1"}, "\"x\" не является целым числом"},
        {{"1 2 3 99999999999"}, "\"99999999999\" не является целым числом"},
        {{"7 2 3 1"}, "вид модели 7 вне диапазона 0 … 4"},
        {{"1 0 3 1"}, "число элементов 0 вне диапазона 1 … 120"},
        {{"1 2 121 1"}, "число извлекаемых элементов 121 вне диапазона 1 … 120"},
        {{"3 4 2 4"}, "вид таблицы исходов 4 вне диапазона 0 … 3"},
        {{"3 4 2 3", " 1 2 10 3"}, "номер цвета 10 вне диапазона 0 … 9"},
        {{"3 4 2 3", " 1 2 -1 3"}, "номер цвета -1 вне диапазона 0 … 9"},
        {{"3 4 2 3", QString(" 1").repeated(121)}, "цветов 121, а шаров не больше 120"},
        {{"1 2 1 0", " 0 0", " 1", "", "", "", "", ""}, "событий больше пяти"},
        {{"1 2 3 0", " 0 0", " 0"}, "номер исхода 0 вне диапазона 1 … 1000"},
        {{"1 2 10 0", " 0 0", " 1001"}, "номер исхода 1001 вне диапазона 1 … 1000"},
        {{"1 2 3 0", " 0 0", " 1 9"}, "номер исхода 9 больше числа исходов в таблице (8)"},
        {{"1 2 3 0", " 0 0", " 1 2,5"}, "\"2,5\" не является целым числом"},
    };
    for (const auto& c : cases) {
        const QString message = loadError(c.lines);
        EXPECT_TRUE(message.startsWith("Ошибка в записи вероятностной модели: ")) << message.toStdString();
        EXPECT_TRUE(message.contains(c.fragment)) << c.lines.join('|').toStdString() << " -> " << message.toStdString();
    }
}

TEST_F(LaplasRecordsTest, FailedLoadLeavesAConsistentModel)
{
    TLaplas lab;
    lab.SetModel(kDice, 6, 0, 2);
    lab.AddEvent();
    lab.Grid1MouseDown(3);
    // Rejected before anything changes.
    EXPECT_THROW(lab.LoadModel({"3 4 2 3", " 1 2 11"}), base::AppError);
    EXPECT_EQ(lab.ModelKind(), kDice);
    EXPECT_EQ(lab.EventCount(), 1);
    EXPECT_EQ(lab.BallColor(1), 0);
    // Rows beyond the table are found once the model is built: the model stays, no events.
    EXPECT_THROW(lab.LoadModel({"1 2 2 1", " 0 0", " 1", " 4"}), base::AppError);
    EXPECT_EQ(lab.ModelKind(), kCoins);
    EXPECT_EQ(lab.RowCount(), 3);
    EXPECT_EQ(lab.EventCount(), 0);
    lab.RunOne();
    EXPECT_EQ(lab.ExperimentCount(), 1);
}
