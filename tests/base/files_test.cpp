#include "base/apperror.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "support/testsupport.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace base;

class BaseFiles : public ProgramFolderTest {};

TEST_F(BaseFiles, ResolverMatchesEveryComponentWithoutRegardToCase)
{
    writeLines(QStringLiteral("ZADS/A05/htm.cfg"), {QStringLiteral("x")});
    writeLines(QStringLiteral("ZADS/Тема/Страница.htm"), {QStringLiteral("y")});
    EXPECT_TRUE(base::FileExists(QStringLiteral("zads\\a05\\HTM.CFG")));
    EXPECT_TRUE(base::RealPath(QStringLiteral("zads\\a05\\HTM.CFG")).endsWith(QStringLiteral("/ZADS/A05/htm.cfg")));
    EXPECT_TRUE(base::FileExists(QStringLiteral("ZADS\\ТЕМА\\страница.HTM")));
    EXPECT_TRUE(base::FolderExists(QStringLiteral("Zads\\")));
    EXPECT_FALSE(base::FileExists(QStringLiteral("ZADS\\A05")));
    // New names keep the spelling given, below the existing part resolved.
    EXPECT_TRUE(base::RealPath(QStringLiteral("zads\\New\\File.TXT")).endsWith(QStringLiteral("/ZADS/New/File.TXT")));
    EXPECT_TRUE(base::RealPath(QStringLiteral("USERS\\1\\")).endsWith(QStringLiteral("/USERS/1/")));
}

TEST_F(BaseFiles, TextIsWindows1251WithCrLf)
{
    EXPECT_FALSE(base::WriteLines(QStringLiteral("DATA\\t.txt"), {QStringLiteral("x")})); // no folder yet
    base::ForceFolder(QStringLiteral("DATA\\"));
    ASSERT_TRUE(base::WriteLines(QStringLiteral("DATA\\t.txt"), {QStringLiteral("Привет"), QString(), QStringLiteral("≤ё")}));
    EXPECT_EQ(readBytes(QStringLiteral("DATA/t.txt")), QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2\r\n\r\n?\xB8\r\n"));
    const QStringList lines = base::ReadLines(QStringLiteral("data\\T.TXT"));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("Привет"), QString(), QStringLiteral("?ё")}));
}

TEST_F(BaseFiles, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) all += char(b);
    EXPECT_EQ(base::EncodeCp1251(base::DecodeCp1251(all)), all);
    EXPECT_EQ(base::SplitLines(QStringLiteral("a\rb\nc\r\nd\r\n")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
}

TEST_F(BaseFiles, MissingRequiredFileRaisesAndFailedWriteKeepsOldFile)
{
    EXPECT_THROW(base::ReadLines(QStringLiteral("DATA\\none.txt")), base::AppError);
    EXPECT_FALSE(base::TryReadLines(QStringLiteral("DATA\\none.txt")).has_value());

    writeLines(QStringLiteral("DATA/keep.txt"), {QStringLiteral("old")});
    QFile::setPermissions(real(QStringLiteral("DATA")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool written = base::WriteLines(QStringLiteral("DATA\\keep.txt"), {QStringLiteral("new")});
    QFile::setPermissions(real(QStringLiteral("DATA")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!written) { // root ignores permissions; elsewhere the write must fail cleanly
        EXPECT_EQ(readBytes(QStringLiteral("DATA/keep.txt")), QByteArray("old\r\n"));
    }
}

TEST_F(BaseFiles, FolderHelpers)
{
    EXPECT_THROW(base::ForceFolder(QString()), base::AppError);
    base::ForceFolder(QStringLiteral("USERS\\12345678\\sub\\"));
    EXPECT_TRUE(base::FolderExists(QStringLiteral("USERS\\12345678\\sub")));

    writeLines(QStringLiteral("ZADS/00000000/LESS0002.TXT"), {});
    writeLines(QStringLiteral("ZADS/00000000/less0001.txt"), {});
    writeLines(QStringLiteral("ZADS/00000000/.hidden.txt"), {});
    writeLines(QStringLiteral("ZADS/00000000/other.htm"), {});
    EXPECT_EQ(base::ListFiles(QStringLiteral("ZADS\\00000000\\*.TXT")),
              (QStringList{QStringLiteral("less0001.txt"), QStringLiteral("LESS0002.TXT")}));

    writeLines(QStringLiteral("DLL/a.txt"), {QStringLiteral("1")});
    writeLines(QStringLiteral("DLL/sub/b.txt"), {QStringLiteral("2")});
    writeLines(QStringLiteral("DLL/.git/c.txt"), {QStringLiteral("3")});
    writeLines(QStringLiteral("OUT/a.txt"), {QStringLiteral("old")});
    QFile::setPermissions(real(QStringLiteral("OUT/a.txt")), QFileDevice::ReadOwner);
    base::CopyFolder(QStringLiteral("DLL\\"), QStringLiteral("OUT\\"));
    EXPECT_EQ(readBytes(QStringLiteral("OUT/a.txt")), QByteArray("1\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("OUT/sub/b.txt")), QByteArray("2\r\n"));
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("OUT/.git"))));
    EXPECT_TRUE(QFileInfo(real(QStringLiteral("OUT/a.txt"))).isWritable());

    base::DeleteFolder(QStringLiteral("OUT\\"));
    EXPECT_FALSE(base::FolderExists(QStringLiteral("OUT")));
    base::DeleteFolder(QStringLiteral("NOWHERE\\")); // ignored
}

TEST_F(BaseFiles, ScratchFilesAreReplacedWholeAndLeaveNoPartialFile)
{
    base::ForceFolder(QStringLiteral("TEMP\\"));
    ASSERT_TRUE(base::WriteScratchBytes(QStringLiteral("TEMP\\1.GIF"), "first"));
    ASSERT_TRUE(base::WriteScratchBytes(QStringLiteral("temp\\1.gif"), "second picture"));
    EXPECT_EQ(readBytes(QStringLiteral("TEMP/1.GIF")), QByteArray("second picture"));
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("TEMP/1.GIF.part"))));

    // No folder: nothing written. A folder in the file's place: it stays, and
    // no partial file is left beside it.
    EXPECT_FALSE(base::WriteScratchBytes(QStringLiteral("NONE\\1.GIF"), "x"));
    base::ForceFolder(QStringLiteral("TEMP\\2.GIF\\"));
    EXPECT_FALSE(base::WriteScratchBytes(QStringLiteral("TEMP\\2.GIF"), "x"));
    EXPECT_TRUE(QFileInfo(real(QStringLiteral("TEMP/2.GIF"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("TEMP/2.GIF.part"))));
}
