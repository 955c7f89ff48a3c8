#include "base/apperror.h"
#include "base/random.h"
#include "base/textutil.h"
#include "support/testsupport.h"
#include "users/register.h"
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

using users::Register;

namespace {
const QStringList kSample = {
    QStringLiteral("Пользователи"),
    QStringLiteral("\tАдминистратор"),
    QStringLiteral("\t\t00000000 SYSADMIN$46802135"),
    QStringLiteral("\tПреподаватель"),
    QStringLiteral("\t\t27182818 Ольга Смирнова$euler"),
    QStringLiteral("\t5 А"),
    QStringLiteral("\t\t10000501 Алексей Иванов$1111"),
    QStringLiteral("\t\t10000502 Мария Кузнецова$2222"),
    QStringLiteral("\t6 Б"),
};

class RegisterTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines(QStringLiteral("DATA\\users.txt"), kSample);
        reg.LoadRegister();
    }
    QByteArray registerBytes() const { return readBytes(QStringLiteral("DATA\\users.txt")); }
    // The error message of a step that must fail.
    template <typename F> QString failure(F step)
    {
        try {
            step();
        } catch (const base::AppError& error) {
            return error.message();
        }
        return {};
    }

    Register reg;
};
} // namespace

TEST(UserEntry, SplitsAsTheLoginReadsIt)
{
    const auto plain = users::SplitUserEntry(QStringLiteral("10000501 Алексей Иванов$1111"));
    EXPECT_EQ(plain.id, QStringLiteral("10000501"));
    EXPECT_EQ(plain.name, QStringLiteral("Алексей Иванов"));
    EXPECT_EQ(plain.password, QStringLiteral("1111"));
    // Spaces before "$" stay with the name; spaces around the password go.
    const auto spaced = users::SplitUserEntry(QStringLiteral("  7 Иван $  secret  "));
    EXPECT_EQ(spaced.id, QStringLiteral("7"));
    EXPECT_EQ(spaced.name, QStringLiteral("Иван "));
    EXPECT_EQ(spaced.password, QStringLiteral("secret"));
    // Without "$" the rest is the name and the password is empty.
    const auto bare = users::SplitUserEntry(QStringLiteral("8 Пётр"));
    EXPECT_EQ(bare.name, QStringLiteral("Пётр"));
    EXPECT_TRUE(bare.password.isEmpty());
}

TEST(UserEntry, PlainIdentifiersAndStaffClasses)
{
    EXPECT_TRUE(users::IsPlainIdentifier(QStringLiteral("00000000")));
    EXPECT_TRUE(users::IsPlainIdentifier(QStringLiteral("ab-12_C")));
    for (const char* bad : {"", ".", "..", "\\", "/", "a\\b", "a/b", "a b", "a$b", "a.b", "Ж12"})
        EXPECT_FALSE(users::IsPlainIdentifier(QString::fromUtf8(bad))) << bad;
    EXPECT_TRUE(users::IsStaffClass(QStringLiteral("Классный руководитель")));
    EXPECT_FALSE(users::IsStaffClass(QStringLiteral("преподаватель"))); // exact comparison
}

TEST_F(RegisterTest, LoadAndSaveKeepTheFileByteForByte)
{
    EXPECT_EQ(reg.rootText(), QStringLiteral("Пользователи"));
    EXPECT_EQ(reg.classNames(), QStringList({QStringLiteral("Администратор"), QStringLiteral("Преподаватель"),
                                             QStringLiteral("5 А"), QStringLiteral("6 Б")}));
    const auto pupils = reg.classUsers(2);
    EXPECT_EQ(pupils.ids, QStringList({QStringLiteral("10000501"), QStringLiteral("10000502")}));
    EXPECT_EQ(pupils.passwords, QStringList({QStringLiteral("1111"), QStringLiteral("2222")}));
    EXPECT_EQ(reg.userCount(3), 0);
    EXPECT_EQ(reg.classUsers(9).count(), 0);
    reg.SaveRegister();
    EXPECT_EQ(registerBytes(), cp1251Lines(kSample));
}

TEST_F(RegisterTest, SpaceIndentationIsReadAndWrittenBackAsTabs)
{
    writeLines(QStringLiteral("DATA\\users.txt"), {QStringLiteral("Root"), QStringLiteral(" A"), QStringLiteral("  1 X$p")});
    reg.LoadRegister();
    reg.SaveRegister();
    EXPECT_EQ(registerBytes(), QByteArray("Root\r\n\tA\r\n\t\t1 X$p\r\n"));
}

TEST_F(RegisterTest, ARootWithoutTextIsSavedSoThatItReadsBack)
{
    writeLines(QStringLiteral("DATA\\users.txt"), {QStringLiteral("\t"), QStringLiteral("\tA"), QStringLiteral("\t\t1 X$p")});
    reg.LoadRegister();
    EXPECT_EQ(reg.classNames(), QStringList{QStringLiteral("A")});
    reg.AddClass(QStringLiteral("B")); // saved and read back
    EXPECT_EQ(reg.classNames(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(reg.classUsers(0).names, QStringList{QStringLiteral("X")});
}

TEST_F(RegisterTest, ImportedRegisterFileWinsAtEveryLoadAndSave)
{
    EXPECT_EQ(users::RegisterFile(), QStringLiteral("DATA\\users.txt"));
    writeLines(QStringLiteral("DATA\\usersvt.txt"), {QStringLiteral("Пользователи"), QStringLiteral("\tАдминистратор")});
    EXPECT_EQ(users::RegisterFile(), QStringLiteral("DATA\\usersvt.txt"));
    reg.LoadRegister();
    EXPECT_EQ(reg.classNames(), QStringList{QStringLiteral("Администратор")});
    reg.AddClass(QStringLiteral("7 В"));
    EXPECT_EQ(readBytes(QStringLiteral("DATA\\usersvt.txt")),
              cp1251Lines({QStringLiteral("Пользователи"), QStringLiteral("\tАдминистратор"), QStringLiteral("\t7 В")}));
    EXPECT_EQ(registerBytes(), cp1251Lines(kSample)); // users.txt no longer used
}

TEST_F(RegisterTest, BrokenOrMissingFileGivesAMessageAndKeepsTheTree)
{
    writeLines(QStringLiteral("DATA\\users.txt"), {QStringLiteral("Root"), QStringLiteral("\t\tToo deep")});
    const QString broken = failure([&] { reg.LoadRegister(); });
    EXPECT_TRUE(broken.startsWith(QStringLiteral("Ошибка в списке пользователей (DATA\\users.txt)"))) << broken.toStdString();
    EXPECT_TRUE(broken.contains(QStringLiteral("Invalid level (2) for item \"Too deep\""))) << broken.toStdString();
    EXPECT_EQ(reg.classCount(), 4);

    QFile::remove(real(QStringLiteral("DATA\\users.txt")));
    EXPECT_EQ(failure([&] { reg.LoadRegister(); }), QStringLiteral("Не удается открыть файл \"DATA\\users.txt\""));
    EXPECT_EQ(reg.classCount(), 4);
}

TEST_F(RegisterTest, ClassesAreAddedRenamedAndDeletedInTheFile)
{
    reg.AddClass(QStringLiteral("7 В"));
    reg.RenameClass(2, QStringLiteral("5 А (мат.)"));
    reg.DeleteClass(3); // "6 Б" has no users
    QStringList expected = kSample;
    expected[5] = QStringLiteral("\t5 А (мат.)");
    expected[8] = QStringLiteral("\t7 В");
    EXPECT_EQ(registerBytes(), cp1251Lines(expected));
    EXPECT_EQ(reg.classUsers(2).count(), 2); // renaming keeps the users
}

TEST_F(RegisterTest, ProtectionRulesRefuseAndLeaveTheFileAlone)
{
    EXPECT_EQ(reg.CheckDeleteClass(0), QStringLiteral("Этот класс не удаляем!"));
    EXPECT_EQ(reg.CheckDeleteClass(1), QStringLiteral("Этот класс не удаляем!"));
    EXPECT_EQ(reg.CheckDeleteClass(2), QStringLiteral("Сначала удалите всех учеников в этом классе"));
    EXPECT_TRUE(reg.CheckDeleteClass(3).isEmpty());
    EXPECT_EQ(reg.CheckRenameClass(1), QStringLiteral("Этот класс не изменяем!"));
    EXPECT_TRUE(reg.CheckRenameClass(2).isEmpty());
    EXPECT_EQ(reg.CheckDeleteUser(0, 0), QStringLiteral("Этот пользователь не удаляем!"));
    EXPECT_EQ(reg.CheckUpdateUser(0, 0), QStringLiteral("Этот пользователь не изменяем!"));
    EXPECT_TRUE(reg.CheckDeleteUser(1, 0).isEmpty());

    EXPECT_EQ(failure([&] { reg.DeleteClass(1); }), QStringLiteral("Этот класс не удаляем!"));
    EXPECT_EQ(failure([&] { reg.DeleteClass(2); }), QStringLiteral("Сначала удалите всех учеников в этом классе"));
    EXPECT_EQ(failure([&] { reg.RenameClass(0, QStringLiteral("X")); }), QStringLiteral("Этот класс не изменяем!"));
    EXPECT_EQ(failure([&] { reg.DeleteUser(0, 0); }), QStringLiteral("Этот пользователь не удаляем!"));
    EXPECT_EQ(failure([&] { reg.UpdateUser(0, 0, QStringLiteral("X"), QStringLiteral("Y")); }),
              QStringLiteral("Этот пользователь не изменяем!"));
    EXPECT_EQ(registerBytes(), cp1251Lines(kSample));
}

TEST_F(RegisterTest, UsersAreAddedEditedWithTheirIdentifierKeptAndDeleted)
{
    reg.AddUser(3, QStringLiteral("12345678"), QStringLiteral("pw"), QStringLiteral("Иван Лебедев"));
    reg.UpdateUser(2, 1, QStringLiteral("Мария Кузнецова-Орлова"), QStringLiteral("new"));
    QStringList expected = kSample;
    expected[7] = QStringLiteral("\t\t10000502 Мария Кузнецова-Орлова$new");
    expected.append(QStringLiteral("\t\t12345678 Иван Лебедев$pw"));
    EXPECT_EQ(registerBytes(), cp1251Lines(expected));

    // Deleting the only user of a class, then the class, works.
    reg.DeleteUser(3, 0);
    reg.DeleteClass(3);
    expected.removeLast();
    expected.removeLast();
    EXPECT_EQ(registerBytes(), cp1251Lines(expected));
}

TEST_F(RegisterTest, DeletingAUserRemovesOnlyThatUsersFolder)
{
    writeLines(QStringLiteral("USERS\\10000501\\results.txt"), {QStringLiteral("A05\\012=1  1    10 07.03.2004")});
    writeLines(QStringLiteral("USERS\\10000502\\results.txt"), {QStringLiteral("x=y")});
    EXPECT_TRUE(reg.DeleteUser(2, 0));
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("USERS\\10000501"))));
    EXPECT_TRUE(QFileInfo::exists(real(QStringLiteral("USERS\\10000502\\results.txt"))));
    // A user whose folder does not exist is deleted all the same.
    EXPECT_TRUE(reg.DeleteUser(1, 0));
    EXPECT_EQ(reg.userCount(1), 0);
}

TEST_F(RegisterTest, IdentifiersThatNameNoOneFolderAreRefusedWhenRead)
{
    const QByteArray before = registerBytes();
    // Hand-edited lines whose identifiers would send a user's files to
    // "USERS\" itself, the program folder or above it.
    for (const char* bad : {"..", "..\\..\\x", "/tmp", "a.b", "x$y"}) {
        writeLines(QStringLiteral("DATA\\users.txt"),
                   {QStringLiteral("R"), QStringLiteral("\tA"), QStringLiteral("\t\t00000000 SYSADMIN$1"),
                    QStringLiteral("\tB"), QString::fromUtf8("\t\t") + QString::fromUtf8(bad) + QStringLiteral(" Злой$1")});
        const QString message = failure([&] { reg.LoadRegister(); });
        EXPECT_TRUE(message.contains(QStringLiteral("не годится для имени папки"))) << bad << message.toStdString();
        EXPECT_EQ(reg.classNames(), QStringList({QStringLiteral("Администратор"), QStringLiteral("Преподаватель"),
                                                 QStringLiteral("5 А"), QStringLiteral("6 Б")})) << bad;
    }
    writeBytes(QStringLiteral("DATA\\users.txt"), before);
    // Typed by a caller: refused before anything is written, as is a "$" in a name.
    EXPECT_FALSE(failure([&] { reg.AddUser(2, QStringLiteral(".."), QString(), QStringLiteral("Злой")); }).isEmpty());
    EXPECT_FALSE(failure([&] { reg.AddUser(2, QStringLiteral("77"), QString(), QStringLiteral("Иван$1")); }).isEmpty());
    EXPECT_FALSE(failure([&] { reg.UpdateUser(2, 0, QStringLiteral("Иван$1"), QString()); }).isEmpty());
    EXPECT_EQ(registerBytes(), before);
    EXPECT_EQ(reg.userCount(2), 2);
}

TEST_F(RegisterTest, IdentifiersThatAreNotOneUsersFolderKeepEveryFolder)
{
    // A tree that did not come through the reader: identifiers that would
    // name "USERS\" itself, the program folder or a folder shared with
    // another user.
    const auto user = [](const char* text) { return base::TreeNode{QString::fromUtf8(text), {}}; };
    std::vector<base::TreeNode> tree{
        {QStringLiteral("R"),
         {{QStringLiteral("A"), {user("00000000 SYSADMIN$1")}},
          {QStringLiteral("B"),
           {user("..  Точки$1"), user("\\ Черта$1"), user("/ Дробь$1"), user(""), user("55 Первый$1"),
            user("55 Второй$1")}}}}};
    reg.setTree(std::move(tree));
    writeLines(QStringLiteral("DATA\\users.txt"), base::WriteTreeText(reg.tree()));
    writeLines(QStringLiteral("USERS\\55\\results.txt"), {QStringLiteral("x=y")});
    writeLines(QStringLiteral("keep.txt"), {QStringLiteral("program folder file")});
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(reg.DeleteUser(1, 0)) << i;
    EXPECT_FALSE(reg.DeleteUser(1, 0)); // "55" is shared with the next user
    EXPECT_TRUE(QFileInfo::exists(real(QStringLiteral("USERS\\55\\results.txt"))));
    EXPECT_TRUE(QFileInfo::exists(real(QStringLiteral("keep.txt"))));
    EXPECT_TRUE(QFileInfo::exists(real(QStringLiteral("DATA\\users.txt"))));
    EXPECT_EQ(reg.userCount(1), 1); // the nodes went
    EXPECT_TRUE(reg.DeleteUser(1, 0)); // now "55" is one user's folder
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("USERS\\55"))));
}

TEST_F(RegisterTest, NewIdentifiersAreDrawnAgainWhileTaken)
{
    base::SetRandomSeed(777);
    const QString first = base::RandomDigits(8);
    const QString second = base::RandomDigits(8);
    const QString third = base::RandomDigits(8);
    base::SetRandomSeed(777);
    EXPECT_EQ(reg.NewUserId(), first);

    reg.AddUser(3, first, QString(), QStringLiteral("Занял"));
    QDir().mkpath(real(QStringLiteral("USERS\\")) + second); // a folder left over
    base::SetRandomSeed(777);
    const QString id = reg.NewUserId();
    EXPECT_EQ(id, third);
    EXPECT_EQ(id.size(), 8);
}

TEST_F(RegisterTest, FailedSaveIsReportedAndTheChangeStaysInMemory)
{
    QFile::remove(real(QStringLiteral("DATA\\users.txt")));
    QDir().mkpath(real(QStringLiteral("DATA\\users.txt"))); // a folder where the file should be
    const QString message = failure([&] { reg.AddClass(QStringLiteral("7 В")); });
    EXPECT_EQ(message, base::SharedChangeMessage(base::SharedChangeStatus::Failed, QStringLiteral("DATA\\users.txt")));
    EXPECT_EQ(reg.className(4), QStringLiteral("7 В"));
    EXPECT_EQ(reg.pendingChanges(), 1);
    // Once the file can be written, the next change writes the kept one first.
    QDir(real(QStringLiteral("DATA\\users.txt"))).removeRecursively();
    writeLines(QStringLiteral("DATA\\users.txt"), {QStringLiteral("Пользователи"), QStringLiteral("\tАдминистратор")});
    reg.AddClass(QStringLiteral("8 А"));
    EXPECT_EQ(reg.classNames(), (QStringList{QStringLiteral("Администратор"), QStringLiteral("7 В"), QStringLiteral("8 А")}));
    EXPECT_EQ(reg.pendingChanges(), 0);
}

// Two administrators on two machines, each with the register as it was
// when loaded: neither change undoes the other's.
TEST_F(RegisterTest, ChangesFromTwoMachinesBothLand)
{
    Register other;
    other.LoadRegister();
    reg.AddUser(2, QStringLiteral("10000503"), QStringLiteral("3"), QStringLiteral("Пётр Орлов"));
    other.AddClass(QStringLiteral("7 В"));               // does not know the new pupil
    other.RenameClass(2, QStringLiteral("5 А (физмат)")); // nor does the rename lose him
    other.UpdateUser(2, 1, QStringLiteral("Мария Кузнецова"), QStringLiteral("new"));
    reg.DeleteUser(2, 0);                                  // reg still has the old class name
    reg.LoadRegister();
    EXPECT_EQ(reg.classNames(), (QStringList{"Администратор", "Преподаватель", "5 А (физмат)", "6 Б", "7 В"}));
    EXPECT_EQ(reg.classUsers(2).ids, (QStringList{"10000502", "10000503"}));
    EXPECT_EQ(reg.classUsers(2).passwords, (QStringList{"new", "3"}));
}

TEST_F(RegisterTest, ProtectionRulesHoldOnTheFileAsItIsNow)
{
    Register other;
    other.LoadRegister();
    reg.AddUser(3, QStringLiteral("10000601"), QStringLiteral("1"), QStringLiteral("Новый ученик"));
    other.DeleteClass(3); // empty when other looked, not any more
    other.LoadRegister();
    EXPECT_EQ(other.className(3), QStringLiteral("6 Б"));
    EXPECT_EQ(other.userCount(3), 1);
    // A class deleted meanwhile is not brought back by a rename.
    Register third;
    third.LoadRegister();
    reg.DeleteUser(3, 0);
    reg.DeleteClass(3);
    third.RenameClass(3, QStringLiteral("6 В"));
    EXPECT_EQ(third.classNames(), (QStringList{"Администратор", "Преподаватель", "5 А"}));
}

TEST_F(RegisterTest, BusyRegisterKeepsTheChangeAndSaysSo)
{
    reg.setSharedTimes({100, 20000});
    {
        QLockFile held(real(QStringLiteral("DATA\\users.txt")) + QStringLiteral(".lock"));
        ASSERT_TRUE(held.tryLock(0));
        const QString message = failure([&] { reg.AddClass(QStringLiteral("7 В")); });
        EXPECT_EQ(message, base::SharedChangeMessage(base::SharedChangeStatus::Busy, QStringLiteral("DATA\\users.txt")));
        EXPECT_EQ(reg.className(4), QStringLiteral("7 В"));
        EXPECT_EQ(registerBytes(), cp1251Lines(kSample));
    }
    reg.AddClass(QStringLiteral("8 А"));
    EXPECT_EQ(registerBytes(), cp1251Lines(kSample + QStringList{"\t7 В", "\t8 А"}));
}

TEST_F(RegisterTest, UserDeletedWhileTheRegisterIsBusyLosesTheFolderOnceTheChangeIsWritten)
{
    reg.setSharedTimes({100, 20000});
    const QString folder = real(QStringLiteral("USERS\\10000501"));
    writeLines(QStringLiteral("USERS\\10000501\\results.txt"), {QStringLiteral("A05\\012=1  1    10 07.03.2004")});
    {
        QLockFile held(real(QStringLiteral("DATA\\users.txt")) + QStringLiteral(".lock"));
        ASSERT_TRUE(held.tryLock(0));
        EXPECT_FALSE(failure([&] { reg.DeleteUser(2, 0); }).isEmpty());
        // The file still lists the user: the work stays.
        EXPECT_TRUE(QFileInfo::exists(folder));
        EXPECT_EQ(registerBytes(), cp1251Lines(kSample));
    }
    EXPECT_EQ(reg.WritePending(), 0);
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_FALSE(reg.IdentifierInRegister(QStringLiteral("10000501")));
}
