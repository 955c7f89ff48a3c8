#pragma once
#include <QDialog>
#include <QStringList>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

// The data input dialog: asks for several labelled values at once. Each
// prompt gets a label and a small flat field beside it, the fields lined up
// right of the widest label. Used by the labs (the sides of a polygon, an
// angle of rotation) and by the formula editor (the number of equations).
namespace ui {

class TffDlg : public QDialog {
public:
    explicit TffDlg(QWidget* parent = nullptr);

    // Modal; true when closed with OK. Results()[i] then holds the text of
    // field i (also after a cancel, as the fields were left). The caption is
    // "Ввод данных:" unless another is given.
    bool Ask(const QStringList& prompts, const QStringList& defaults, const QString& caption = QString());
    const QStringList& Results() const { return m_results; }

    // The fields of the dialog while it is open (for its callers' tests).
    const std::vector<QLineEdit*>& Fields() const { return m_fields; }
    const std::vector<QLabel*>& Labels() const { return m_labels; }

    QPushButton* btOk;

protected:
    void done(int result) override;

private:
    void Build(const QStringList& prompts, const QStringList& defaults);
    void Clear();

    std::vector<QLabel*> m_labels;
    std::vector<QLineEdit*> m_fields;
    QStringList m_results;
};

// The dialog of the run, made on first use and kept.
TffDlg& ffDlg();

inline const QString kInputCaption = QStringLiteral("Ввод данных:");

} // namespace ui
