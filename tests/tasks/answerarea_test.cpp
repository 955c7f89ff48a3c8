#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "tasks/answerarea.h"
#include <QTest>
#include <memory>

using tasks::TConteiner;
using tasks::TSender;

namespace {

// Places T1 and T2, cards A and B; places are 120 wide, cards 100 x 40.
const QStringList kAreaLines{
    QStringLiteral("300 120 30 100 40"),
    QStringLiteral("TARGETS:"),
    QStringLiteral("T1 40 120 [drob[1][2]]"),
    QStringLiteral("T2 240 120 половина"),
    QStringLiteral("SENDERS:"),
    QStringLiteral("A 10 10 [drob[2][4]]"),
    QStringLiteral("B 150 10 0,5"),
};
const QString kFile = QStringLiteral("ZADS\\A05\\007.CNT");

class AreaTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        panel = std::make_unique<QWidget>();
        panel->resize(600, 100);
        area = new TConteiner(panel.get());
        writeBytes(kFile, cp1251Lines(kAreaLines));
        ASSERT_TRUE(area->Load(kFile));
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }
    void TearDown() override
    {
        panel.reset();
        ProgramFolderTest::TearDown();
    }

    TSender* card(const QString& name) const { return area->FindSender(name); }

    // Presses the card at grip (card coordinates), moves the mouse so that
    // the card's top left corner comes to to (panel coordinates), releases.
    void drag(TSender* item, QPoint to, Qt::MouseButton button = Qt::LeftButton, QPoint grip = {50, 20})
    {
        QTest::mousePress(item, button, {}, grip);
        QTest::mouseMove(item, item->mapFromParent(to + grip));
        QTest::mouseRelease(item, button, {}, item->mapFromParent(to + grip));
    }

    FakeDialogs dialogs;
    std::unique_ptr<QWidget> panel;
    TConteiner* area = nullptr;
};

} // namespace

TEST_F(AreaTest, LoadBuildsItemsSizedFromTheHeaderOnTheirPanel)
{
    EXPECT_EQ(panel->height(), 300);
    EXPECT_EQ(area->geometry(), panel->rect());
    ASSERT_EQ(area->Targets().size(), 2);
    ASSERT_EQ(area->Senders().size(), 2);
    EXPECT_EQ(area->Targets()[0]->geometry(), QRect(40, 120, 120, 70)); // card area 40 + label strip 30
    EXPECT_EQ(card("A")->geometry(), QRect(10, 10, 100, 40));
    EXPECT_EQ(card("A")->parentWidget(), panel.get());
    EXPECT_EQ(card("B")->Content(), QStringLiteral("0,5"));
    EXPECT_EQ(area->CollectAnswers(), (QStringList{"A=0", "B=0"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(AreaTest, DraggedCardSnapsOntoAPlaceAndTheSavedFileSaysWhere)
{
    // T1's card area has its centre at (100, 140); the card's centre is 50, 20 from its corner.
    drag(card("A"), {89, 120}); // centre 39 to the right: snaps
    EXPECT_EQ(card("A")->pos(), QPoint(40, 120));
    EXPECT_EQ(card("A")->Value(), QStringLiteral("T1"));
    drag(card("B"), {290, 120}); // centre 40 to the right of T2's: stays where dropped
    EXPECT_EQ(card("B")->pos(), QPoint(290, 120));
    EXPECT_EQ(card("B")->Value(), QStringLiteral("0"));
    EXPECT_EQ(area->CollectAnswers(), (QStringList{"A=T1", "B=0"}));

    const QString saved = QStringLiteral("ZADS\\A05\\saved.CNT");
    ASSERT_TRUE(area->Save(saved));
    EXPECT_EQ(readBytes(saved), cp1251Lines({
        QStringLiteral("300 120 30 100 40"),
        QStringLiteral("TARGETS:"),
        QStringLiteral("T1 40 120 [drob[1][2]]"),
        QStringLiteral("T2 240 120 половина"),
        QStringLiteral("SENDERS:"),
        QStringLiteral("A 40 120 [drob[2][4]]"),
        QStringLiteral("B 290 120 0,5"),
    }));
}

TEST_F(AreaTest, PressingACardTakesItOffItsPlaceUntilItSnapsAgain)
{
    drag(card("A"), {45, 125});
    ASSERT_EQ(card("A")->Value(), QStringLiteral("T1"));
    QTest::mousePress(card("A"), Qt::RightButton, {}, {5, 5});
    EXPECT_EQ(card("A")->Value(), QStringLiteral("0")); // any button picks a card up
    QTest::mouseRelease(card("A"), Qt::RightButton, {}, {5, 5});
    EXPECT_EQ(card("A")->Value(), QStringLiteral("T1")); // dropped back on the place
}

TEST_F(AreaTest, PlacesMoveWithTheRightButtonOnlyAndCardsStayInsideThePanel)
{
    tasks::TTarget* place = area->FindTarget(QStringLiteral("T2"));
    QTest::mousePress(place, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(place, {60, 10});
    QTest::mouseRelease(place, Qt::LeftButton, {}, {60, 10});
    EXPECT_EQ(place->pos(), QPoint(240, 120));
    QTest::mousePress(place, Qt::RightButton, {}, {10, 10});
    QTest::mouseMove(place, {60, 10});
    QTest::mouseRelease(place, Qt::RightButton, {}, {60, 10});
    EXPECT_EQ(place->pos(), QPoint(290, 120));

    drag(card("B"), {5000, -300}); // far outside: kept at the panel's edge
    EXPECT_EQ(card("B")->pos(), QPoint(500, 0));
}

TEST_F(AreaTest, ShowAnswersPutsCardsOnNamedPlacesAndIgnoresUnknownNames)
{
    area->ShowAnswers({"A=T2", "b=t1", "B=T9", "X=T1", "garbage"});
    EXPECT_EQ(card("A")->pos(), area->FindTarget("T2")->pos());
    EXPECT_EQ(card("A")->Value(), QStringLiteral("T2"));
    EXPECT_EQ(card("B")->Value(), QStringLiteral("T1")); // "T9" does not exist: the line is ignored
    EXPECT_EQ(card("B")->pos(), QPoint(40, 120));
}

TEST_F(AreaTest, SaveRightAfterLoadWritesTheSameBytes)
{
    ASSERT_TRUE(area->Save(QStringLiteral("copy.CNT")));
    EXPECT_EQ(readBytes(QStringLiteral("copy.CNT")), cp1251Lines(kAreaLines));
}

TEST_F(AreaTest, BadFilesGiveAMessageAndKeepWhatWasReadBefore)
{
    writeBytes(QStringLiteral("bad.CNT"), cp1251Lines({"300 120 30 100 40", "TARGETS:", "T1 40 120 a", "T2 4x 120 b", "SENDERS:", "A 1 1 c"}));
    EXPECT_FALSE(area->Load(QStringLiteral("bad.CNT")));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Ошибка в файле \"bad.CNT\", строка 4: \"4x\" не является целым числом"));
    EXPECT_EQ(area->Targets().size(), 1);
    EXPECT_TRUE(area->Senders().isEmpty());

    EXPECT_FALSE(area->Load(QStringLiteral("missing.CNT")));
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Не удается открыть файл \"missing.CNT\""));
    EXPECT_TRUE(area->Targets().isEmpty());
    EXPECT_EQ(panel->height(), 0);
}

TEST_F(AreaTest, CardsAndPlacesPaintTheirColoursAndContent)
{
    const QImage picture = panel->grab().toImage();
    EXPECT_EQ(picture.pixelColor(14, 30), QColor(239, 226, 252));  // inside card A, beside its content
    EXPECT_EQ(picture.pixelColor(45, 125), QColor(Qt::white));     // T1's card area
    EXPECT_EQ(picture.pixelColor(45, 185), QColor(255, 222, 68));  // T1's label strip
    // The content draws in black somewhere on the strip.
    bool dark = false;
    for (int x = 41; x < 159 && !dark; ++x)
        for (int y = 161; y < 189 && !dark; ++y) dark = picture.pixelColor(x, y).lightness() < 100;
    EXPECT_TRUE(dark);
}
