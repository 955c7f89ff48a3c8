// The planimetry lab's files: saving and loading a scene with the tool that
// was chosen, hostile files refused whole, and the course's examples, which
// load and save again byte for byte.
#include "planimetrylabtest.h"
#include "base/textfile.h"
#include "labframe/file/labformats.h"
#include "labs/planimetry/format/labformat.h"
#include "plane/planetools.h"
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTest>
#include <QToolButton>

using namespace plane;

TEST_F(Lab4Test, SaveAndLoadRestoreTheToolAndTheScene)
{
    PlaneScene& scene = lab->Dec->Scene();
    TPoint* a = scene.AddPoint({0, 0});
    TPoint* b = scene.AddPoint({4, 2});
    a->SetName("Точка A");
    scene.AddMidpoint(scene.AddSegment(a, b));
    QTest::mouseClick(lab->bt100, Qt::LeftButton);
    const QString file = real("USERS\\scene.LAB");
    QDir().mkpath(real("USERS"));
    ASSERT_TRUE(lab->SaveLabFile(file));
    const QByteArray saved = readBytes("USERS\\scene.LAB");
    EXPECT_TRUE(saved.startsWith("4\r\nbtClear=10\r\n"));
    EXPECT_TRUE(saved.contains("\r\nbt100=11\r\n"));
    EXPECT_TRUE(saved.contains("\r\n#\r\n30 0 0\r\n"));

    lab->ClearLab();
    QTest::mouseClick(lab->bt0, Qt::LeftButton);
    ASSERT_TRUE(lab->LoadLabFile(file));
    EXPECT_EQ(lab->Dec->Tool(), kToolDistance);
    EXPECT_TRUE(lab->bt100->isChecked());
    ASSERT_EQ(lab->Dec->Scene().PointCount(), 3);
    EXPECT_EQ(lab->Dec->Scene().Point(0)->Name(), "Точка A");
    // The midpoint still follows its segment's ends.
    lab->Dec->Interaction().MovePoint(lab->Dec->Scene().Point(0), {2, 0});
    EXPECT_DOUBLE_EQ(lab->Dec->Scene().Point(2)->X(), 3);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Lab4Test, GridAndHiddenFiguresFollowTheButtonsOfALoadedFile)
{
    const QString file = real("USERS\\scene.LAB");
    QDir().mkpath(real("USERS"));
    ASSERT_TRUE(lab->SaveLabFile(file));
    QString text = QString::fromLatin1(readBytes("USERS\\scene.LAB"));
    ASSERT_TRUE(text.contains("\r\nbtGrid=11\r\n") && text.contains("\r\nbtShowAll=10\r\n"));
    text.replace("\r\nbtGrid=11\r\n", "\r\nbtGrid=10\r\n").replace("\r\nbtShowAll=10\r\n", "\r\nbtShowAll=11\r\n");
    writeBytes("USERS\\scene.LAB", text.toLatin1());
    ASSERT_TRUE(lab->LoadLabFile(file));
    EXPECT_FALSE(lab->btGrid->isChecked());
    EXPECT_FALSE(lab->Dec->GridVisible());
    EXPECT_TRUE(lab->Dec->Interaction().ShowHidden);
}

TEST_F(Lab4Test, HostileFilesAreRefusedWithTheFramesMessageAndLeaveNothing)
{
    const QStringList window = {"4", "btClear=10", "bt255=11", "#"};
    const QList<QStringList> sections = {
        {"0 0 0"},
        {"-30 0 0"},
        {"inf 0 0"},
        {"30 0 0", "TPoint: nan 0 TRUE A"},
        {"30 0 0", "TPoint: 0x10 0 TRUE A"},
        {"30 0 0", "TPoint: 0 0 TRUE A", "TLine: TRUE 0 0 7"},
        {"30 0 0", "TPoint: 0 0 TRUE A", "TPoint: 1 0 TRUE B", "Morphing: 0 1 5 0 0", "Morphing: 1 0 5 0 0"},
        {"30 0 0", "TPoint: 0 0 TRUE A", "TPoint: 1 0 TRUE B", "TCircle1: TRUE 0 0 1", "Morphing: 1 0 2 0"},
        {"30 0 0", "TPolygon: TRUE 0 1 1 2 2"},
    };
    int index = 0;
    for (const QStringList& section : sections) {
        dialogs.messages.clear();
        const QString name = QStringLiteral("USERS\\bad%1.LAB").arg(index++);
        writeLines(name, window + section);
        EXPECT_FALSE(lab->LoadLabFile(real(name))) << section.join('|').toStdString();
        ASSERT_EQ(dialogs.messages.size(), 1) << section.join('|').toStdString();
        EXPECT_TRUE(dialogs.messages.first().text.startsWith("Строка")) << dialogs.messages.first().text.toStdString();
        EXPECT_EQ(lab->Dec->Scene().PointCount(), 0);
        EXPECT_FALSE(lab->Dec->Busy());
        // The course checker refuses the same file.
        EXPECT_TRUE(labframe::CheckLabText(planimetrylab::Lab4Format(), (window + section).join("\r\n")));
    }
    writeLines("USERS\\other.LAB", {"16", "#"});
    EXPECT_FALSE(lab->LoadLabFile(real("USERS\\other.LAB")));
    EXPECT_EQ(dialogs.lastMessage(), "Неверный формат файла");
}

TEST_F(Lab4Test, EveryExampleLoadsAndSavesAgainByteForByte)
{
    const QList<QByteArray> examples = installLabExamples(4);
    ASSERT_GE(examples.size(), 6);
    QDir().mkpath(real("USERS"));
    for (int i = 0; i < examples.size(); ++i) {
        const QByteArray& example = examples[i];
        ASSERT_TRUE(lab->LoadLabFile(lab->exampleFolder() + QStringLiteral("%1.LAB").arg(i))) << i;
        EXPECT_GT(lab->Dec->Scene().FigureCount(), 0) << i;
        ASSERT_TRUE(lab->SaveLabFile(real("USERS\\again.LAB")));
        EXPECT_EQ(readBytes("USERS\\again.LAB"), example) << i;
        EXPECT_FALSE(labframe::CheckLabText(planimetrylab::Lab4Format(), QStringDecoder("windows-1251").decode(example)).has_value()) << i;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
