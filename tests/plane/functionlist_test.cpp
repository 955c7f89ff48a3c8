#include "plane/functionlist.h"
#include "base/symbols.h"
#include "plane/scene.h"
#include <gtest/gtest.h>
#include <cmath>

using namespace plane;

namespace {

constexpr base::Bgr kColour = base::colour::kRed;

TEST(FunctionList, ParametersAreListedOnceAndChangeEveryGraph)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* kx = list.AddFormula(QStringLiteral("[k*x]"), scene, kColour);
    TFunction* kxb = list.AddFormula(QStringLiteral("[k*x+b]"), scene, kColour);
    list.AddEquation(QStringLiteral("[x*x+y*y-r]"), scene, kColour);
    EXPECT_EQ(list.ParameterNames(), (QStringList{"k", "b", "r"}));

    ASSERT_TRUE(list.SetParameter(scene, QStringLiteral("k"), QStringLiteral("1,5")).Done);
    EXPECT_DOUBLE_EQ(scene.Param(ParameterSlot(u'k')), 1.5);
    EXPECT_DOUBLE_EQ(kx->Value(2).value_or(NAN), 3);
    EXPECT_DOUBLE_EQ(kxb->Value(2).value_or(NAN), 4);

    ASSERT_TRUE(list.StepParameter(scene, QStringLiteral("k"), -1.5).Done);
    EXPECT_EQ(scene.Param(ParameterSlot(u'k')), 0);  // within 1e-6 of 0: exactly 0
    EXPECT_EQ(kx->Value(2).value_or(NAN), 0);
}

TEST(FunctionList, RefusedParameterChangesKeepTheOldValue)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* f = list.AddFormula(QStringLiteral("[k*x]"), scene, kColour);
    struct Refusal {
        const char* name;
        const char* value;
    };
    for (const Refusal r : {Refusal{"k", "abc"}, Refusal{"k", ""}, Refusal{"k", "1e999"}, Refusal{"kk", "2"},
                            Refusal{"K", "2"}, Refusal{"", "2"}}) {
        const ParameterChange change = list.SetParameter(scene, QString::fromUtf8(r.name), QString::fromUtf8(r.value));
        EXPECT_FALSE(change.Done) << r.name << " " << r.value;
        EXPECT_FALSE(change.Message.isEmpty());
    }
    EXPECT_DOUBLE_EQ(f->Value(3).value_or(NAN), 3);
    EXPECT_EQ(scene.Param(ParameterSlot(u'k')), 1);
}

TEST(FunctionList, EquationsKeepTheirCoordinates)
{
    PlaneScene scene;
    FunctionList list;
    TEquation* circle = list.AddEquation(QStringLiteral("[x*x+y*y-4]"), scene, kColour);
    EXPECT_EQ(circle->Formula().SuffixText(), QStringLiteral(" = 0"));
    // "y" is no parameter of an equation: setting it leaves the curve alone.
    list.SetParameter(scene, QStringLiteral("y"), QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(circle->Value(2, 0).value_or(NAN), 0);
    EXPECT_DOUBLE_EQ(circle->Value(0, 1).value_or(NAN), -3);
    circle->SetRelation(u'>');
    EXPECT_EQ(circle->Formula().SuffixText(), QStringLiteral(" > 0"));
}

TEST(FunctionList, DeletingASourceDeletesWhatIsDerivedFromIt)
{
    PlaneScene scene;
    FunctionList list;
    TFunction* a = list.AddFormula(QStringLiteral("[x]"), scene, kColour);
    TFunction* b = list.AddDerivative(*a, DerivedType::ShiftY, 1, kColour);
    TFunction* other = list.AddFormula(QStringLiteral("[x*x]"), scene, kColour);
    list.AddDerivative(*b, DerivedType::ReflectX, 1, kColour);
    TFunction* fromOther = list.AddDerivative(*other, DerivedType::AbsValue, 1, kColour);
    list.Delete(a);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0), other);
    EXPECT_EQ(list.At(1), fromOther);
    EXPECT_EQ(list.AddDerivative(*a, DerivedType::ShiftY, 1, kColour), nullptr);  // not in the list
}

TEST(DomainEditing, ShowsAndReadsTheEnds)
{
    PlaneScene scene;
    TFunctionFormula f(QStringLiteral("[x]"), scene, kColour);
    const QString infinity(base::symbol::Infinity);
    EXPECT_EQ(DomainEditText(f), QStringLiteral("[-") + infinity + QStringLiteral(";+") + infinity + u']');
    f.SetDomain(-1, 2.5);
    EXPECT_EQ(DomainEditText(f), QStringLiteral("[-1;2,5]"));

    struct Case {
        QString text;
        double lo, hi;
    };
    for (const Case& c : {Case{"[-1;2]", -1, 2}, Case{"[-" + infinity + ";+" + infinity + "]", -kUnrestricted, kUnrestricted},
                          Case{"[drob[1][2];3]", 0.5, 3}, Case{"[abc;4]", -kUnrestricted, 4},
                          Case{"[1;drob[1][0]]", 1, kUnrestricted}, Case{"[5]", -kUnrestricted, kUnrestricted}}) {
        const auto [lo, hi] = DomainFromEditText(c.text);
        EXPECT_DOUBLE_EQ(lo, c.lo) << c.text.toStdString();
        EXPECT_DOUBLE_EQ(hi, c.hi) << c.text.toStdString();
    }
}

} // namespace
