#pragma once
#include <QString>
#include <optional>

// What the probability lab's model pages and buttons mean for the engine:
// the defaults of the four model buttons, the page of each model and its form
// fields Count, CountGet, Tip1 and Tip2, and reading them back on OK.
namespace probabilitylab {

struct ModelChoice {
    int kind = 0;
    int n = 0;
    int view = 0;
    int k = 0;
    bool operator==(const ModelChoice&) const = default;
};

// The model a button bt1 ... bt4 sets: coins (1, 2, 1, 3), dice (2, 6, 1, 2),
// balls with replacement (3, 4, 1, 2), balls without replacement (4, 4, 1, 2).
ModelChoice DefaultModel(int kind);

// "LABS\LAB16\Model{kind}.htm".
QString ModelPage(int kind);

// Values of the page's fields.
struct ModelForm {
    QString Count;    // balls in the urn
    QString CountGet; // coins, dice or balls in one experiment
    QString Tip1;     // "будем" when the order counts
    QString Tip2;     // "все шары между собой" or "только их цвета"
    bool operator==(const ModelForm&) const = default;
};

inline const QString kOrderCounts = QStringLiteral("будем");
inline const QString kOrderIgnored = QStringLiteral("не будем");
inline const QString kAllBalls = QStringLiteral("все шары между собой");
inline const QString kColoursOnly = QStringLiteral("только их цвета");

// The fields that show a model.
ModelForm FormOfModel(const ModelChoice& model);

// The model the fields ask for, for the model kind shown; nullopt with a
// message in error when a number is not a whole number from 1 to 120.
std::optional<ModelChoice> ReadModelForm(int kind, const ModelForm& form, QString* error);

} // namespace probabilitylab
