// The parsed form of an expression: read once, bound to the places of its
// names' values, evaluated for many points by any number of evaluators.
#include "expr/expression.h"
#include "expr/parser.h"
#include <gtest/gtest.h>
#include <thread>

using namespace expr;

TEST(ParsedExpression, NamesAreBoundToTheCallersSlots)
{
    const auto expression = ParsedExpression::Read(u"Y*10+x-y");
    ASSERT_FALSE(expression->Failed());
    EXPECT_EQ(expression->Names(), (QStringList{"y", "x"}));

    // Two evaluators of one parsed form, with values laid out differently.
    const BoundExpression first(expression, QStringList{"x", "y"});
    const BoundExpression second(expression, QStringList{"k", "Y", "X"});
    const long double firstValues[] = {1, 2};
    const long double secondValues[] = {100, 2, 1};
    EXPECT_EQ(first.Evaluate(firstValues).value, 19);
    EXPECT_EQ(second.Evaluate(secondValues).value, 19);
    EXPECT_EQ(second.Value(secondValues), 19);

    // A name the caller lacks fails only when it is evaluated, with its name.
    const BoundExpression without(expression, QStringList{"y"});
    const long double one[] = {3};
    const Outcome outcome = without.Evaluate(one);
    EXPECT_EQ(outcome.fault, Fault::UnknownParameter);
    EXPECT_EQ(expression->ErrorOf(outcome).message(), QStringLiteral("Параметр x в списке не найден"));
    // Values fewer than the binding says are a missing parameter, not a read past the end.
    EXPECT_EQ(first.Evaluate(std::span<const long double>(firstValues, 1)).fault, Fault::UnknownParameter);
}

TEST(ParsedExpression, ManyPointsGiveWhatSeparateParsesGive)
{
    const QString text = QStringLiteral("division_((power_((x),2)-y),sqrt_(abs(x*y)+1))+sin(x)/2");
    const auto expression = ParsedExpression::Read(text);
    const BoundExpression bound(expression, QStringList{"x", "y"});
    class Owner : public TParamOwner {
    public:
        std::vector<long double> values{0, 0};
        int ParamIndex(QStringView name) const override { return name == u"x" ? 0 : name == u"y" ? 1 : -1; }
        std::span<const long double> ParamValues() const override { return values; }
        uint64_t ParamListVersion() const override { return 1; }
    } owner;
    for (int i = -20; i <= 20; ++i) {
        owner.values = {i * 0.37L, 1 - i * 0.11L};
        TshParser fresh(&owner);
        fresh.Parse(text);
        const Outcome outcome = bound.Evaluate(owner.values);
        Fault fault = Fault::None;
        const std::optional<long double> expected = fresh.TryEvaluate(&fault);
        EXPECT_EQ(outcome.fault, fault) << i;
        if (expected) EXPECT_EQ(outcome.value, *expected) << i;
    }
}

TEST(ParsedExpression, AFailedTextKeepsItsErrorForEveryEvaluation)
{
    const auto expression = ParsedExpression::Read(u"x*(y");
    ASSERT_TRUE(expression->Failed());
    EXPECT_EQ(expression->Root(), nullptr);
    const EvalError error = expression->Error();
    EXPECT_EQ(error.fault(), Fault::Syntax);
    EXPECT_EQ(error.message(), QStringLiteral("Не хватает закрывающей скобки в выражении"));
    const BoundExpression bound(expression, QStringList{"x", "y"});
    const long double values[] = {1, 2};
    for (int i = 0; i < 3; ++i) {
        const Outcome outcome = bound.Evaluate(values);
        EXPECT_EQ(outcome.fault, Fault::Syntax);
        EXPECT_EQ(expression->ErrorOf(outcome).message(), error.message());
    }
    // An expression that could not be written at all fails the same way.
    const auto unwritten = ParsedExpression::Failure(Fault::Syntax, QStringLiteral("нет выражения"));
    EXPECT_THROW(BoundExpression(unwritten, QStringList()).Value({}), EvalError);

    // A parser handed a shared failed form raises its error, not a new one.
    TshParser parser;
    parser.Use(expression);
    EXPECT_FALSE(parser.HasTree());
    try {
        parser.Evaluate();
        ADD_FAILURE() << "no error";
    } catch (const EvalError& raised) {
        EXPECT_EQ(raised.message(), error.message());
    }
}

// Evaluation changes nothing in the parsed form: threads may share it.
TEST(ParsedExpression, EvaluatorsOnSeveralThreadsShareOneForm)
{
    const auto expression = ParsedExpression::Read(u"power_((x),2)+1/x");
    auto sum = [&](long double start, long double& total) {
        const BoundExpression bound(expression, QStringList{"x"});
        for (int i = 1; i <= 20000; ++i) {
            const long double x[] = {start + i};
            total += bound.Evaluate(x).value;
        }
    };
    long double alone = 0, first = 0, second = 0;
    sum(0, alone);
    std::thread a(sum, 0.0L, std::ref(first));
    std::thread b(sum, 0.0L, std::ref(second));
    a.join();
    b.join();
    EXPECT_EQ(first, alone);
    EXPECT_EQ(second, alone);
}
