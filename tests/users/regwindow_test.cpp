#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "ui/imagebuttons.h"
#include "users/regdialogs.h"
#include "users/regwindow.h"
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using users::TffReg;

namespace {
const QStringList kRegister = {
    QStringLiteral("Пользователи"),          QStringLiteral("\tАдминистратор"),
    QStringLiteral("\t\t00000000 SYSADMIN$46802135"), QStringLiteral("\tПреподаватель"),
    QStringLiteral("\t\t27182818 Ольга Смирнова$euler"), QStringLiteral("\t5 А"),
    QStringLiteral("\t\t10000501 Алексей Иванов$1111"), QStringLiteral("\t6 Б"),
};

class RegWindowTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines(QStringLiteral("DATA\\users.txt"), kRegister);
        window = std::make_unique<TffReg>();
        window->ShowFrom(nullptr, 2);
    }
    void TearDown() override
    {
        window.reset();
        ProgramFolderTest::TearDown();
    }
    // Focuses a list and clicks one of the image buttons.
    void clickWith(QWidget* list, ui::TMyButton* button)
    {
        list->setFocus();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Fills a dialog when it is run, and accepts it.
    template <typename Dialog, typename F> void answerDialog(F fill)
    {
        dialogs.dialogActions.push_back([fill](QDialog& dialog) {
            auto* typed = qobject_cast<Dialog*>(&dialog);
            EXPECT_NE(typed, nullptr);
            if (!typed) return int(QDialog::Rejected);
            fill(*typed);
            return int(QDialog::Accepted);
        });
    }
    QStringList items(const QListWidget* list) const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out.append(list->item(i)->text());
        return out;
    }

    FakeDialogs dialogs;
    std::unique_ptr<TffReg> window;
};
} // namespace

TEST_F(RegWindowTest, ShowsClassesAndTheUsersOfTheChosenClass)
{
    EXPECT_EQ(items(window->List1).size(), 4);
    EXPECT_EQ(window->selectedClass(), 2);
    EXPECT_EQ(items(window->List2), QStringList{QStringLiteral("Алексей Иванов")});
    window->List1->setCurrentRow(1);
    EXPECT_EQ(items(window->List2), QStringList{QStringLiteral("Ольга Смирнова")});
    EXPECT_EQ(window->shownUsers().passwords, QStringList{QStringLiteral("euler")});
}

TEST_F(RegWindowTest, ButtonsDoNothingWithoutAFocusedList)
{
    dialogs.messages.clear();
    window->setFocus();
    QTest::mouseClick(window->btAdd, Qt::LeftButton);
    QTest::mouseClick(window->btDel, Qt::LeftButton);
    QTest::mouseClick(window->btEdit, Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("DATA\\users.txt")), cp1251Lines(kRegister));
}

TEST_F(RegWindowTest, AddingAClassAndAUser)
{
    QString caption;
    answerDialog<users::TffKlass>([&](users::TffKlass& d) {
        caption = d.windowTitle();
        EXPECT_TRUE(d.edClass->text().isEmpty());
        d.edClass->setText(QStringLiteral("  7 В  "));
    });
    clickWith(window->List1, window->btAdd);
    EXPECT_EQ(caption, QStringLiteral("Добавление класса"));
    EXPECT_EQ(items(window->List1).last(), QStringLiteral("7 В"));

    window->List1->setCurrentRow(4);
    QString shownClass;
    answerDialog<users::TffUser>([&](users::TffUser& d) {
        caption = d.windowTitle();
        shownClass = d.lbClass->text();
        d.edName->setText(QStringLiteral("Пётр Орлов"));
        d.edName->setFocus();
        QTest::keyClick(d.edName, '$');
        d.edPassword->setText(QStringLiteral("p1"));
    });
    clickWith(window->List2, window->btAdd);
    EXPECT_EQ(caption, QStringLiteral("Добавление нового пользователя"));
    EXPECT_EQ(shownClass, QStringLiteral("7 В"));
    EXPECT_EQ(items(window->List2), QStringList{QStringLiteral("Пётр Орлов")}); // "$" cannot be typed
    const QString id = window->shownUsers().ids.value(0);
    EXPECT_EQ(id.size(), 8);
    QStringList expected = kRegister;
    expected << QStringLiteral("\t7 В") << QStringLiteral("\t\t") + id + QStringLiteral(" Пётр Орлов$p1");
    EXPECT_EQ(readBytes(QStringLiteral("DATA\\users.txt")), cp1251Lines(expected));
}

TEST_F(RegWindowTest, CancelledDialogChangesNothing)
{
    clickWith(window->List1, window->btAdd); // no action queued: the dialog is rejected
    clickWith(window->List2, window->btEdit);
    EXPECT_EQ(readBytes(QStringLiteral("DATA\\users.txt")), cp1251Lines(kRegister));
}

TEST_F(RegWindowTest, DeletingClassesFollowsTheRules)
{
    window->List1->setCurrentRow(1);
    clickWith(window->List1, window->btDel);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Этот класс не удаляем!"));
    window->List1->setCurrentRow(2);
    clickWith(window->List1, window->btDel);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Сначала удалите всех учеников в этом классе"));

    window->List1->setCurrentRow(3);
    clickWith(window->List1, window->btDel); // the default answer is Cancel
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0].text, QStringLiteral("Вы действительно хотите удалить класс 6 Б?"));
    EXPECT_EQ(dialogs.questions[0].caption, QStringLiteral("Удаление класса"));
    EXPECT_EQ(dialogs.questionDefaults[0], ui::Answer::Cancel);
    EXPECT_EQ(window->List1->count(), 4);

    dialogs.answers.push_back(ui::Answer::Ok);
    clickWith(window->List1, window->btDel);
    EXPECT_EQ(items(window->List1).size(), 3);
    EXPECT_EQ(readBytes(QStringLiteral("DATA\\users.txt")), cp1251Lines(kRegister.mid(0, 7)));
}

TEST_F(RegWindowTest, DeletingAndEditingUsers)
{
    writeLines(QStringLiteral("USERS\\10000501\\results.txt"), {QStringLiteral("x=y")});
    window->List1->setCurrentRow(0);
    clickWith(window->List2, window->btDel);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Этот пользователь не удаляем!"));
    clickWith(window->List2, window->btEdit);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Этот пользователь не изменяем!"));

    window->List1->setCurrentRow(2);
    QString caption, presetName, presetPassword;
    answerDialog<users::TffUser>([&](users::TffUser& d) {
        caption = d.windowTitle();
        presetName = d.edName->text();
        presetPassword = d.edPassword->text();
        d.edName->setText(QStringLiteral("Алексей Иванов-Петров"));
    });
    clickWith(window->List2, window->btEdit);
    EXPECT_EQ(caption, QStringLiteral("Изменение данных о пользователе"));
    EXPECT_EQ(presetName, QStringLiteral("Алексей Иванов"));
    EXPECT_EQ(presetPassword, QStringLiteral("1111"));
    EXPECT_EQ(window->shownUsers().ids, QStringList{QStringLiteral("10000501")});

    dialogs.answers.push_back(ui::Answer::Ok);
    clickWith(window->List2, window->btDel);
    EXPECT_EQ(dialogs.questions.last().text, QStringLiteral("Вы действительно хотите удалить пользователя Алексей Иванов-Петров?"));
    EXPECT_EQ(dialogs.questions.last().caption, QStringLiteral("Удаление пользователя"));
    EXPECT_EQ(window->List2->count(), 0);
    EXPECT_FALSE(QFileInfo::exists(real(QStringLiteral("USERS\\10000501"))));
}

TEST_F(RegWindowTest, RenamingAClass)
{
    window->List1->setCurrentRow(0);
    clickWith(window->List1, window->btEdit);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Этот класс не изменяем!"));
    window->List1->setCurrentRow(2);
    QString preset;
    answerDialog<users::TffKlass>([&](users::TffKlass& d) {
        preset = d.edClass->text();
        d.edClass->setText(QStringLiteral("5 А мат"));
    });
    clickWith(window->List1, window->btEdit);
    EXPECT_EQ(preset, QStringLiteral("5 А"));
    EXPECT_EQ(window->List1->item(2)->text(), QStringLiteral("5 А мат"));
    EXPECT_EQ(window->List2->count(), 1);
}

TEST_F(RegWindowTest, ImportReplacesTheRegisterAndReportsSkippedUsers)
{
    writeBytes(QStringLiteral("in.xml"), cp1251Lines({QStringLiteral(
        "<USERS><USER ID=\"1\" NAME=\"Вера\" PASSWORD=\"v\"><ROLE>Ученик</ROLE><CLASS>7А</CLASS></USER>"
        "<USER ID=\"..\" NAME=\"Злой\"><ROLE>Ученик</ROLE></USER>"
        "<USER ID=\"2\" NAME=\"Иван$Петров\"><ROLE>Ученик</ROLE></USER></USERS>")}));
    dialogs.files.push_back(real(QStringLiteral("in.xml")));
    QTest::mouseClick(window->btImport, Qt::LeftButton);
    EXPECT_EQ(dialogs.fileFilters, QStringList{QStringLiteral("Списки пользователей Вельта|*.XML")});
    EXPECT_EQ(items(window->List1), QStringList({QStringLiteral("Администратор"), QStringLiteral("Ученик 7А")}));
    EXPECT_EQ(window->selectedClass(), 0);
    EXPECT_EQ(items(window->List2), QStringList{QStringLiteral("SYSADMIN")});
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral(".. Злой"))) << dialogs.lastMessage().toStdString();
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral("знак \"$\"")));
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral("2 Иван$Петров")));

    dialogs.files.push_back(real(QStringLiteral("DATA\\users.txt"))); // not an import file
    QTest::mouseClick(window->btImport, Qt::LeftButton);
    EXPECT_TRUE(dialogs.lastMessage().contains(QStringLiteral("нет ни одного пользователя")));
    EXPECT_EQ(window->List1->count(), 2);
}

TEST_F(RegWindowTest, ClosingHandsTheSelectionBack)
{
    QSignalSpy spy(window.get(), &TffReg::selectionHandedBack);
    window->List1->setCurrentRow(1);
    window->close();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toInt(), 1);
    EXPECT_EQ(spy[0][1].toInt(), 0);
}

TEST_F(RegWindowTest, MissingPicturesAreNamedInOneMessage)
{
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.lastMessage(), QStringLiteral("Не удается открыть файл JPG\\Reg.JPG, JPG\\RegOn.JPG"));
    window->hide();
    window->ShowFrom(nullptr, 0); // pictures are loaded the first time only
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(RegWindowTest, ClosesWhenAnotherWindowOfTheProgramIsActivated)
{
    QSignalSpy spy(window.get(), &TffReg::selectionHandedBack);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(RegWindowTest, StaysOpenWhileItsOwnDialogIsActive)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    bool visibleDuringDialog = false;
    dialogs.dialogActions.push_back([&](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        visibleDuringDialog = window->isVisible();
        dialog.hide();
        return int(QDialog::Rejected);
    });
    clickWith(window->List1, window->btAdd);
    EXPECT_TRUE(visibleDuringDialog);
    EXPECT_TRUE(window->isVisible());
}
