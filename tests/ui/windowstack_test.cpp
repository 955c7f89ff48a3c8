// Full-size windows replacing each other on screen.
#include "support/testsupport.h"
#include "ui/windowstack.h"
#include <QTest>

namespace {

class WindowStackTest : public ::testing::Test {
protected:
    void TearDown() override { ui::WindowStack::instance().clear(); }

    QWidget* window(const QSize& size)
    {
        windows.push_back(std::make_unique<QWidget>());
        windows.back()->resize(size);
        return windows.back().get();
    }

    std::vector<std::unique_ptr<QWidget>> windows;
};

TEST_F(WindowStackTest, AWindowOpenedOverAMaximisedOneOpensMaximisedAndCoversTheSameArea)
{
    ui::WindowStack& stack = ui::WindowStack::instance();
    // Smaller than the test screen, so that maximised differs from made.
    const QSize made(480, 360);
    QWidget* main = window(made);
    stack.push(main);
    main->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    ASSERT_TRUE(WaitUntil([&] { return main->isMaximized() && main->width() > made.width(); }));

    QWidget* contents = window(made);
    stack.openWindow(contents);
    EXPECT_TRUE(contents->isMaximized());
    EXPECT_TRUE(WaitUntil([&] { return contents->geometry() == main->geometry(); }))
        << contents->width() << "x" << contents->height();
    QWidget* lab = window({320, 240});
    stack.openWindow(lab);
    EXPECT_TRUE(lab->isMaximized());
    EXPECT_TRUE(WaitUntil([&] { return lab->geometry() == main->geometry(); }));

    // Back in the normal state, the next window takes the bounds of the last.
    stack.closeTopWindow();
    EXPECT_TRUE(contents->isVisible() && contents->isMaximized());
    contents->showNormal();
    contents->setGeometry(60, 50, 500, 400);
    QWidget* topic = window(made);
    stack.openWindow(topic);
    EXPECT_FALSE(topic->isMaximized());
    EXPECT_EQ(topic->geometry(), QRect(60, 50, 500, 400));
}

} // namespace
