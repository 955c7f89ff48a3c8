// The model pages' fields: what the window writes for every model and view,
// and what OK reads back from them.
#include "labframe/labregistry.h"
#include "labs/probability/registration.h"
#include "labs/probability/modelchoice.h"
#include "labs/probability/labwindow.h"
#include "support/testsupport.h"

using namespace probabilitylab;

TEST(Lab16Model, FieldsOfEveryViewReadBackAsTheSameModel)
{
    for (int kind = 1; kind <= 4; ++kind) {
        const bool balls = kind >= 3;
        for (int view = 0; view < (balls ? 4 : 2); ++view) {
            const ModelChoice model{kind, balls ? 7 : (kind == 1 ? 2 : 6), view, 3};
            QString error;
            EXPECT_EQ(ReadModelForm(kind, FormOfModel(model), &error), model) << kind << ' ' << view;
            EXPECT_TRUE(error.isEmpty());
        }
    }
    const ModelForm dice = FormOfModel({2, 6, 1, 2});
    EXPECT_EQ(dice.CountGet, "2");
    EXPECT_EQ(dice.Tip1, "не будем");
    EXPECT_EQ(dice.Tip2, "все шары между собой");
    EXPECT_EQ(FormOfModel({3, 5, 2, 2}).Tip2, "только их цвета");
}

TEST(Lab16Model, OnlyTheExactWordsCountAndCoinsIgnoreTheUrnFields)
{
    // Anything but "будем" means order is not counted; anything but
    // "все шары между собой" means colours only.
    const auto model = ReadModelForm(3, {" 5 ", "2", "Будем", "все шары"}, nullptr);
    ASSERT_TRUE(model);
    EXPECT_EQ(*model, (ModelChoice{3, 5, 3, 2}));
    // Coins and dice keep their sides whatever Count and Tip2 say.
    EXPECT_EQ(ReadModelForm(1, {"abc", "4", "будем", "только их цвета"}, nullptr), (ModelChoice{1, 2, 0, 4}));
    EXPECT_EQ(ReadModelForm(2, {"", "1", "", ""}, nullptr), (ModelChoice{2, 6, 1, 1}));
}

TEST(Lab16Model, NumbersOutsideOneTo120AreRefusedWithAMessage)
{
    for (const QString& bad : {QString(), QStringLiteral("0"), QStringLiteral("121"), QStringLiteral("256"),
                               QStringLiteral("2,5"), QStringLiteral("два"), QStringLiteral("-1")}) {
        QString error;
        EXPECT_FALSE(ReadModelForm(2, {"6", bad, "будем", ""}, &error)) << bad.toStdString();
        EXPECT_TRUE(error.contains("от 1 до 120")) << error.toStdString();
        EXPECT_FALSE(ReadModelForm(4, {bad, "2", "будем", ""}, &error)) << bad.toStdString();
        EXPECT_TRUE(error.contains("шаров в урне")) << error.toStdString();
    }
    EXPECT_TRUE(ReadModelForm(4, {"120", "120", "будем", ""}, nullptr));
    EXPECT_FALSE(ReadModelForm(0, {"2", "2", "", ""}, nullptr));
}

class Lab16Registration : public ProgramFolderTest {
protected:
    void TearDown() override
    {
        labframe::ReleaseLabs();
        ProgramFolderTest::TearDown();
    }
};

TEST_F(Lab16Registration, CreateLabMakesTheProbabilityWindowOnce)
{
    EXPECT_EQ(labframe::CreateLab(16), nullptr);
    RegisterLab16();
    labframe::TfmLab* window = labframe::CreateLab(16);
    ASSERT_NE(qobject_cast<TfmLab16*>(window), nullptr);
    EXPECT_EQ(window->objectName(), "fmLab16");
    EXPECT_EQ(window->windowTitle(), "Вероятностные модели");
    EXPECT_EQ(labframe::CreateLab(16), window);
    EXPECT_EQ(labframe::CurrentLab(), window);
}
