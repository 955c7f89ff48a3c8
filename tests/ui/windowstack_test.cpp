// Full-size windows replacing each other on screen.
#include "support/testsupport.h"
#include "ui/fullsizewindow.h"
#include "ui/screenfit.h"
#include "ui/windowstack.h"
#include <QTest>

namespace {

class WindowStackTest : public ::testing::Test {
protected:
    void TearDown() override { ui::WindowStack::instance().clear(); }

    QWidget* window(const QSize& size)
    {
        // Full-size windows: they cover the screen when maximised even on a
        // display without a window manager (run this test on one with
        // QT_QPA_PLATFORM=xcb to see it).
        windows.push_back(std::make_unique<ui::FullSizeWindow>(QStringLiteral("fmTest")));
        windows.back()->resize(size);
        return windows.back().get();
    }

    std::vector<std::unique_ptr<ui::FullSizeWindow>> windows;
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
    EXPECT_EQ(main->geometry(), ui::ClientAreaOf(*main));

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

TEST(ScreenFit, WindowsAreMovedAndShrunkIntoTheArea)
{
    const QRect screen(0, 0, 640, 480);
    struct Case {
        QRect window, expected;
    };
    for (const Case& c : {Case{{10, 20, 300, 200}, {10, 20, 300, 200}},   // inside: as it was
                          Case{{500, 400, 300, 200}, {340, 280, 300, 200}}, // over the corner: moved back
                          Case{{-80, -48, 800, 576}, {0, 0, 640, 480}},     // larger: the whole area
                          Case{{-5, 100, 700, 100}, {0, 100, 640, 100}}})   // wider only
        EXPECT_EQ(ui::FitInto(c.window, screen), c.expected) << c.window.x() << "," << c.window.y();
    EXPECT_EQ(ui::FitInto({0, 0, 800, 576}, {0, 30, 1280, 770}), QRect(0, 30, 800, 576)); // below a panel
}

} // namespace
