#include "formulas/formula.h"
#include "base/appstate.h"
#include "support/testsupport.h"
#include "tasks/itemcontent.h"
#include "taskfiles/taskpage.h"
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

using namespace tasks;

TEST(TaskPage, HiddenFormulaFieldsGetAPictureLinkAfterTheirTag)
{
    const QString t = QStringLiteral("/tmp/o/");
    EXPECT_EQ(WithFormulaLink(QStringLiteral("<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"[x]\"> = 0"), t),
              QStringLiteral("<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"[x]\"><a href=\"FE:F1\"><img src=\"/tmp/o/F1.bmp\" border=\"1\"></a> = 0"));
    // The name in capitals, quotes dropped; only the first hidden tag of a line.
    EXPECT_EQ(WithFormulaLink(QStringLiteral("a<INPUT NAME=\"f2\" TYPE=HIDDEN><INPUT TYPE=HIDDEN NAME=F3>"), t),
              QStringLiteral("a<INPUT NAME=\"f2\" TYPE=HIDDEN><a href=\"FE:F2\"><img src=\"/tmp/o/F2.bmp\" border=\"1\"></a><INPUT TYPE=HIDDEN NAME=F3>"));
    for (const char* line : {"<INPUT NAME=x>", "<INPUT TYPE=HIDDEN>", "<INPUT TYPE=HIDDEN NAME=F1"})
        EXPECT_EQ(WithFormulaLink(QString::fromUtf8(line), t), QString::fromUtf8(line));

    const QStringList page = AssembleTaskPage({"<TITLE>520/10/20/300</TITLE>", "<INPUT TYPE=HIDDEN NAME=F1>"}, t);
    ASSERT_EQ(page.size(), 3);
    EXPECT_EQ(page[0], QStringLiteral("<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"..\\..\\CSS\\zad.css\"></HEAD><BODY>"));
    EXPECT_TRUE(page[2].endsWith(QStringLiteral("<a href=\"FE:F1\"><img src=\"/tmp/o/F1.bmp\" border=\"1\"></a>")));
}

TEST(TaskPage, FormulaFieldsOfAnAnswerList)
{
    EXPECT_EQ(FormulaFieldsOf({"F1=[drob[1][x]]", "x=5", "F2_=[a=b]", "f3=[x]", "F4"}),
              (QList<FormulaField>{{"F1", "[drob[1][x]]"}, {"F2_", "[a=b]"}, {"F4", ""}}));
}

TEST(TaskPage, WidthFromTheTitleAndTheGeometryTitleWrittenBack)
{
    EXPECT_EQ(ClientWidthFromTitle(QStringLiteral("520/10/20/300"), false), 520);
    EXPECT_EQ(ClientWidthFromTitle(QStringLiteral("Задача"), false), 400);
    EXPECT_EQ(ClientWidthFromTitle(QString(), true), 400);
    EXPECT_EQ(ClientWidthFromTitle(QStringLiteral("250/0/0/0"), true), 305);
    EXPECT_EQ(WithGeometryTitle({"<TITLE>1/2/3/4</TITLE>", "text"}, 520, 10, -20, 300),
              (QStringList{"<TITLE>520/10/-20/300</TITLE>", "text"}));
    EXPECT_EQ(WithGeometryTitle({"text"}, 1, 2, 3, 4), (QStringList{"<TITLE>1/2/3/4</TITLE>", "text"}));
}

namespace {
class TaskFilesTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        base::App().currentUserId = QStringLiteral("10000501");
        state.taskCode = QStringLiteral("A05\\012");
        state.ShowUser(QStringLiteral("10000501"));
    }
    TaskState state;
};
} // namespace

TEST_F(TaskFilesTest, ButtonsFollowTheTaskFilesAndWhoLooks)
{
    TaskButtons b = VisibleButtons(state, false);
    EXPECT_TRUE(b.send);
    EXPECT_FALSE(b.ready || b.marking || b.hint || b.peek);
    state.ShowUser(QStringLiteral("10000777")); // a teacher looks at a pupil's unjudged work
    b = VisibleButtons(state, true);
    EXPECT_TRUE(b.marking && b.peek);
    EXPECT_FALSE(b.send || b.ready);

    writeLines(QStringLiteral("ZADS\\A05\\012.ANS"), {"x=5"});
    writeLines(QStringLiteral("ZADS\\a05\\012.hlp"), {"hint"});
    b = VisibleButtons(state, true);
    EXPECT_TRUE(b.ready && b.hint);
    EXPECT_FALSE(b.send || b.marking);
}

TEST_F(TaskFilesTest, TheUsersLabWinsOverTheTasksAndTheFolderDefault)
{
    EXPECT_EQ(TaskLabFile(state), QString());
    writeLines(QStringLiteral("ZADS\\A05\\default.lab"), {"3"});
    EXPECT_EQ(TaskLabFile(state), QStringLiteral("ZADS\\A05\\default.lab"));
    writeLines(QStringLiteral("ZADS\\A05\\012.LAB"), {"3"});
    EXPECT_EQ(TaskLabFile(state), QStringLiteral("ZADS\\A05\\012.LAB"));
    writeLines(QStringLiteral("USERS\\10000501\\A05\\012.LAB"), {"3"});
    writeLines(QStringLiteral("USERS\\10000501\\A05\\012.ANS"), {"x=1"});
    writeLines(QStringLiteral("USERS\\10000501\\A05\\013.ANS"), {"x=1"});
    EXPECT_EQ(TaskLabFile(state), QStringLiteral("USERS\\10000501\\A05\\012.LAB"));

    DeleteUserCopies(state);
    EXPECT_EQ(TaskLabFile(state), QStringLiteral("ZADS\\A05\\012.LAB"));
    EXPECT_FALSE(QFile::exists(real(QStringLiteral("USERS\\10000501\\A05\\012.ANS"))));
    EXPECT_TRUE(QFile::exists(real(QStringLiteral("USERS\\10000501\\A05\\013.ANS")))); // another task's
}

TEST(ItemContent, FormulasAreLaidOutAsFormulasAndTextsAsText)
{
    QImage image(300, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int line = QFontMetrics(painter.font()).height();

    // A fraction stands on two levels; a plain text is one line of the font.
    formulas::TFormula fraction;
    fraction.SetText(QStringLiteral("[drob[x+1][2]]"));
    const QSize fractionSize = ContentSize(painter, fraction, QStringLiteral("[drob[x+1][2]]"));
    EXPECT_GT(fractionSize.height(), line * 3 / 2);
    formulas::TFormula none;
    EXPECT_EQ(ContentSize(painter, none, QStringLiteral("x = 2")).height(), line);
    // A content that holds no formula is shown as it is written.
    EXPECT_EQ(ContentSize(painter, none, QStringLiteral("[")).height(), line);

    // Drawing paints inside the measured box and leaves the painter's font.
    DrawContent(painter, fraction, QStringLiteral("[drob[x+1][2]]"), 10, 10);
    EXPECT_EQ(painter.font(), font);
    painter.end();
    int inside = 0, outside = 0;
    const QRect box(10, 10, fractionSize.width(), fractionSize.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) (box.contains(x, y) ? inside : outside) += 1;
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
    EXPECT_TRUE(IsFormulaContent(QStringLiteral("[x]")));
    EXPECT_FALSE(IsFormulaContent(QStringLiteral("x [1]")));
}
