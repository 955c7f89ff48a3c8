#include "support/testsupport.h"
#include "ui/gifwriter.h"
#include "ui/imagebuttons.h"
#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

namespace {
// A picture whose pixels tell where they are: red = x, green = y.
QPixmap Coordinates(QSize size, int blue)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x, y, blue));
    return QPixmap::fromImage(image);
}

void Enter(QWidget* widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(300, 200);
        on = new QLabel(&window);
        on->setGeometry(10, 20, 200, 150);
        on->setPixmap(Coordinates(on->size(), 0));
        on->hide();
        off = new QLabel(&window);
        off->setGeometry(0, 0, 200, 150); // its own place does not matter
        off->setPixmap(Coordinates(off->size(), 200));
        off->hide();
        button = new ui::TMyButton(&window);
        button->setGeometry(40, 50, 20, 10);
        button->setImageOn(on);
    }

    QWidget window;
    QLabel* on = nullptr;
    QLabel* off = nullptr;
    ui::TMyButton* button = nullptr;
};
} // namespace

TEST_F(ImageButtonTest, HoverShowsThePartOfImageOnUnderTheButton)
{
    bool paintedBeforeSignal = false;
    QObject::connect(button, &ui::TMyButton::OnEnter, [&] { paintedBeforeSignal = !button->picture().isNull(); });
    QSignalSpy left(button, &ui::TMyButton::OnLeave);
    Enter(button);
    EXPECT_TRUE(paintedBeforeSignal);
    const QImage shown = button->picture().toImage();
    ASSERT_EQ(shown.size(), QSize(20, 10));
    // The button lies 30 right of and 30 below ImageOn's corner.
    EXPECT_EQ(shown.pixel(0, 0), qRgb(30, 30, 0));
    EXPECT_EQ(shown.pixel(19, 9), qRgb(49, 39, 0));
    Leave(button);
    EXPECT_TRUE(button->picture().isNull());
    EXPECT_EQ(left.count(), 1);
}

TEST_F(ImageButtonTest, DisabledShowsImageOffAtImageOnsOffsetUntilEnabled)
{
    button->setImageOff(off);
    QSignalSpy entered(button, &ui::TMyButton::OnEnter);
    button->setEnabled(false);
    EXPECT_EQ(button->picture().toImage().pixel(0, 0), qRgb(30, 30, 200));
    Enter(button);
    Leave(button);
    EXPECT_EQ(entered.count(), 0);
    EXPECT_EQ(button->picture().toImage().pixel(0, 0), qRgb(30, 30, 200)); // stays while disabled
    button->setEnabled(true);
    EXPECT_TRUE(button->picture().isNull());
}

TEST_F(ImageButtonTest, ClickNeedsPressAndReleaseInside)
{
    window.show();
    QSignalSpy clicks(button, &ui::TMyButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

class GifImageTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        QList<ui::GifFrame> frames;
        for (const QColor colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
            QImage image(6, 4, QImage::Format_RGB32);
            image.fill(colour);
            frames.append({image, 20});
        }
        writeBytes(QStringLiteral("GIF\\x"), {});
        ASSERT_TRUE(ui::WriteGif(real(QStringLiteral("GIF\\anim.gif")), frames));
    }
};

TEST_F(GifImageTest, FramesAreSetAnnouncedAndPlayedWithWrapping)
{
    ui::TGifImage gif;
    ASSERT_TRUE(gif.LoadFromFile(QStringLiteral("gif\\ANIM.GIF"))); // letter case of the content ignored
    EXPECT_EQ(gif.frameCount(), 3);
    EXPECT_EQ(gif.size(), QSize(6, 4));
    QList<int> seen;
    QObject::connect(&gif, &ui::TGifImage::frameChanged, [&](int f) { seen.append(f); });
    gif.setFrame(40); // beyond the frames: still announced
    EXPECT_EQ(gif.frame(), 40);
    gif.setFrame(1);
    gif.setAnimate(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 4; }, 3000));
    EXPECT_EQ(seen.mid(0, 4), QList<int>({40, 1, 2, 0}));
    gif.setAnimate(false);
    const int count = int(seen.size());
    QTest::qWait(80);
    EXPECT_EQ(seen.size(), count);
    EXPECT_FALSE(gif.LoadFromFile(QStringLiteral("GIF\\missing.gif")));
    EXPECT_EQ(gif.frameCount(), 3); // a failed load keeps the picture
}

TEST_F(GifImageTest, GifButtonShowsFrameOneWhileHovered)
{
    ui::TMyGIFButton button;
    ASSERT_TRUE(button.LoadFromFile(QStringLiteral("GIF\\anim.gif")));
    QSignalSpy entered(&button, &ui::TMyGIFButton::OnEnter);
    QSignalSpy left(&button, &ui::TMyGIFButton::OnLeave);
    Enter(&button);
    EXPECT_EQ(button.frame(), 1);
    Leave(&button);
    EXPECT_EQ(button.frame(), 0);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST_F(GifImageTest, JpegBitmapsTakeThePicturesSize)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    writeBytes(QStringLiteral("JPG\\x"), {});
    ASSERT_TRUE(image.save(real(QStringLiteral("JPG\\Pic.JPG")), "JPG"));
    QLabel label;
    EXPECT_TRUE(ui::LoadJpegBitmap(&label, QStringLiteral("JPG\\pic.jpg")));
    EXPECT_EQ(label.size(), QSize(30, 20));
    EXPECT_EQ(label.pixmap().size(), QSize(30, 20));
    EXPECT_FALSE(ui::LoadJpegBitmap(&label, QStringLiteral("JPG\\none.jpg")));
    EXPECT_EQ(label.pixmap().size(), QSize(30, 20));
}
