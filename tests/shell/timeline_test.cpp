// The time line: its areas file, hit testing, and the strip dragged and
// clicked with the mouse.
#include "shell/timeline.h"
#include "base/textfile.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "support/shellcallsrecorder.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

using shell::HitOsArea;
using shell::OsArea;
using shell::ParseOsAreas;
using shell::TfmOs;

namespace {

std::vector<OsArea> Areas(const QStringList& lines) { return ParseOsAreas(lines).areas; }

TEST(OsAreas, FirstLineIsAHeadingEvenWithNumbers)
{
    const auto read = ParseOsAreas({"10 20 30 40 Heading.htm", "1 2 3 4   Pifagor.htm  ", "", "5 6 7 8 Evklid.htm"});
    EXPECT_TRUE(read.error.isEmpty());
    ASSERT_EQ(read.areas.size(), 2u);
    EXPECT_EQ(read.areas[0].left, 1);
    EXPECT_EQ(read.areas[0].bottom, 4);
    EXPECT_EQ(read.areas[0].page, "Pifagor.htm");
    EXPECT_EQ(read.areas[1].page, "Evklid.htm");
}

TEST(OsAreas, AtMostAHundredAreas)
{
    QStringList lines{"heading"};
    for (int i = 0; i < 100; ++i) lines << QString("%1 1 %2 50 P%1.htm").arg(i * 10).arg(i * 10 + 10);
    EXPECT_TRUE(ParseOsAreas(lines).error.isEmpty());
    EXPECT_EQ(ParseOsAreas(lines).areas.size(), 100u);

    lines << "2000 1 2010 50 Extra.htm";
    const auto read = ParseOsAreas(lines);
    EXPECT_EQ(read.areas.size(), 100u);
    EXPECT_EQ(read.error, "В файле OS\\action.txt больше 100 областей; строки с 102-й не прочитаны.");
}

TEST(OsAreas, BadLinesStopReadingWithTheirNumber)
{
    auto read = ParseOsAreas({"heading", "1 2 3 4 A.htm", "1 2 three 4 B.htm", "5 6 7 8 C.htm"});
    ASSERT_EQ(read.areas.size(), 1u);
    EXPECT_EQ(read.error, "Ошибка в файле OS\\action.txt, строка 3: нужны четыре целых числа и имя страницы.");

    EXPECT_FALSE(ParseOsAreas({"heading", "1 2 3 4"}).error.isEmpty()); // no page
    EXPECT_FALSE(ParseOsAreas({"heading", "1 2 3 99999999999 A.htm"}).error.isEmpty());
    // A page must stay inside "OS\".
    for (const char* page : {"..\\DATA\\users.txt", "../x.htm", "C:x.htm", ".."}) {
        read = ParseOsAreas({"heading", "1 2 3 4 " + QString(page)});
        EXPECT_TRUE(read.areas.empty()) << page;
        EXPECT_TRUE(read.error.contains("строка 2")) << read.error.toStdString();
    }
}

TEST(OsAreas, HitTestingRules)
{
    const auto areas = Areas({"heading", "0 0 100 100 Top0.htm", "10 10 50 50 First.htm", "30 30 80 80 Second.htm"});
    EXPECT_EQ(HitOsArea(areas, 5, 5, 340), 0);   // inside only the area with top 0
    EXPECT_EQ(HitOsArea(areas, 10, 10, 340), 2); // left and top inside
    EXPECT_EQ(HitOsArea(areas, 40, 40, 340), 2); // overlap: the first listed wins
    EXPECT_EQ(HitOsArea(areas, 50, 40, 340), 3); // right edge of the first is outside it
    EXPECT_EQ(HitOsArea(areas, 79, 79, 340), 3);
    EXPECT_EQ(HitOsArea(areas, 80, 79, 340), 0);
    // Only 0 < y < strip height counts.
    const auto tall = Areas({"heading", "0 1 100 500 Tall.htm"});
    EXPECT_EQ(HitOsArea(tall, 5, 339, 340), 1);
    EXPECT_EQ(HitOsArea(tall, 5, 340, 340), 0);
    EXPECT_EQ(HitOsArea(tall, 5, 0, 340), 0);
    EXPECT_EQ(HitOsArea(tall, 5, 100, 0), 0); // no strip decoded
}

TEST(OsAreas, OffsetLimits)
{
    EXPECT_EQ(shell::ClampOsOffset(-5, 1000, 400), 0);
    EXPECT_EQ(shell::ClampOsOffset(700, 1000, 400), 600);
    EXPECT_EQ(shell::ClampOsOffset(300, 1000, 400), 300);
    EXPECT_EQ(shell::ClampOsOffset(50, 300, 400), 0); // strip narrower than the view
}

// The course's own time line: every card's area lies on the strip, clear of
// the others, and opens a page that is there.
TEST(OsAreas, TheCourseTimeLineAgreesWithItsPages)
{
    const QDir program(qEnvironmentVariable("ORINDO_PROGRAM_DIR"));
    QFile file(program.filePath("OS/action.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const auto read = ParseOsAreas(base::SplitLines(base::DecodeCp1251(file.readAll())));
    EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    EXPECT_GE(read.areas.size(), 10u);
    const QImage strip(program.filePath("JPG/OsTime.JPG"));
    ASSERT_EQ(strip.height(), TfmOs::kViewHeight);
    for (size_t i = 0; i < read.areas.size(); ++i) {
        const OsArea& area = read.areas[i];
        EXPECT_GT(area.top, 0);
        EXPECT_LE(area.right, strip.width());
        EXPECT_LE(area.bottom, strip.height());
        const int centreX = (area.left + area.right) / 2;
        const int centreY = (area.top + area.bottom) / 2;
        EXPECT_EQ(HitOsArea(read.areas, centreX, centreY, strip.height()), int(i) + 1) << area.page.toStdString();
        EXPECT_TRUE(QFile::exists(program.filePath("OS/" + area.page))) << area.page.toStdString();
    }
}

// A strip of 1000 x 340 in ten bands of 100 pixels, band n of grey 20 * n,
// so the pixels shown tell the offset.
class TimeLineWindowTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        QImage strip(1000, TfmOs::kViewHeight, QImage::Format_RGB32);
        QPainter p(&strip);
        for (int band = 0; band < 10; ++band) p.fillRect(band * 100, 0, 100, strip.height(), QColor::fromRgb(band * 20, band * 20, band * 20));
        p.end();
        writeBytes("JPG\\OsTime.JPG", {});
        ASSERT_TRUE(strip.save(real("JPG\\OsTime.JPG"), "JPG", 100));
        writeLines("OS\\action.txt", {"Левый Верхний Правый Нижний Страница", "110 20 190 120 Pifagor.htm",
                                      "510 20 590 120 Evklid.htm"});
    }

    // The window with its panel 400 pixels wide, shown as section 2 shows it.
    std::unique_ptr<TfmOs> openTimeLine()
    {
        auto os = std::make_unique<TfmOs>();
        os->panel()->setParent(nullptr);
        os->panel()->resize(400, 380);
        os->panel()->show();
        os->FormShow();
        return os;
    }

    static int shownGrey(const TfmOs& os, int x) { return qGray(os.imOs->pixmap().toImage().pixel(x, 100)); }

    static void drag(TfmOs& os, int fromX, int toX)
    {
        QTest::mousePress(os.imOs, Qt::LeftButton, {}, QPoint(fromX, 200));
        for (int x = fromX; x != toX; x += toX > fromX ? 10 : -10) QTest::mouseMove(os.imOs, QPoint(x, 200));
        QTest::mouseMove(os.imOs, QPoint(toX, 200));
        QTest::mouseRelease(os.imOs, Qt::LeftButton, {}, QPoint(toX, 200));
    }

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    // The history pages asked for.
    QStringList pages() const
    {
        QStringList asked;
        for (const QString& call : shellCalls.calls.filter(QStringLiteral("history "))) asked.append(call.mid(8));
        return asked;
    }
};

TEST_F(TimeLineWindowTest, DraggingFollowsTheHandWithinTheStrip)
{
    auto os = openTimeLine();
    EXPECT_EQ(os->imOs->size(), QSize(400, 340));
    EXPECT_EQ(os->scrollOffset(), 0);
    drag(*os, 100, 300); // to the right at offset 0: the strip stays
    EXPECT_EQ(os->scrollOffset(), 0);
    drag(*os, 350, 100);
    EXPECT_EQ(os->scrollOffset(), 250);
    EXPECT_NEAR(shownGrey(*os, 10), 40, 3); // strip x 260 lies in band 2
    drag(*os, 390, 0);
    drag(*os, 390, 0);
    EXPECT_EQ(os->scrollOffset(), 600); // the strip's right edge at the view's right edge
    EXPECT_NEAR(shownGrey(*os, 399), 180, 3);
    EXPECT_TRUE(pages().isEmpty()); // drags open nothing
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // The offset survives leaving and re-entering the section.
    os->panel()->hide();
    os->FormShow();
    EXPECT_EQ(os->scrollOffset(), 600);
}

TEST_F(TimeLineWindowTest, ClickOnAnAreaOpensItsPage)
{
    auto os = openTimeLine();
    QTest::mouseMove(os->imOs, QPoint(50, 50));
    EXPECT_EQ(os->currentArea(), 0);
    EXPECT_EQ(os->imOs->cursor().shape(), Qt::BitmapCursor); // the open hand
    QTest::mouseMove(os->imOs, QPoint(150, 50));
    EXPECT_EQ(os->currentArea(), 1);
    EXPECT_EQ(os->imOs->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(os->imOs, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_EQ(pages(), QStringList{"OS\\Pifagor.htm"});

    // After scrolling, the view point maps onto the strip further right.
    drag(*os, 300, 0);
    QTest::mouseMove(os->imOs, QPoint(250, 50));
    EXPECT_EQ(os->currentArea(), 2);
    QTest::mouseClick(os->imOs, Qt::LeftButton, {}, QPoint(250, 50));
    EXPECT_EQ(pages().last(), "OS\\Evklid.htm");

    // A drag that starts on a card only moves the strip.
    const qsizetype opened = pages().size();
    drag(*os, 250, 200);
    EXPECT_EQ(pages().size(), opened);
    EXPECT_EQ(os->scrollOffset(), 350);
}

TEST_F(TimeLineWindowTest, MissingFilesAreReportedAndHarmless)
{
    QFile::remove(real("OS\\action.txt"));
    QFile::remove(real("JPG\\OsTime.JPG"));
    auto os = openTimeLine();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0].text, "Не удается открыть файл OS\\action.txt");
    EXPECT_EQ(dialogs.messages[1].text, "Не удается открыть файл JPG\\OsTime.JPG");
    drag(*os, 300, 0);
    QTest::mouseClick(os->imOs, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_EQ(os->scrollOffset(), 0);
    EXPECT_TRUE(pages().isEmpty());
    os->FormShow(); // the strip is tried once; no second message
    EXPECT_EQ(dialogs.messages.size(), 2);
}

} // namespace
