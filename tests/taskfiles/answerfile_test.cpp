#include "base/textfile.h"
#include "support/testsupport.h"
#include "taskfiles/answerfile.h"
#include <gtest/gtest.h>

using namespace tasks;

TEST(AnswerFile, ValuesWithLineBreaksAndBackslashesComeBackWhole)
{
    const QStringList values{"", "5", "строка 1\r\nстрока 2", "a\nb\rc", "C:\\new\\rate", "\\", "\\\\n", "end\\",
                             "\r\n\r\n", "x=y"};
    for (const QString& value : values) {
        const QString written = EscapeAnswerValue(value);
        EXPECT_FALSE(written.contains(u'\n') || written.contains(u'\r')) << written.toStdString();
        EXPECT_EQ(UnescapeAnswerValue(written), value) << written.toStdString();
    }
    EXPECT_EQ(EscapeAnswerValue("a\r\nb\\c"), "a\\r\\nb\\\\c");
}

TEST(AnswerFile, OlderFilesReadAsTheyStand)
{
    // A backslash before anything but "\", "n" or "r" was never an escape.
    EXPECT_EQ(AnswersFromFileLines({"s=A\\B", "t=x\\", "F1=[drob[1][x]]", "no value"}),
              (QStringList{"s=A\\B", "t=x\\", "F1=[drob[1][x]]", "no value"}));
    // Only values are escaped: the name keeps its text.
    EXPECT_EQ(AnswerFileLines({"story_=a\nb", "x=5"}), (QStringList{"story_=a\\nb", "x=5"}));
}

class AnswerFileOnDisk : public ProgramFolderTest {};

TEST_F(AnswerFileOnDisk, OneLinePerFieldAndTheSameAnswersBack)
{
    const QStringList answers{"x=6", "story_=Было 3 яблока,\r\nстало 5.\\конец", "note_=a\nb"};
    ASSERT_TRUE(WriteAnswerFile("T.ANS", answers));
    EXPECT_EQ(base::TryReadLines("T.ANS")->size(), answers.size());
    EXPECT_EQ(ReadAnswerFile("T.ANS"), answers);
    EXPECT_FALSE(ReadAnswerFile("none.ANS").has_value());
}
