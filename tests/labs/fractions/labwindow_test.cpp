#include "labframe/labregistry.h"
#include "labs/fractions/format/labformat.h"
#include "labs/fractions/labwindow.h"
#include "labs/fractions/paintbox.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <QFile>
#include <cmath>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using arithmetic::Fraction;
using arithmetic::SectorRecord;
using fractionslab::TfmLab14;

namespace {

constexpr int kRed = 6;
constexpr int kBlue = 3;

class Lab14Test : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        lab = std::make_unique<TfmLab14>();
        lab->resize(1100, 700);
        lab->show();
        QTest::qWait(1);
    }
    void TearDown() override
    {
        lab.reset();
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
    // A click into sector k of the circle (1-based), halfway out.
    void clickSector(int k)
    {
        const double angle = 2 * M_PI * (k - 0.5) / lab->SectorCount();
        const double r = lab->CircleRadius() / 2.0;
        const QPoint pixel = lab->CircleCenter() + QPoint(int(r * std::cos(angle)), -int(r * std::sin(angle)));
        QTest::mouseClick(lab->PBoxCircle, Qt::LeftButton, Qt::NoModifier, pixel);
    }
    void clickCell(int x, int y)
    {
        QTest::mouseClick(lab->PBoxSquare, Qt::LeftButton, Qt::NoModifier, lab->SquareCellPixel(x, y) + QPoint(2, 2));
    }
    QString file(const QString& name) const { return m_dir.path() + u'/' + name; }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<TfmLab14> lab;
};

} // namespace

TEST_F(Lab14Test, FormatListsTheControlsOfTheWindow)
{
    EXPECT_EQ(fractionslab::Lab14Format().controls, labframe::ControlFormats(lab->components()));
}

TEST_F(Lab14Test, AfterClearingTheDivisionIsFiveAndFiveAndSurvivesResizesAndModes)
{
    EXPECT_EQ(lab->Label1->text(), "Одна часть составляет 10");
    EXPECT_EQ(lab->Division().AllMemberParts(), (QList<int>{5, 5}));
    EXPECT_EQ(lab->MemberAmountText(1), "50");
    lab->resize(900, 650);
    QTest::qWait(1);
    lab->ShowMode(TfmLab14::kSquareMode);
    lab->ShowMode(TfmLab14::kDivisionMode);
    EXPECT_EQ(lab->Division().AllMemberParts(), (QList<int>{5, 5}));
    EXPECT_EQ(lab->Grid->columnWidth(1), lab->Division().ColumnWidth(1) + 1);
}

TEST_F(Lab14Test, SpinEditsSetTheDivisionAndTheLabel)
{
    lab->spMember->setValue(3);
    lab->spPart->setValue(3);
    lab->spVolume->setValue(10);
    EXPECT_EQ(lab->Label1->text(), "Одна часть составляет 3,333");
    EXPECT_EQ(lab->MemberAmountText(2), "3,333");
    EXPECT_EQ(lab->Grid->columnCount(), 4);
    lab->spPart->setValue(2);
    EXPECT_EQ(lab->spPart->value(), 3) << "fewer parts than members are not taken";
}

TEST_F(Lab14Test, TheRowsHeightIsTheAmountWithinItsRange)
{
    lab->Grid->setRowHeight(0, 250);
    EXPECT_EQ(lab->spVolume->value(), 250);
    EXPECT_EQ(lab->Label1->text(), "Одна часть составляет 25");
    lab->Grid->setRowHeight(0, 1400);
    EXPECT_EQ(lab->Division().Volume(), 1000);
    EXPECT_EQ(lab->Grid->rowHeight(0), 1000);
    lab->spVolume->setValue(40);
    EXPECT_EQ(lab->Grid->rowHeight(0), 40);
}

TEST_F(Lab14Test, DraggingAColumnBorderMovesParts)
{
    lab->spMember->setValue(3);
    lab->spPart->setValue(10);
    ASSERT_EQ(lab->Division().AllMemberParts(), (QList<int>{8, 1, 1}));
    lab->Grid->setColumnWidth(1, lab->Division().PartLine(5));
    lab->GridColumnsReleased();
    EXPECT_EQ(lab->Division().AllMemberParts(), (QList<int>{5, 4, 1}));
    EXPECT_EQ(lab->Grid->horizontalHeaderItem(2)->text(), "4");
    lab->Grid->setColumnWidth(1, lab->Division().PartLine(9) + 3);
    lab->GridColumnsReleased();
    EXPECT_EQ(lab->Division().AllMemberParts(), (QList<int>{5, 4, 1})) << "member 2 would get no part";
}

TEST_F(Lab14Test, PaintingTheSquareShowsFractionsOrPercentages)
{
    lab->bt1->click();
    lab->SelectColor(kRed);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y) clickCell(x, y);
    EXPECT_EQ(lab->PaletteText(kRed), QString()) << "Pal0 shows nothing";
    lab->Pal1->click();
    EXPECT_EQ(lab->PaletteText(kRed), "1/4");
    EXPECT_EQ(lab->PaletteText(0), "3/4");
    EXPECT_EQ(lab->PaletteText(kBlue), QString());
    lab->Pal2->click();
    EXPECT_EQ(lab->PaletteText(kRed), "25%");
    lab->spN->setValue(5);
    EXPECT_EQ(lab->PaletteText(kRed), "100%");
    lab->spN->setValue(10);
    EXPECT_EQ(lab->PaletteText(kRed), "25%");
}

TEST_F(Lab14Test, ClicksPaintTheCircleSectorBySector)
{
    lab->bt2->click();
    EXPECT_EQ(lab->paletteBox->parentWidget(), lab->Panel2);
    lab->spM->setValue(4);
    lab->SelectColor(kRed);
    clickSector(2);
    EXPECT_EQ(lab->Sectors(), (QList<SectorRecord>{{{0, 1}, {1, 4}, 0}, {{1, 4}, {1, 2}, kRed}, {{1, 2}, {1, 1}, 0}}));
    lab->Pal1->click();
    EXPECT_EQ(lab->PaletteText(0), "3/4");
    EXPECT_EQ(lab->PaletteText(kRed), "1/4");
    lab->spM->setValue(3);
    lab->SelectColor(kBlue);
    clickSector(1);
    EXPECT_EQ(lab->Sectors(), (QList<SectorRecord>{{{1, 3}, {1, 2}, kRed}, {{1, 2}, {1, 1}, 0}, {{0, 1}, {1, 3}, kBlue}}));
    EXPECT_EQ(lab->PaletteText(kRed), "1/6");
}

TEST_F(Lab14Test, SaveAndReloadAreByteExact)
{
    lab->spMember->setValue(3);
    lab->spPart->setValue(10);
    lab->Grid->setColumnWidth(1, lab->Division().PartLine(5));
    lab->GridColumnsReleased();
    lab->bt1->click();
    lab->SelectColor(kRed);
    clickCell(1, 2);
    lab->bt2->click();
    lab->spM->setValue(6);
    clickSector(3);
    lab->Pal2->click();
    ASSERT_TRUE(lab->SaveLabFile(file("a.LAB")));

    TfmLab14 other;
    other.resize(900, 600);
    other.show();
    ASSERT_TRUE(other.LoadLabFile(file("a.LAB")));
    EXPECT_EQ(other.CurrentMode(), TfmLab14::kCircleMode);
    EXPECT_EQ(other.Division().AllMemberParts(), (QList<int>{5, 4, 1}));
    EXPECT_EQ(other.Square().Cell(1, 2), kRed);
    EXPECT_EQ(other.Sectors(), lab->Sectors());
    EXPECT_TRUE(other.Pal2->isChecked());
    ASSERT_TRUE(other.SaveLabFile(file("b.LAB")));
    QFile a(file("a.LAB"));
    QFile b(file("b.LAB"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    EXPECT_EQ(bytes, b.readAll());
    EXPECT_TRUE(bytes.contains("#\r\n 5 4 1\r\n 0 0 0 0 0 0 0 0 0 0 0 0 6 0")) << bytes.toStdString();
    EXPECT_TRUE(bytes.endsWith("0 1 1 3 0\r\n1 3 1 2 6\r\n1 2 1 1 0\r\n")) << bytes.toStdString();
}

TEST_F(Lab14Test, AFileThatDoesNotFitTheWindowIsRefusedWithAMessage)
{
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{"14\r\nspMember=3\r\n#\r\n 5 5\r\n", "Строка 4"},
                          Case{"14\r\nspN=3\r\n#\r\n 5 5\r\n 0 0 0\r\n", "Строка 5"},
                          Case{"14\r\n#\r\n 5 5\r\n 0\r\n1 0 1 1 0\r\n", "Строка 5"}}) {
        dialogs.messages.clear();
        EXPECT_FALSE(lab->LoadLabText(QString::fromUtf8(c.text))) << c.text;
        ASSERT_EQ(dialogs.messages.size(), 1) << c.text;
        EXPECT_TRUE(dialogs.messages.first().text.contains(QString::fromUtf8(c.message))) << dialogs.messages.first().text.toStdString();
    }
}

TEST_F(Lab14Test, ASquarePanelOfNoSizeNeverDividesByZero)
{
    lab->bt1->click();
    lab->PBoxSquare->setFixedSize(0, 0);
    QTest::qWait(1);
    lab->PBoxSquareMouse(QPoint(0, 0));
    lab->PBoxSquareMouse(QPoint(5, 5));
    EXPECT_EQ(lab->Square().ColorCounts()[0], 100);
    lab->PBoxSquare->grab();
}

// --- the sample course's pages and examples of the lab ------------------------

TEST_F(Lab14Test, EveryControlOfTheLabHasItsHelpPage)
{
    for (const labframe::LabControlFormat& control : fractionslab::Lab14Format().controls)
        EXPECT_TRUE(QFile::exists(SampleCoursePath("HELP/Lab14/" + control.name + ".HTM"))) << control.name.toStdString();
    EXPECT_TRUE(QFile::exists(SampleCoursePath("HELP/Lab14.HTM")));
}

TEST_F(Lab14Test, EveryExampleOfTheCourseLoads)
{
    QFile list(SampleCoursePath("LABS/LAB14/examples.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QStringList captions = QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(captions.size(), 3);
    for (int i = 0; i < captions.size(); ++i) {
        QFile example(SampleCoursePath(QStringLiteral("LABS/LAB14/%1.LAB").arg(i)));
        ASSERT_TRUE(example.open(QIODevice::ReadOnly)) << i;
        EXPECT_TRUE(lab->LoadLabText(QString::fromUtf8(example.readAll()))) << i;
        EXPECT_EQ(dialogs.lastMessage(), QString()) << i;
    }
}
