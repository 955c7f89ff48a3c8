// Lab files as plain data, without a window: the parts of a file and their
// line numbers, text that reads back the same, and the check of a file
// against a lab's format agreeing with what the lab window does.
#include "labframe/file/labdata.h"
#include "labframe/file/labfile.h"
#include "labframe/file/labformats.h"
#include "support/fakedialogs.h"
#include "labtest.h"

using labframe::CheckLabText;
using labframe::kWrongFormatText;
using labframe::LabFileData;
using labframe::ReadLabData;

namespace {

QString Text(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

} // namespace

TEST(LabData, PartsOfAFileWithTheirLines)
{
    const LabFileData data = ReadLabData(Text({"16 Вероятности", "bt1=11", "no equals sign", "edName=a=b", "#",
                                               "2 6 2 1", "", " 1 7"}));
    EXPECT_EQ(data.number, 16);
    ASSERT_EQ(data.controls.size(), 2);
    EXPECT_EQ(data.controls[0].name, "bt1");
    EXPECT_EQ(data.controls[0].line, 2);
    EXPECT_EQ(data.controls[1].name, "edName");
    EXPECT_EQ(data.controls[1].value, "a=b");
    EXPECT_EQ(data.controls[1].line, 4);
    EXPECT_EQ(data.engineLine, 6);
    EXPECT_EQ(data.engineLines, (QStringList{"2 6 2 1", "", " 1 7"}));

    // Without "#" every line belongs to the window and the engine gets nothing.
    const LabFileData open = ReadLabData(Text({"6", "a=1", "b=2"}));
    EXPECT_EQ(open.controls.size(), 2);
    EXPECT_TRUE(open.engineLines.isEmpty());
    EXPECT_EQ(open.engineLine, 4);

    for (const char* first : {"", "x16", " "})
        EXPECT_THROW(ReadLabData(Text({first, "#"})), labframe::LabFormatError) << first;
}

TEST(LabData, TextReadsBackAsTheSameData)
{
    LabFileData data;
    data.number = 6;
    data.controls = {{"edName", "two\r\nlines"}, {"cbKind", "1"}};
    data.engineLines = {"40 0 0", "broken\nrecord", ""};
    const QString text = labframe::LabDataText(data);
    EXPECT_EQ(text, "6\r\nedName=two  lines\r\ncbKind=1\r\n#\r\n40 0 0\r\nbroken record\r\n\r\n");
    const LabFileData back = ReadLabData(text);
    EXPECT_EQ(labframe::LabDataText(back), text);
    EXPECT_EQ(back.engineLines.size(), 3);
}

class LabFormatTest : public LabTest {
protected:
    void SetUp() override
    {
        LabTest::SetUp();
        format.number = 6;
        format.controls = labframe::ControlFormats(lab.components());
        format.readEngine = [](const QStringList& lines, int firstLine) {
            if (lines.contains(QStringLiteral("refuse"))) throw base::AppError(QStringLiteral("запись не годится"));
            const qsizetype bad = lines.indexOf(QStringLiteral("bad record"));
            if (bad >= 0) throw base::LineError(firstLine + int(bad), QStringLiteral("не та запись"));
        };
        lab.readEngine = format.readEngine;
    }
    // What the window says of the file: empty when it loads.
    QString windowSays(const QString& text)
    {
        dialogs.messages.clear();
        const bool loaded = lab.LoadLabText(text);
        return loaded ? QString() : dialogs.lastMessage();
    }
    FakeDialogs dialogs;
    TestLab lab;
    labframe::LabFormat format;
};

TEST_F(LabFormatTest, FormatOfAWindowListsTheBaseButtonsFirst)
{
    EXPECT_EQ(format.controls.mid(0, 4), labframe::BaseLabControls());
    EXPECT_TRUE(labframe::RegisterLabFormat(format));
    EXPECT_NE(labframe::FindLabFormat(6), nullptr);
    format.number = 7;
    EXPECT_FALSE(labframe::RegisterLabFormat(format)); // not in the lab table
    EXPECT_EQ(labframe::FindLabFormat(7), nullptr);
    labframe::ReleaseLabFormats();
    EXPECT_EQ(labframe::FindLabFormat(6), nullptr);
}

// The check without a window refuses exactly the files the window refuses,
// with its message, at the line where the window stopped reading.
TEST_F(LabFormatTest, CheckAgreesWithTheWindow)
{
    struct Case {
        QStringList lines;
        int refusedAt; // 0: loads
    };
    const QList<Case> cases{
        {{"6", "edName=x", "#", "engine"}, 0},
        {{"6", "cbKind=7", "rgMode=-1", "tvTopics=40", "sgData=0 0 ", "pnPicture=1 1", "#"}, 0},
        {{"6", "unknown=zz", "seCount=abc", "Timer1=x", "btTool=1", "#"}, 0},
        {{"6x"}, 1},
        {{"3", "#"}, 1},
        {{"6", "edName=x", "cbKind=1x", "#"}, 3},
        {{"6", "sgData=2000 2000 |", "#"}, 2},
        {{"6", "pnPicture=10", "#"}, 2},
        {{"6", "tvTopics=", "#"}, 2},
        {{"6", "rgMode=99999999999", "#"}, 2},
        {{"6", "edName=x", "#", "ok", "refuse"}, 4},
        {{"6", "#", "refuse"}, 3},
        // An engine that names the record it refuses is reported at that line.
        {{"6", "edName=x", "#", "ok", "ok", "bad record"}, 6},
        {{"6", "#", "bad record"}, 3},
    };
    for (const Case& c : cases) {
        const QString text = Text(c.lines);
        const QString shown = windowSays(text);
        const auto refusal = CheckLabText(format, text);
        EXPECT_EQ(refusal.has_value(), !shown.isEmpty()) << c.lines.join('|').toStdString();
        if (!refusal) continue;
        // The window names the line in its message; the check gives it apart.
        const QString withLine = QStringLiteral("Строка %1: %2").arg(refusal->line).arg(refusal->message);
        EXPECT_TRUE(shown == refusal->message || shown == withLine) << c.lines.join('|').toStdString();
        EXPECT_EQ(refusal->line, c.refusedAt) << c.lines.join('|').toStdString();
    }
}
