// The message popup of the guide figure.
#include "shell/messagecloud.h"
#include "shell/messagepopup.h"
#include "support/testsupport.h"
#include "support/shellcallsrecorder.h"
#include "ui/windowstack.h"
#include <QApplication>
#include <QElapsedTimer>
#include <climits>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

class MessagePopupTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        window.setObjectName(QStringLiteral("fmWork"));
        auto* layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        layout->addWidget(edit);
        window.setGeometry(150, 120, 500, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        edit->setFocus();
        ASSERT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == edit; }, 3000));
    }
    void TearDown() override
    {
        ui::WindowStack::instance().clear();
        ProgramFolderTest::TearDown();
    }

    ShellCallsRecorder shellCalls;
    // The frames the guide figure was given.
    QList<int> frames() const
    {
        QList<int> given;
        for (const QString& call : shellCalls.calls.filter(QStringLiteral("frame "))) given.append(call.mid(6).toInt());
        return given;
    }
    QWidget window;
    QLineEdit* edit = nullptr;
    shell::TffMess popup;
};

TEST(MessageCloud, IsTheUnionOfNineEllipses)
{
    const QRegion cloud = shell::TffMess::CloudRegion();
    // Outermost points of the ellipses on the left, right, top and bottom.
    EXPECT_TRUE(cloud.contains(QPoint(1, 45)));
    EXPECT_TRUE(cloud.contains(QPoint(194, 54)));
    EXPECT_TRUE(cloud.contains(QPoint(105, 9)));
    EXPECT_TRUE(cloud.contains(QPoint(65, 95)));
    // Corners and the dents between the puffs stay outside.
    for (const QPoint corner : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 99), QPoint(199, 99), QPoint(30, 20),
                                QPoint(175, 20), QPoint(12, 85)})
        EXPECT_FALSE(cloud.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_TRUE(QRect(QPoint(0, 8), QPoint(195, 96)).contains(cloud.boundingRect()));
}

TEST_F(MessagePopupTest, SecondNoteReplacesTextAndDuration)
{
    popup.ShowNote(QStringLiteral("Вы ошиблись!"), 5);
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.timer()->interval(), 5000);
    popup.ShowNote(QStringLiteral("ОТЛИЧНО!"), 1);
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.text(), QStringLiteral("ОТЛИЧНО!"));
    EXPECT_EQ(popup.timer()->interval(), 1000);
    EXPECT_EQ(frames().last(), 2);
    // The second duration, not the first, hides it.
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(WaitUntil([&] { return !popup.isVisible(); }, 4000));
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(frames().last(), 0);
}

TEST_F(MessagePopupTest, KeyboardStaysWithTheWindowTheUserTypesIn)
{
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ab"));
    popup.ShowNote(QStringLiteral("Урок сохранен"), 5);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("cd"));
    EXPECT_EQ(edit->text(), QStringLiteral("abcd"));
    EXPECT_TRUE(popup.isVisible());
}

TEST_F(MessagePopupTest, ClickOrKeyHidesAndStopsTheTimer)
{
    popup.ShowNote(QStringLiteral("Урок должен иметь название!"), 1000);
    EXPECT_EQ(popup.timer()->interval(), 1000000);
    QTest::mouseClick(popup.findChild<QWidget*>(QStringLiteral("Label1")), Qt::LeftButton);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_FALSE(popup.timer()->isActive());
    EXPECT_EQ(frames(), (QList<int>{2, 0}));

    popup.ShowNote(QStringLiteral("снова"), 3);
    QTest::keyClick(&popup, Qt::Key_Space);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(frames(), (QList<int>{2, 0, 2, 0}));
}

TEST_F(MessagePopupTest, CloudComesOutOfTheGuideFigure)
{
    // Without a figure: beside the window on top of the stack.
    ui::WindowStack::instance().push(&window);
    popup.ShowNote(QStringLiteral("А теперь попробуйте сами!"), 3);
    EXPECT_EQ(popup.pos(), window.mapToGlobal(QPoint(84, 0)));

    QWidget other;
    other.setGeometry(400, 300, 300, 200);
    QWidget* figure = new QWidget(&other);
    figure->setGeometry(0, 0, 125, 107);
    other.show();
    shellCalls.figure = figure;
    popup.ShowNote(QStringLiteral("ОТЛИЧНО!"), 3);
    EXPECT_EQ(popup.pos(), other.mapToGlobal(QPoint(84, 0)));
}

TEST_F(MessagePopupTest, NegativeOrHugeDurationsDoNotOverflow)
{
    popup.ShowNote(QStringLiteral("x"), -5);
    EXPECT_EQ(popup.timer()->interval(), 0);
    popup.ShowNote(QStringLiteral("x"), INT_MAX);
    EXPECT_GT(popup.timer()->interval(), 0);
}

} // namespace

namespace {
// A stand-in for the label's font: every character is 10 pixels wide and a
// line 20 high; words break at spaces.
int WrappedHeight(const QString& text, int width)
{
    int lines = 1;
    int used = 0;
    for (const QString& word : text.split(u' ')) {
        const int needed = int(word.size()) * 10 + (used > 0 ? 10 : 0);
        if (used > 0 && used + needed > width) {
            ++lines;
            used = int(word.size()) * 10;
        } else {
            used += needed;
        }
    }
    return lines * 20;
}
} // namespace

TEST(MessageCloud, GrowsUntilTheTextFits)
{
    namespace cloud = shell::messagecloud;
    // Two lines fit the text area of 145 x 41 as it is.
    EXPECT_DOUBLE_EQ(cloud::CloudScale([](int width) { return WrappedHeight(QStringLiteral("ОТЛИЧНО!"), width); }), 1.0);
    const QString three = QStringLiteral("Ответ отправлен учителю на проверку по исходам");
    const double scale = cloud::CloudScale([&](int width) { return WrappedHeight(three, width); });
    EXPECT_GT(scale, 1.0);
    const QRect area = cloud::Scaled(cloud::kText, scale);
    EXPECT_LE(WrappedHeight(three, area.width()), area.height());
    // One step less would cut the text.
    const QRect smaller = cloud::Scaled(cloud::kText, scale - cloud::kScaleStep);
    EXPECT_GT(WrappedHeight(three, smaller.width()), smaller.height());
    // A text that never fits stops at the largest cloud.
    EXPECT_DOUBLE_EQ(cloud::CloudScale([](int) { return 100000; }), cloud::kLargestScale);
    // The outline grows with it.
    EXPECT_TRUE(shell::TffMess::CloudRegion(2.0).contains(QPoint(388, 108)));
}

TEST_F(MessagePopupTest, ALongTextGetsABiggerCloudAndAShortOneTheFirstSize)
{
    popup.ShowNote(QStringLiteral("Ответ записан и отправлен учителю на проверку. Результат появится в таблице по исходам"), 5);
    EXPECT_GT(popup.scale(), 1.0);
    const auto* label = popup.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_LE(label->heightForWidth(label->width()), label->height());
    EXPECT_TRUE(popup.rect().contains(label->geometry()));
    popup.ShowNote(QStringLiteral("ОТЛИЧНО!"), 5);
    EXPECT_EQ(popup.size(), shell::messagecloud::kSize);
}

TEST_F(MessagePopupTest, HidingANoteLeavesAnotherTextAlone)
{
    popup.ShowNote(QStringLiteral("ОТЛИЧНО!"), 5);
    popup.HideNote(QStringLiteral("Урок должен иметь название!"));
    EXPECT_TRUE(popup.isVisible());
    popup.HideNote(QStringLiteral("ОТЛИЧНО!"));
    EXPECT_FALSE(popup.isVisible());
    EXPECT_FALSE(popup.timer()->isActive());
}
