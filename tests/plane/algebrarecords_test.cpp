#include "plane/algebrarecords.h"
#include "plane/planerecords.h"
#include <gtest/gtest.h>

using namespace plane;

namespace {

const QString kHeader = QStringLiteral("40 0 0 k=3");
const QString kUnrestrictedDomain = QStringLiteral("-2.14748364700000E+0009  2.14748364700000E+0009 ");

QString R(double value) { return FormatRecordReal(value); }

QString ReadError(const QStringList& lines)
{
    try {
        ReadPlaneSection(lines, 1);
    } catch (const SceneFormatError& error) {
        return error.message();
    }
    return {};
}

TEST(AlgebraRecords, FormulaGraphIsWrittenInTheFileFormat)
{
    PlaneScene scene;
    scene.DrawColor = base::colour::kRed;
    FunctionList list;
    list.AddFormula(QStringLiteral("[drob[sin(x)][cos(x)]]"), scene, scene.DrawColor);
    TEquation* disc = list.AddEquation(QStringLiteral("[x*x+y*y-4]"), scene, 0);
    disc->SetRelation(u'<');
    const QStringList lines = WritePlaneSection(scene, PlaneView(400, 300), &list);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("TFunctionFormula: =255 -2.14748364700000E+0009  2.14748364700000E+0009 "
                                       "[drob[sin(x)][cos(x)]]"));
    EXPECT_EQ(lines[2], QStringLiteral("TEquation: <0 [x*x+y*y-4]"));
}

TEST(AlgebraRecords, EveryKindSurvivesWriteReadWriteByteForByte)
{
    const QStringList section = {
        kHeader,
        QStringLiteral("TPoint:  1.00000000000000E+0000  2.00000000000000E+0000 TRUE A"),
        QStringLiteral("TFunctionFormula: >255 ") + kUnrestrictedDomain + QStringLiteral("[k*x]"),
        QStringLiteral("TEquation: =65280 [x*x+y*y-4]"),
        QStringLiteral("TFunctionArrayLine: =0 ") + R(-1) + u' ' + R(2) + u' ' + R(-1) + u' ' + R(0) + u' ' + R(2) + u' '
            + R(4) + u' ',
        QStringLiteral("TFunctionArrayPolynom: <16711680 ") + R(0) + u' ' + R(2) + u' ' + R(0) + u' ' + R(1) + u' '
            + R(1) + u' ' + R(3) + u' ' + R(2) + u' ' + R(7) + u' ',
        QStringLiteral("TFunctionArrayMNK: =0 ") + R(1) + u' ' + R(1) + u' ' + R(1) + u' ' + R(0) + u' ',
        QStringLiteral("TFunctionKoeffPolynom: =0 ") + kUnrestrictedDomain + R(1) + u' ' + R(0) + u' ' + R(-1) + u' ',
        QStringLiteral("TDerivative: =0 ") + R(0.5) + u' ' + R(1.5) + QStringLiteral(" 0 1 ") + R(2),
        QStringLiteral("TDerivative: =0 ") + kUnrestrictedDomain + QStringLiteral("6 8 ") + R(1),
    };
    PlaneSection read = ReadPlaneSection(section);
    PlaneView view(400, 300);
    EXPECT_EQ(WritePlaneSection(read.Scene, view, &read.Algebra), section);

    const FunctionList& list = read.Algebra;
    ASSERT_EQ(list.Count(), 8);
    auto* formula = static_cast<TFunction*>(list.At(0));
    EXPECT_EQ(formula->Relation(), u'>');
    EXPECT_EQ(formula->Color, 255u);
    EXPECT_DOUBLE_EQ(formula->Value(2).value_or(NAN), 6);  // k from the header
    EXPECT_EQ(list.At(1)->Kind(), AlgebraKind::Equation);
    auto* polynom = static_cast<TFunction*>(list.At(3));
    EXPECT_DOUBLE_EQ(polynom->Value(3).value_or(NAN), 13);
    auto* mnk = static_cast<TFunctionArray*>(list.At(4));
    EXPECT_FALSE(mnk->Valid());  // one point has no least-squares line
    auto* shifted = static_cast<TDerivative*>(list.At(6));
    EXPECT_EQ(shifted->Source(), list.At(0));
    EXPECT_EQ(shifted->XMin(), 0.5);  // the saved domain, not the derived one
    auto* slope = static_cast<TDerivative*>(list.At(7));
    EXPECT_EQ(slope->Source(), shifted);
    EXPECT_NEAR(slope->Value(1).value_or(NAN), 3, 1e-6);
}

TEST(AlgebraRecords, PointsSetTheDomainOverTheSavedOne)
{
    const QStringList lines{kHeader, QStringLiteral("TFunctionArrayLine: =0 ") + R(5) + u' ' + R(9) + u' ' + R(2) + u' '
                                         + R(0) + u' ' + R(1) + u' ' + R(0) + u' '};
    PlaneSection read = ReadPlaneSection(lines);
    auto* line = static_cast<TFunction*>(read.Algebra.At(0));
    EXPECT_EQ(line->XMin(), 1);
    EXPECT_EQ(line->XMax(), 2);
}

TEST(AlgebraRecords, RecordsOfAnotherTagAreLeftToTheirReader)
{
    FunctionList list;
    PlaneScene scene;
    RecordLine record(QStringLiteral("TRUE 0 0 1"), 5);
    EXPECT_FALSE(ReadAlgebraRecord(QStringLiteral("TLine:"), record, list, scene));
    EXPECT_EQ(list.Count(), 0);
}

struct Refusal {
    const char* name;
    QStringList records;  // after the header and one formula graph
    QString expected;     // a part of the message
};

class AlgebraRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(AlgebraRefusal, NamesTheLine)
{
    const Refusal& r = GetParam();
    QStringList lines{kHeader, QStringLiteral("TFunctionFormula: =0 ") + kUnrestrictedDomain + QStringLiteral("[x]"),
                      QStringLiteral("TEquation: =0 [x-y]")};
    lines += r.records;
    const QString error = ReadError(lines);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Строка %1: ").arg(lines.size()))) << error.toStdString();
    EXPECT_TRUE(error.contains(r.expected)) << error.toStdString();
}

QString ManyValues(int count)
{
    QString text;
    for (int i = 0; i < count; ++i) text += R(i) + u' ';
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Records, AlgebraRefusal,
    testing::Values(
        Refusal{"relation", {"TFunctionFormula: !0 " + kUnrestrictedDomain + "[x]"}, "знака"},
        Refusal{"colour", {"TFunctionFormula: =16777216 " + kUnrestrictedDomain + "[x]"}, "цвет"},
        Refusal{"colour_word", {"TEquation: =red [x]"}, "не является целым"},
        Refusal{"equation_without_formula", {"TEquation: <255 "}, "нет формулы"},
        Refusal{"no_domain", {"TFunctionFormula: =0"}, "не хватает"},
        Refusal{"nan_domain", {"TFunctionFormula: =0 nan 1 [x]"}, "не является числом"},
        Refusal{"infinite_domain", {"TFunctionKoeffPolynom: =0 -inf 1 "}, "не является числом"},
        Refusal{"derived_from_itself", {"TDerivative: =0 " + kUnrestrictedDomain + "2 0 " + R(1)}, "номером 2"},
        Refusal{"derived_from_later", {"TDerivative: =0 " + kUnrestrictedDomain + "7 0 " + R(1)}, "номером 7"},
        Refusal{"derived_from_negative", {"TDerivative: =0 " + kUnrestrictedDomain + "-1 0 " + R(1)}, "номером -1"},
        Refusal{"derived_from_equation", {"TDerivative: =0 " + kUnrestrictedDomain + "1 0 " + R(1)}, "уравнение"},
        Refusal{"derived_type", {"TDerivative: =0 " + kUnrestrictedDomain + "0 9 " + R(1)}, "вид"},
        Refusal{"derived_param", {"TDerivative: =0 " + kUnrestrictedDomain + "0 1 nan"}, "не является числом"},
        Refusal{"derived_extra", {"TDerivative: =0 " + kUnrestrictedDomain + "0 1 " + R(1) + " 5"}, "лишние"},
        Refusal{"odd_point_values", {"TFunctionArrayLine: =0 " + kUnrestrictedDomain + ManyValues(3)}, "ординаты"},
        Refusal{"too_many_points",
                {"TFunctionArrayPolynom: =0 " + kUnrestrictedDomain + ManyValues(2 * TFunctionArray::kMaxSamples + 2)},
                "точек"},
        Refusal{"too_many_coefficients",
                {"TFunctionKoeffPolynom: =0 " + kUnrestrictedDomain + ManyValues(TFunctionKoeffPolynom::kMaxCoefficients + 1)},
                "коэффициентов"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlgebraRecords, ARefusedSectionLeavesNothing)
{
    // The reader builds its own section, so the caller's list is untouched.
    const QStringList lines{kHeader, QStringLiteral("TFunctionFormula: =0 ") + kUnrestrictedDomain + QStringLiteral("[x]"),
                            QStringLiteral("TDerivative: =0 ") + kUnrestrictedDomain + QStringLiteral("1 0 ") + R(1)};
    EXPECT_FALSE(ReadError(lines).isEmpty());
}

TEST(AlgebraRecords, DomainsBeyondTheUnrestrictedBoundAreBroughtBack)
{
    const QStringList lines{kHeader,
                            QStringLiteral("TFunctionFormula: =0 -1e300 1e300 [x]")};
    PlaneSection read = ReadPlaneSection(lines);
    const QStringList written = WritePlaneSection(read.Scene, PlaneView(10, 10), &read.Algebra);
    EXPECT_EQ(written[1], QStringLiteral("TFunctionFormula: =0 ") + kUnrestrictedDomain + QStringLiteral("[x]"));
    PlaneSection again = ReadPlaneSection(written);
    EXPECT_EQ(WritePlaneSection(again.Scene, PlaneView(10, 10), &again.Algebra), written);
}

} // namespace
