// The lesson builder's page list: captions, removing and reordering.
#include "shell/lessonbuilder.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include <QTreeWidget>

namespace {

class LessonBuilderTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        writeLines("ZADS\\Regims.txt", {"Теория", "Инструменты", "Упражнения"});
        ASSERT_TRUE(builder.Open(0));
    }
    QStringList captions(int group) const
    {
        QStringList texts;
        const QTreeWidgetItem* node = builder.TreeView1->topLevelItem(group);
        for (int i = 0; i < node->childCount(); ++i) texts.append(node->child(i)->text(0));
        return texts;
    }
    void choose(int group, int index)
    {
        builder.TreeView1->setCurrentItem(builder.TreeView1->topLevelItem(group)->child(index));
    }

    FakeDialogs dialogs;
    shell::TffOwn builder;
};

TEST_F(LessonBuilderTest, PagesShowTheirTopicsTitlesAndKeepTheirCodes)
{
    builder.AddToLesson(1, "A01\\T01", "§1. Запись чисел");
    builder.AddToLesson(1, "D01\\0001");
    EXPECT_EQ(captions(0), QStringList({"§1. Запись чисел", "D01\\0001"})); // no title: the code
    EXPECT_EQ(builder.pages()[0], QStringList({"A01\\T01", "D01\\0001"}));
}

TEST_F(LessonBuilderTest, ChosenPagesAreRemovedAndMovedWithinTheirGroup)
{
    for (const char* code : {"A01\\011", "A01\\012", "A02\\011"}) builder.AddToLesson(3, code, code);
    builder.AddToLesson(1, "A01\\T01", "Теория A01");
    choose(2, 2);
    builder.btUpClick();
    builder.btUpClick();
    builder.btUpClick(); // already first: stays
    EXPECT_EQ(builder.pages()[2], QStringList({"A02\\011", "A01\\011", "A01\\012"}));
    builder.btDownClick();
    EXPECT_EQ(builder.pages()[2], QStringList({"A01\\011", "A02\\011", "A01\\012"}));
    choose(2, 0);
    builder.btRemoveClick();
    EXPECT_EQ(builder.pages()[2], QStringList({"A02\\011", "A01\\012"}));
    // A group itself is never removed or moved.
    builder.TreeView1->setCurrentItem(builder.TreeView1->topLevelItem(0));
    builder.btRemoveClick();
    builder.btDownClick();
    EXPECT_EQ(builder.TreeView1->topLevelItemCount(), 3);
    EXPECT_EQ(builder.pages()[0], QStringList{"A01\\T01"});
}

} // namespace
