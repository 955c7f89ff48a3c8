// The lab-file envelope: the window lines of every control kind, the "#" line
// and the engine part, byte for byte, and what damaged files do.
#include "labframe/labfile.h"
#include "support/fakedialogs.h"
#include "labtest.h"
#include <QFile>
#include <QLabel>

using labframe::kWrongFormatText;

namespace {

// A state in which every control writes a line that differs from its default.
void FillEveryControl(TestLab& lab)
{
    lab.btTool->setChecked(true);
    lab.btPlain->setEnabled(false);
    lab.edName->setText(QStringLiteral("x=2=y "));
    lab.seCount->setValue(7);
    lab.cbKind->setCurrentIndex(1);
    lab.rgMode->setItemIndex(2);
    lab.sgData->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Ось")));
    lab.sgData->setItem(0, 2, new QTableWidgetItem(QStringLiteral("|x-2|")));
    lab.sgData->setItem(1, 1, new QTableWidgetItem(QStringLiteral("5")));
    lab.tvTopics->setCurrentItem(lab.tvTopics->topLevelItem(1));
    lab.Timer1->start();
    lab.pnPicture->resize(120, 80);
    lab.engineRecords = {QStringLiteral("40 0 0"), QStringLiteral("TPoint: 1 2")};
}

const QStringList kEveryControlLines{
    QStringLiteral("6"),
    QStringLiteral("btClear=10"),
    QStringLiteral("btLoad=10"),
    QStringLiteral("btSave=10"),
    QStringLiteral("btExample=10"),
    QStringLiteral("btTool=11"),
    QStringLiteral("btPlain=00"),
    QStringLiteral("edName=x=2=y "),
    QStringLiteral("seCount=7"),
    QStringLiteral("cbKind=1"),
    QStringLiteral("rgMode=2"),
    QStringLiteral("sgData=2 3 Ось||\u00A6x-2\u00A6||5||"),
    QStringLiteral("tvTopics=3"),
    QStringLiteral("Timer1=1"),
    QStringLiteral("pnPicture=120 80"),
    QStringLiteral("#"),
    QStringLiteral("40 0 0"),
    QStringLiteral("TPoint: 1 2"),
};

class LabFileTest : public LabTest {
protected:
    // Loads a file of these lines into the lab.
    bool load(TestLab& lab, const QStringList& lines)
    {
        writeLines(QStringLiteral("scene.LAB"), lines);
        return lab.LoadLabFile(QStringLiteral("scene.LAB"));
    }
    FakeDialogs dialogs;
};

} // namespace

TEST_F(LabFileTest, EveryControlKindIsWrittenInCreationOrder)
{
    TestLab lab;
    FillEveryControl(lab);
    ASSERT_TRUE(lab.SaveLabFile(QStringLiteral("scene.LAB")));
    const QByteArray bytes = readBytes(QStringLiteral("scene.LAB"));
    EXPECT_EQ(bytes, fileBytes(kEveryControlLines));
    // The grid's stand-in for "|" is the single Windows-1251 byte 0xA6.
    EXPECT_TRUE(bytes.contains("||\xA6x-2\xA6||5||\r\n"));
}

TEST_F(LabFileTest, SaveClearLoadRestoresEveryControlAndTheEngine)
{
    TestLab saved;
    FillEveryControl(saved);
    ASSERT_TRUE(saved.SaveLabFile(QStringLiteral("first.LAB")));

    TestLab loaded;
    loaded.edName->setText(QStringLiteral("old"));
    ASSERT_TRUE(loaded.LoadLabFile(QStringLiteral("first.LAB")));
    EXPECT_TRUE(loaded.btTool->isChecked());
    EXPECT_EQ(loaded.toolClicks, 1); // the pressed tool ran its click action
    EXPECT_FALSE(loaded.btPlain->isEnabled());
    EXPECT_EQ(loaded.edName->text(), QStringLiteral("x=2=y "));
    EXPECT_EQ(loaded.seCount->value(), 7);
    EXPECT_EQ(loaded.cbKind->currentIndex(), 1);
    EXPECT_EQ(loaded.rgMode->itemIndex(), 2);
    EXPECT_EQ(loaded.sgData->item(0, 2)->text(), QStringLiteral("|x-2|"));
    EXPECT_EQ(loaded.sgData->item(1, 1)->text(), QStringLiteral("5"));
    EXPECT_EQ(loaded.tvTopics->currentItem()->text(0), QStringLiteral("B"));
    EXPECT_TRUE(loaded.Timer1->isActive());
    EXPECT_EQ(loaded.pnPicture->size(), QSize(120, 80));
    EXPECT_EQ(loaded.engineRecords, saved.engineRecords);

    ASSERT_TRUE(loaded.SaveLabFile(QStringLiteral("second.LAB")));
    EXPECT_EQ(readBytes(QStringLiteral("second.LAB")), readBytes(QStringLiteral("first.LAB")));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(LabFileTest, EmptyFieldsWriteNoLineAndComeBackEmpty)
{
    TestLab lab;
    lab.edName->clear();
    lab.tvTopics->clearSelection();
    lab.cbKind->setCurrentIndex(-1);
    ASSERT_TRUE(lab.SaveLabFile(QStringLiteral("a.LAB")));
    const QByteArray bytes = readBytes(QStringLiteral("a.LAB"));
    EXPECT_FALSE(bytes.contains("edName="));
    EXPECT_FALSE(bytes.contains("tvTopics="));
    EXPECT_TRUE(bytes.contains("\r\ncbKind=-1\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nTimer1=0\r\npnPicture=50 40\r\n#\r\n"));

    TestLab other;
    other.edName->setText(QStringLiteral("typed before"));
    other.sgData->setItem(1, 2, new QTableWidgetItem(QStringLiteral("9")));
    ASSERT_TRUE(other.LoadLabFile(QStringLiteral("a.LAB")));
    EXPECT_TRUE(other.edName->text().isEmpty());
    EXPECT_TRUE(other.sgData->item(1, 2)->text().isEmpty());
}

TEST_F(LabFileTest, LinesAreMatchedByExactNameAndOddLinesAreSkipped)
{
    TestLab lab;
    ASSERT_TRUE(load(lab, {QStringLiteral("6"), QStringLiteral("EDNAME=upper"), QStringLiteral("no equals sign"),
                           QStringLiteral("lbName=label"), QStringLiteral("unknown=1"),
                           QStringLiteral("edName==starts with equals"), QStringLiteral("btPlain=11"),
                           QStringLiteral("cbKind=7"), QStringLiteral("rgMode=-5"), QStringLiteral("rgMode=3"),
                           QStringLiteral("seCount=abc"),
                           QStringLiteral("tvTopics=99"), QStringLiteral("#")}));
    EXPECT_EQ(lab.edName->text(), QStringLiteral("=starts with equals"));
    EXPECT_NE(lab.lbName->text(), QStringLiteral("label")); // labels keep nothing in lab files
    // A button that cannot stay pressed never runs its action from a file.
    EXPECT_EQ(lab.plainClicks, 0);
    EXPECT_FALSE(lab.btPlain->isChecked());
    EXPECT_EQ(lab.cbKind->currentIndex(), -1);
    EXPECT_EQ(lab.rgMode->itemIndex(), -1);
    EXPECT_EQ(lab.seCount->value(), lab.seCount->minimum());
    EXPECT_EQ(lab.tvTopics->currentItem(), nullptr);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(LabFileTest, ReleasingAToolFromTheFileRunsItsAction)
{
    TestLab lab;
    lab.btTool->setChecked(true);
    ASSERT_TRUE(load(lab, {QStringLiteral("6"), QStringLiteral("btTool=10"), QStringLiteral("#")}));
    EXPECT_FALSE(lab.btTool->isChecked());
    EXPECT_EQ(lab.toolClicks, 1);
    ASSERT_TRUE(load(lab, {QStringLiteral("6"), QStringLiteral("btTool=10"), QStringLiteral("#")}));
    EXPECT_EQ(lab.toolClicks, 1); // already released: nothing to run
}

TEST_F(LabFileTest, FileOfAnotherLabIsRefusedAndLeavesTheLabCleared)
{
    TestLab lab(6);
    lab.edName->setText(QStringLiteral("work"));
    lab.engineRecords = {QStringLiteral("record")};
    ASSERT_FALSE(load(lab, {QStringLiteral("3"), QStringLiteral("edName=graph"), QStringLiteral("#"),
                            QStringLiteral("40 0 0")}));
    EXPECT_EQ(dialogs.lastMessage(), kWrongFormatText);
    EXPECT_TRUE(lab.edName->text().isEmpty());
    EXPECT_TRUE(lab.engineRecords.isEmpty());

    for (const QString& first : {QStringLiteral("six"), QString()}) {
        dialogs.messages.clear();
        EXPECT_FALSE(load(lab, {first, QStringLiteral("edName=graph")}));
        EXPECT_EQ(dialogs.lastMessage(), kWrongFormatText);
        EXPECT_TRUE(lab.edName->text().isEmpty());
    }
    writeBytes(QStringLiteral("empty.LAB"), {});
    EXPECT_FALSE(lab.LoadLabFile(QStringLiteral("empty.LAB")));
}

TEST_F(LabFileTest, NumberFieldThatIsNoNumberStopsTheReadingThere)
{
    TestLab lab;
    ASSERT_FALSE(load(lab, {QStringLiteral("6"), QStringLiteral("edName=kept"), QStringLiteral("cbKind=1x"),
                            QStringLiteral("seCount=9"), QStringLiteral("#"), QStringLiteral("engine")}));
    EXPECT_EQ(dialogs.lastMessage(), kWrongFormatText);
    EXPECT_EQ(lab.edName->text(), QStringLiteral("kept"));
    EXPECT_NE(lab.seCount->value(), 9);
    EXPECT_TRUE(lab.engineRecords.isEmpty());
}

TEST_F(LabFileTest, AbsurdSizesAreRefusedWithoutMakingThem)
{
    const QStringList absurd{QStringLiteral("sgData=100000000 2 a|"), QStringLiteral("sgData=2000 2000 |"),
                             QStringLiteral("sgData=-1 2 |"), QStringLiteral("sgData=2"),
                             QStringLiteral("pnPicture=99999 10"), QStringLiteral("pnPicture=10 -4"),
                             QStringLiteral("rgMode=99999999999")};
    for (const QString& line : absurd) {
        TestLab lab;
        dialogs.messages.clear();
        EXPECT_FALSE(load(lab, {QStringLiteral("6"), line, QStringLiteral("edName=after")})) << line.toStdString();
        EXPECT_EQ(dialogs.lastMessage(), kWrongFormatText) << line.toStdString();
        EXPECT_EQ(lab.sgData->rowCount(), 2);
        EXPECT_EQ(lab.pnPicture->size(), QSize(50, 40));
        EXPECT_TRUE(lab.edName->text().isEmpty());
    }
}

TEST_F(LabFileTest, TruncatedFileKeepsWhatItHolds)
{
    TestLab lab;
    writeBytes(QStringLiteral("cut.LAB"), "6\r\nsgData=3 2 a|b|c\r\nedName=hal");
    EXPECT_TRUE(lab.LoadLabFile(QStringLiteral("cut.LAB")));
    EXPECT_EQ(lab.sgData->rowCount(), 3);
    EXPECT_EQ(lab.sgData->item(1, 0)->text(), QStringLiteral("c"));
    EXPECT_EQ(lab.sgData->item(2, 1), nullptr);
    EXPECT_EQ(lab.edName->text(), QStringLiteral("hal"));
}

TEST_F(LabFileTest, UnreadableFileLeavesTheLabUntouched)
{
    TestLab lab;
    lab.edName->setText(QStringLiteral("unsaved work"));
    EXPECT_FALSE(lab.LoadLabFile(QStringLiteral("LABS\\missing.LAB")));
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QStringLiteral("Не удается открыть файл")));

    QFile huge(real(QStringLiteral("huge.LAB")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(labframe::kMaxLabFileBytes + 1)); // sparse: nothing is really written
    huge.close();
    EXPECT_FALSE(lab.LoadLabFile(QStringLiteral("huge.LAB")));
    EXPECT_EQ(dialogs.lastMessage(), kWrongFormatText);
    EXPECT_EQ(lab.edName->text(), QStringLiteral("unsaved work"));
}

TEST_F(LabFileTest, FailedSaveIsReported)
{
    TestLab lab;
    EXPECT_FALSE(lab.SaveLabFile(QStringLiteral("no such folder\\x.LAB")));
    EXPECT_TRUE(dialogs.lastMessage().startsWith(QStringLiteral("Не удается сохранить файл")));
}

TEST_F(LabFileTest, LabNumberOfAFile)
{
    writeLines(QStringLiteral("RIS\\a.LAB"), {QStringLiteral("13"), QStringLiteral("#")});
    writeLines(QStringLiteral("RIS\\b.LAB"), {QStringLiteral(" 4 trailing words")});
    writeLines(QStringLiteral("RIS\\c.LAB"), {QStringLiteral("x13")});
    EXPECT_EQ(labframe::ReadLabNumber(QStringLiteral("ris\\A.lab")), 13);
    EXPECT_EQ(labframe::ReadLabNumber(QStringLiteral("RIS\\b.LAB")), 4);
    EXPECT_EQ(labframe::ReadLabNumber(QStringLiteral("RIS\\c.LAB")), std::nullopt);
    EXPECT_EQ(labframe::ReadLabNumber(QStringLiteral("RIS\\none.LAB")), std::nullopt);
}
