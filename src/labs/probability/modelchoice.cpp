#include "labs/probability/modelchoice.h"
#include "probability/outcometable.h"
#include "base/numfmt.h"

namespace probabilitylab {

using namespace probability;

ModelChoice DefaultModel(int kind)
{
    switch (kind) {
    case kCoins: return {kCoins, 2, 1, 3};
    case kDice: return {kDice, 6, 1, 2};
    case kBallsWithReplacement: return {kBallsWithReplacement, 4, 1, 2};
    case kBallsWithoutReplacement: return {kBallsWithoutReplacement, 4, 1, 2};
    default: return {};
    }
}

QString ModelPage(int kind)
{
    return QStringLiteral("LABS\\LAB16\\Model") + QString::number(kind) + QStringLiteral(".htm");
}

ModelForm FormOfModel(const ModelChoice& model)
{
    ModelForm form;
    form.Count = QString::number(model.n);
    form.CountGet = QString::number(model.k);
    form.Tip1 = IsUnordered(model.view) ? kOrderIgnored : kOrderCounts;
    form.Tip2 = IsColourView(model.view) ? kColoursOnly : kAllBalls;
    return form;
}

namespace {

bool IsBalls(int kind) { return kind == kBallsWithReplacement || kind == kBallsWithoutReplacement; }

// What the pupil counts in the field CountGet.
QString DrawnThings(int kind)
{
    switch (kind) {
    case kCoins: return QStringLiteral("монет");
    case kDice: return QStringLiteral("кубиков");
    default: return QStringLiteral("извлекаемых шаров");
    }
}

std::optional<int> ModelNumber(const QString& text, const QString& what, QString* error)
{
    const auto value = base::ParseInt(text.trimmed());
    if (value && *value >= 1 && *value <= kMaxElements) return int(*value);
    if (error)
        *error = QStringLiteral("Число %1 должно быть целым числом от 1 до %2, а указано \"%3\"")
                     .arg(what).arg(kMaxElements).arg(text.trimmed());
    return std::nullopt;
}

} // namespace

std::optional<ModelChoice> ReadModelForm(int kind, const ModelForm& form, QString* error)
{
    if (kind < kCoins || kind > kBallsWithoutReplacement) return std::nullopt;
    ModelChoice model;
    model.kind = kind;
    const auto k = ModelNumber(form.CountGet, DrawnThings(kind), error);
    if (!k) return std::nullopt;
    model.k = *k;
    const int unordered = form.Tip1 == kOrderCounts ? 0 : 1;
    if (IsBalls(kind)) {
        const auto n = ModelNumber(form.Count, QStringLiteral("шаров в урне"), error);
        if (!n) return std::nullopt;
        model.n = *n;
        model.view = 2 * (form.Tip2 == kAllBalls ? 0 : 1) + unordered;
    } else {
        model.n = kind == kCoins ? 2 : 6;
        model.view = unordered;
    }
    return model;
}

} // namespace probabilitylab
