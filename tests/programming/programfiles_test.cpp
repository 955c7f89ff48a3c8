#include "programming/programpaths.h"
#include "programming/programsettings.h"
#include "programming/programtext.h"
#include "base/paths.h"
#include "support/testsupport.h"
#include <QDir>
#include <QFileInfo>

using namespace programming;

namespace {
const QString kUser = QStringLiteral("USERS\\00000001\\");
const QString kRussianComment = QStringLiteral("{ Наибольший общий делитель: алгоритм Евклида }\r\nbegin end.\r\n");
} // namespace

TEST(ProgramText, RussianCommentRoundTripsThroughTheDosPage)
{
    const QByteArray dos = EncodeProgram(kRussianComment, TextEncoding::Dos);
    // "Н" is 0x8D in the DOS page and 0xCD in the Windows page.
    EXPECT_EQ(dos.mid(2, 1), QByteArray("\x8D"));
    EXPECT_EQ(DecodeProgram(dos, TextEncoding::Dos), kRussianComment);
    const QByteArray windows = EncodeProgram(kRussianComment, TextEncoding::Windows);
    EXPECT_EQ(windows.mid(2, 1), QByteArray("\xCD"));
    EXPECT_EQ(DecodeProgram(windows, TextEncoding::Windows), kRussianComment);
}

TEST(ProgramText, WritesCrLfAndQuestionMarksForCharactersThePageLacks)
{
    EXPECT_EQ(EncodeProgram(QStringLiteral("a\nb\rc\r\nd"), TextEncoding::Dos), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
    EXPECT_EQ(EncodeProgram(QStringLiteral("x := 1 € 2; ё"), TextEncoding::Dos), QByteArray("x := 1 ? 2; \xF1\r\n"));
    // Box drawing of text-mode screens is part of the DOS page.
    EXPECT_EQ(DecodeProgram(QByteArray("\xC9\xCD\xBB"), TextEncoding::Dos), QStringLiteral("╔═╗"));
    EXPECT_EQ(EncodeProgram(QString(), TextEncoding::Dos), QByteArray());
}

class ProgramFiles : public ProgramFolderTest {};

TEST_F(ProgramFiles, WritesIntoMissingFoldersAndReadsBack)
{
    const QString path = kUser + QStringLiteral("A05\\012.PAS");
    ASSERT_TRUE(WriteProgram(path, kRussianComment, TextEncoding::Dos));
    EXPECT_EQ(readBytes(path), EncodeProgram(kRussianComment, TextEncoding::Dos));
    EXPECT_EQ(ReadProgram(path, TextEncoding::Dos), kRussianComment);
    EXPECT_EQ(ReadProgram(kUser + QStringLiteral("none.PAS"), TextEncoding::Dos), std::nullopt);
}

TEST_F(ProgramFiles, FailedWriteIsTold)
{
    // A folder where the file should be: no user, not even the superuser, can write it.
    const QString path = kUser + QStringLiteral("TMP.PAS");
    ASSERT_TRUE(QDir().mkpath(real(path)));
    EXPECT_FALSE(WriteProgram(path, QStringLiteral("new"), TextEncoding::Windows));
    EXPECT_TRUE(QFileInfo(real(path)).isDir());
}

struct OwnProgramCase {
    const char* name;
    QString taskCode;
    QString extension;
    QString path;
};

class OwnProgram : public ::testing::TestWithParam<OwnProgramCase> {};

TEST_P(OwnProgram, IsStoredPerUserAndTask)
{
    EXPECT_EQ(OwnProgramPath(kUser, GetParam().taskCode, GetParam().extension), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OwnProgram,
    ::testing::Values(OwnProgramCase{"no_task", QString(), QStringLiteral("PAS"), kUser + QStringLiteral("TMP.PAS")},
                      OwnProgramCase{"task", QStringLiteral("A05\\012"), QStringLiteral("PAS"), kUser + QStringLiteral("A05\\012.PAS")},
                      OwnProgramCase{"other_extension", QStringLiteral("A05\\012"), QStringLiteral("pp"), kUser + QStringLiteral("A05\\012.pp")},
                      OwnProgramCase{"parent_folder", QStringLiteral("..\\..\\DATA\\users"), QStringLiteral("PAS"), kUser + QStringLiteral("TMP.PAS")},
                      OwnProgramCase{"root", QStringLiteral("\\etc\\x"), QStringLiteral("PAS"), kUser + QStringLiteral("TMP.PAS")},
                      OwnProgramCase{"drive", QStringLiteral("C:\\x"), QStringLiteral("PAS"), kUser + QStringLiteral("TMP.PAS")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PairedProgram, ReplacesTheLabFileExtension)
{
    EXPECT_EQ(PairedProgramPath(QStringLiteral("/home/a/work.LAB"), QStringLiteral("PAS")), QStringLiteral("/home/a/work.PAS"));
    EXPECT_EQ(PairedProgramPath(QStringLiteral("/home/a/work.lb"), QStringLiteral("PAS")), QStringLiteral("/home/a/work.PAS"));
    EXPECT_EQ(PairedProgramPath(QStringLiteral("/home/a.b/work"), QStringLiteral("PAS")), QStringLiteral("/home/a.b/work.PAS"));
    EXPECT_EQ(PairedProgramPath(QStringLiteral("/home/a/.LAB"), QStringLiteral("PAS")), QStringLiteral("/home/a/.LAB.PAS"));
    EXPECT_EQ(ExampleCopyPath(kUser, QStringLiteral("PAS")), kUser + QStringLiteral("TMP.PAS"));
}

namespace {
QString FindFp(const QString& name) { return name == QStringLiteral("fp") ? QStringLiteral("/usr/bin/fp") : QString(); }
QString FindNothing(const QString&) { return {}; }
} // namespace

struct SettingsCase {
    const char* name;
    QStringList lines;
    ProgramSettings expected;
};

class SettingsLinesTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsLinesTest, FallBackToDefaultsLineByLine)
{
    EXPECT_EQ(ReadSettings(GetParam().lines, DefaultSettings(FindFp)), GetParam().expected);
}

const QString kFp = QStringLiteral("/usr/bin/fp");
const QString kFreePascal = QStringLiteral("Free Pascal");

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsLinesTest,
    ::testing::Values(
        SettingsCase{"empty_file", {}, {kFp, QStringLiteral("PAS"), kFreePascal, TextEncoding::Dos}},
        SettingsCase{"all_four",
                     {QStringLiteral("/opt/ide/bin/ide"), QStringLiteral("pp"), QStringLiteral("Моя среда"), QStringLiteral("1")},
                     {QStringLiteral("/opt/ide/bin/ide"), QStringLiteral("pp"), QStringLiteral("Моя среда"), TextEncoding::Windows}},
        SettingsCase{"chosen_none", {QString()}, {QString(), QStringLiteral("PAS"), kFreePascal, TextEncoding::Dos}},
        SettingsCase{"bad_extension",
                     {kFp, QStringLiteral("../x"), QString(), QStringLiteral("7")},
                     {kFp, QStringLiteral("PAS"), kFreePascal, TextEncoding::Dos}},
        SettingsCase{"dotted_extension", {kFp, QStringLiteral(".PAS")}, {kFp, QStringLiteral("PAS"), kFreePascal, TextEncoding::Dos}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramSettingsDefaults, FreePascalWhenInstalledElseNone)
{
    EXPECT_EQ(DefaultSettings(FindFp).environment, kFp);
    EXPECT_TRUE(DefaultSettings(FindNothing).environment.isEmpty());
    EXPECT_EQ(DefaultSettings(FindNothing).extension, QStringLiteral("PAS"));
}

TEST_F(ProgramFiles, SettingsAreStoredInTheUsersFolderAsFourLines)
{
    EXPECT_EQ(LoadSettings(kUser, FindFp), DefaultSettings(FindFp));
    const ProgramSettings chosen{QStringLiteral("/opt/my ide/ide"), QStringLiteral("pas"), QStringLiteral("Среда"), TextEncoding::Windows};
    ASSERT_TRUE(SaveSettings(kUser, chosen));
    EXPECT_EQ(readBytes(kUser + QStringLiteral("Programs\\Config.txt")),
              cp1251Lines({QStringLiteral("/opt/my ide/ide"), QStringLiteral("pas"), QStringLiteral("Среда"), QStringLiteral("1")}));
    EXPECT_EQ(LoadSettings(kUser, FindNothing), chosen);
}
