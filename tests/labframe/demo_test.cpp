// Demonstrations replayed into a lab window, and how the user takes over.
#include "labframe/demo.h"
#include "labframe/labhelp.h"
#include "labframe/labregistry.h"
#include "labframe/virtualkeys.h"
#include "support/fakedialogs.h"
#include "labtest.h"
#include "ui/music.h"
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

using labframe::DemoPlayer;

namespace {

// Records the key and mouse events that reach a widget.
class EventLog : public QObject {
public:
    explicit EventLog(QObject* watched) { watched->installEventFilter(this); }
    QList<std::pair<QEvent::Type, int>> keys; // type and Qt key
    int mouseEvents = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            keys.append({event->type(), static_cast<QKeyEvent*>(event)->key()});
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) ++mouseEvents;
        return false;
    }
};

class DemoTest : public LabTest {
protected:
    void SetUp() override
    {
        LabTest::SetUp();
        labframe::RegisterLab(6, [] { return new TestLab(6); });
        lab = static_cast<TestLab*>(labframe::CreateLab(6));
        lab->show();
    }
    void TearDown() override
    {
        DemoPlayer().StopScript();
        LabTest::TearDown();
    }

    void writeScript(const QString& name, const QStringList& lines)
    {
        writeLines(QStringLiteral("DEMO\\") + name + QStringLiteral(".SCI"), lines);
    }
    static bool waitUntilIdle() { return QTest::qWaitFor([] { return !DemoPlayer().playing(); }, 5000); }
    static bool waitForPointer()
    {
        return QTest::qWaitFor([] { return DemoPlayer().expectedPointer().has_value(); }, 5000);
    }
    // Sends a real-looking mouse move at a screen point through the application.
    void moveRealMouse(const QPoint& screenPoint)
    {
        QMouseEvent move(QEvent::MouseMove, lab->mapFromGlobal(QPointF(screenPoint)), QPointF(screenPoint),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(lab, &move);
    }

    FakeDialogs dialogs;
    TestLab* lab = nullptr;
    qsizetype helpHidden() const { return shellCalls.calls.count(QStringLiteral("close lab help")); }
    qsizetype helpShown() const { return shellCalls.calls.count(QStringLiteral("lab help again")); }
    // The notes as "text/seconds".
    QStringList notes() const
    {
        QStringList texts;
        for (const QString& call : shellCalls.calls)
            if (call.startsWith(QStringLiteral("note "))) texts.append(call.mid(5));
        return texts;
    }
};

const QString kClosingNote = QStringLiteral("А теперь попробуйте сами!/3");

} // namespace

TEST(DemoScript, LinesAndTheValuesThatEndAReplay)
{
    const auto move = labframe::ParseScriptLine(QStringLiteral("  15  512 10   20 trailing"));
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->delay, 15);
    EXPECT_EQ(move->code, 512);
    EXPECT_EQ(move->a, 10);
    EXPECT_EQ(move->b, 20);
    for (const char* bad : {"", "1 2 3", "a 512 1 1", "0 512 1 1.5", "99999999999 512 1 1"})
        EXPECT_FALSE(labframe::ParseScriptLine(QString::fromLatin1(bad)).has_value()) << bad;

    using labframe::EndsReplay;
    using labframe::ScriptEvent;
    EXPECT_TRUE(EndsReplay(ScriptEvent{-1, 512, 1, 1}));
    EXPECT_TRUE(EndsReplay(ScriptEvent{0, 256, 256, 0}));
    EXPECT_TRUE(EndsReplay(ScriptEvent{0, 257, -1, 2}));
    EXPECT_TRUE(EndsReplay(ScriptEvent{0, 260, 65, -2}));
    EXPECT_FALSE(EndsReplay(ScriptEvent{0, 261, 255, 2}));
    EXPECT_FALSE(EndsReplay(ScriptEvent{0, 512, -5, -5})); // a mouse point is checked on screen
    EXPECT_FALSE(EndsReplay(ScriptEvent{0, 7, 999, -9}));  // only a delay
}

TEST(DemoScript, ReaderSkipsOverlongLines)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("s.SCI")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 512 1 1\r\n" + QByteArray(5000, '7') + "\r\n0 513 2 2\r\n0 514 3 3");
    file.close();
    labframe::ScriptReader reader;
    ASSERT_TRUE(reader.open(file.fileName()));
    EXPECT_EQ(reader.nextLine(), QStringLiteral("0 512 1 1"));
    EXPECT_EQ(reader.nextLine(), QStringLiteral("0 513 2 2"));
    EXPECT_EQ(reader.nextLine(), QStringLiteral("0 514 3 3"));
    EXPECT_EQ(reader.nextLine(), std::nullopt);
}

TEST(DemoScript, VirtualKeysOfTheRecordings)
{
    using labframe::TranslateVirtualKey;
    EXPECT_EQ(TranslateVirtualKey(65, false).key, Qt::Key_A);
    EXPECT_EQ(TranslateVirtualKey(65, false).text, QStringLiteral("a"));
    EXPECT_EQ(TranslateVirtualKey(90, true).text, QStringLiteral("Z"));
    EXPECT_EQ(TranslateVirtualKey(27, false).key, Qt::Key_Escape);
    EXPECT_EQ(TranslateVirtualKey(13, false).key, Qt::Key_Return);
    EXPECT_EQ(TranslateVirtualKey(50, true).text, QStringLiteral("@"));
    EXPECT_EQ(TranslateVirtualKey(100, false).text, QStringLiteral("4"));
    EXPECT_EQ(TranslateVirtualKey(189, false).text, QStringLiteral("-"));
    EXPECT_EQ(TranslateVirtualKey(113, false).key, Qt::Key_F2);
    EXPECT_EQ(TranslateVirtualKey(255, false).key, Qt::Key_unknown);
}

TEST_F(DemoTest, OneMoveReplaysThenEndsWithTheClosingNote)
{
    writeScript(QStringLiteral("one"), {QStringLiteral("0 512 10 10")});
    lab->PlayDemo(QStringLiteral("DEMO\\one"));
    EXPECT_TRUE(DemoPlayer().playing());
    EXPECT_EQ(helpHidden(), 1);
    EXPECT_EQ(lab->lbExample->text(), QStringLiteral("Прервать ролик - Esc"));
    EXPECT_EQ(ui::TffMusic::instance().CurrentSound(), QStringLiteral("WAV\\Fon.mid"));
    EXPECT_EQ(lab->size(), QSize(800, 600));

    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(QCursor::pos(), lab->mapToGlobal(QPoint(10, 10)));
    EXPECT_TRUE(ui::TffMusic::instance().CurrentSound().isEmpty());
    EXPECT_EQ(helpShown(), 1);
    EXPECT_EQ(notes(), QStringList{kClosingNote});
    EXPECT_TRUE(lab->lbExample->text().isEmpty());
}

TEST_F(DemoTest, OwnMusicAndStartingStateAreUsed)
{
    writeScript(QStringLiteral("own"), {QStringLiteral("0 0 0 0")});
    writeBytes(QStringLiteral("DEMO\\own.WAV"), "RIFF");
    writeLines(QStringLiteral("DEMO\\own.LAB"), {QStringLiteral("6"), QStringLiteral("edName=start"), QStringLiteral("#")});
    lab->PlayDemo(QStringLiteral("DEMO\\own"));
    EXPECT_EQ(ui::TffMusic::instance().CurrentSound(), QStringLiteral("DEMO\\own.WAV"));
    EXPECT_EQ(lab->edName->text(), QStringLiteral("start"));
    ASSERT_TRUE(waitUntilIdle());
}

TEST_F(DemoTest, WithoutScriptOnlyTheStartingStateIsLoaded)
{
    writeLines(QStringLiteral("DEMO\\nothing.LAB"), {QStringLiteral("6"), QStringLiteral("edName=state"), QStringLiteral("#")});
    lab->PlayDemo(QStringLiteral("DEMO\\nothing"));
    EXPECT_FALSE(DemoPlayer().playing());
    EXPECT_EQ(lab->edName->text(), QStringLiteral("state"));
    EXPECT_EQ(helpHidden(), 0);
}

TEST_F(DemoTest, EscEndsTheReplayAndNeverReachesTheLab)
{
    writeScript(QStringLiteral("long"), {QStringLiteral("0 512 10 10"), QStringLiteral("20000 512 30 30")});
    lab->PlayDemo(QStringLiteral("DEMO\\long"));
    ASSERT_TRUE(waitForPointer());
    lab->edName->setFocus();
    EventLog log(lab->edName);
    QTest::keyClick(lab->edName, Qt::Key_Escape);
    EXPECT_FALSE(DemoPlayer().playing());
    EXPECT_FALSE(log.keys.contains(std::pair{QEvent::KeyPress, int(Qt::Key_Escape)}));
    EXPECT_EQ(notes(), QStringList{kClosingNote});
    EXPECT_EQ(helpShown(), 1);
}

TEST_F(DemoTest, ForeignKeyFiresNoShortcut)
{
    const auto helps = [this] { return shellCalls.calls.count(QStringLiteral("window help")); };
    lab->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(lab));
    QTest::keyClick(lab, Qt::Key_F1);
    ASSERT_EQ(helps(), 1); // F1 asks for help while nothing plays

    writeScript(QStringLiteral("long"), {QStringLiteral("0 512 10 10"), QStringLiteral("20000 512 30 30")});
    lab->PlayDemo(QStringLiteral("DEMO\\long"));
    ASSERT_TRUE(waitForPointer());
    QTest::keyClick(lab, Qt::Key_F1);
    EXPECT_EQ(helps(), 1);
    EXPECT_FALSE(DemoPlayer().playing());
}

TEST_F(DemoTest, PointerMayStrayFortyPixelsButNotMore)
{
    writeScript(QStringLiteral("rest"), {QStringLiteral("0 512 100 100"), QStringLiteral("20000 512 30 30")});
    lab->PlayDemo(QStringLiteral("DEMO\\rest"));
    ASSERT_TRUE(waitForPointer());
    const QPoint expected = *DemoPlayer().expectedPointer();
    lab->setMouseTracking(true);
    EventLog log(lab);
    moveRealMouse(expected + QPoint(5, -3));
    moveRealMouse(expected + QPoint(-40, 40));
    EXPECT_TRUE(DemoPlayer().playing());
    EXPECT_EQ(log.mouseEvents, 2);

    moveRealMouse(expected + QPoint(0, 41));
    EXPECT_FALSE(DemoPlayer().playing());
    EXPECT_EQ(log.mouseEvents, 2); // the move that ended it was swallowed
    EXPECT_EQ(notes(), QStringList{kClosingNote});
}

TEST_F(DemoTest, ScriptClicksAndTypesIntoTheLab)
{
    const QPoint field = lab->edName->mapTo(lab, lab->edName->rect().center());
    const QString at = QStringLiteral(" %1 %2").arg(field.x()).arg(field.y());
    writeScript(QStringLiteral("type"), {QStringLiteral("0 512") + at, QStringLiteral("not a line at all"),
                                         QStringLiteral("0 513") + at, QStringLiteral("0 514") + at,
                                         QStringLiteral("0 256 16 0"), QStringLiteral("0 256 65 0"),
                                         QStringLiteral("0 257 65 2"), QStringLiteral("0 257 16 2"),
                                         QStringLiteral("0 256 66 0"), QStringLiteral("0 256 66 2")});
    EventLog log(lab->edName);
    lab->PlayDemo(QStringLiteral("DEMO\\type"));
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(lab->edName->text(), QStringLiteral("Ab"));
    // Flags 2 release the key, whatever the event code says.
    EXPECT_EQ(log.keys.count(std::pair{QEvent::KeyRelease, int(Qt::Key_B)}), 1);
    EXPECT_EQ(log.keys.count(std::pair{QEvent::KeyPress, int(Qt::Key_B)}), 1);
    EXPECT_EQ(notes(), QStringList{kClosingNote});
}

TEST_F(DemoTest, OutOfRangeValuesEndTheReplayNormally)
{
    writeScript(QStringLiteral("range"), {QStringLiteral("0 512 10 10"), QStringLiteral("0 256 300 0"),
                                          QStringLiteral("0 512 50 50")});
    lab->PlayDemo(QStringLiteral("DEMO\\range"));
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(QCursor::pos(), lab->mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(notes(), QStringList{kClosingNote});

    writeScript(QStringLiteral("offscreen"), {QStringLiteral("0 512 -5000 10"), QStringLiteral("0 512 60 60")});
    lab->PlayDemo(QStringLiteral("DEMO\\offscreen"));
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(QCursor::pos(), lab->mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(notes().size(), 2);
}

TEST_F(DemoTest, StartingWhilePlayingDoesNothing)
{
    writeScript(QStringLiteral("first"), {QStringLiteral("20000 512 10 10")});
    writeScript(QStringLiteral("second"), {QStringLiteral("0 512 20 20")});
    writeLines(QStringLiteral("DEMO\\second.LAB"), {QStringLiteral("6"), QStringLiteral("edName=second"), QStringLiteral("#")});
    lab->PlayDemo(QStringLiteral("DEMO\\first"));
    lab->PlayDemo(QStringLiteral("DEMO\\second"));
    EXPECT_EQ(DemoPlayer().scriptPath(), QStringLiteral("DEMO\\first.SCI"));
    EXPECT_TRUE(lab->edName->text().isEmpty());
    EXPECT_EQ(helpHidden(), 1);

    // Stopped, the first thread's late end must not end the next replay.
    DemoPlayer().StopScript();
    lab->PlayDemo(QStringLiteral("DEMO\\second"));
    EXPECT_EQ(lab->edName->text(), QStringLiteral("second"));
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(QCursor::pos(), lab->mapToGlobal(QPoint(20, 20)));
}

TEST_F(DemoTest, HelpLinksPlayDemonstrationsAndLoadPairedLabFiles)
{
    labframe::RunDemoLink(QStringLiteral("absent"));
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Извините, эта демонстрация еще не записывалась"));
    EXPECT_FALSE(DemoPlayer().playing());

    writeScript(QStringLiteral("present"), {QStringLiteral("0 512 5 5")});
    labframe::RunDemoLink(QStringLiteral("present"));
    EXPECT_TRUE(DemoPlayer().playing());
    EXPECT_EQ(DemoPlayer().targetWindow(), lab);
    ASSERT_TRUE(waitUntilIdle());

    writeLines(QStringLiteral("HELP\\Lab6\\Graph.LAB"), {QStringLiteral("6"), QStringLiteral("edName=from help"), QStringLiteral("#")});
    EXPECT_TRUE(labframe::LoadPairedLabFile(QStringLiteral("HELP\\Lab6\\Graph.htm")));
    EXPECT_EQ(lab->edName->text(), QStringLiteral("from help"));
    lab->edName->setText(QStringLiteral("untouched"));
    EXPECT_FALSE(labframe::LoadPairedLabFile(QStringLiteral("HELP\\Lab6\\Other.htm")));
    EXPECT_EQ(lab->edName->text(), QStringLiteral("untouched"));
}
