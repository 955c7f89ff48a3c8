#include "ui/inputdialog.h"
#include "ui/centre.h"
#include "ui/dialogs.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace ui {
namespace {

constexpr int kLeft = 10;
constexpr int kGap = 10;
constexpr int kFieldWidth = 40;


} // namespace

TffDlg::TffDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ffDlg"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    btOk = new QPushButton(QStringLiteral("OK"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
}

bool TffDlg::Ask(const QStringList& prompts, const QStringList& defaults, const QString& caption)
{
    setWindowTitle(caption.isEmpty() ? kInputCaption : caption);
    Build(prompts, defaults);
    ui::CentreOnScreen(*this);
    if (!m_fields.empty()) {
        m_fields.front()->setFocus();
        m_fields.front()->selectAll();
    }
    const bool confirmed = dialogs().exec(*this) == QDialog::Accepted;
    m_results.clear();
    for (QLineEdit* field : m_fields) m_results.append(field->text());
    Clear();
    return confirmed;
}

// Labels at the left, one row per prompt, (h + 10) apart; the fields at the
// same tops right of the widest label; OK centred below the last row.
void TffDlg::Build(const QStringList& prompts, const QStringList& defaults)
{
    Clear();
    int widest = 0;
    int h = fontMetrics().height();
    for (int i = 0; i < prompts.size(); ++i) {
        auto* label = new QLabel(prompts[i], this);
        label->adjustSize();
        h = label->height();
        widest = std::max(widest, label->width());
        auto* field = new QLineEdit(defaults.value(i), this);
        field->setObjectName(QStringLiteral("ed%1").arg(i + 1));
        field->setFrame(false);
        m_labels.push_back(label);
        m_fields.push_back(field);
    }
    const int n = int(prompts.size());
    for (int i = 0; i < n; ++i) {
        const int top = (i + 1) * (h + kGap);
        m_labels[size_t(i)]->move(kLeft, top);
        m_fields[size_t(i)]->setGeometry(widest + 15, top, kFieldWidth, h);
        m_labels[size_t(i)]->show();
        m_fields[size_t(i)]->show();
    }
    const int width = widest + 65;
    setFixedSize(width, n * (h + kGap) + 65);
    btOk->resize(75, 25);
    btOk->move((width - btOk->width()) / 2, (n + 1) * (h + kGap) + 10);
}

void TffDlg::Clear()
{
    for (QLabel* label : m_labels) delete label;
    for (QLineEdit* field : m_fields) delete field;
    m_labels.clear();
    m_fields.clear();
}

// Closing takes the focus to OK first, so that a field being typed in gives
// up its text.
void TffDlg::done(int result)
{
    btOk->setFocus();
    QDialog::done(result);
}

TffDlg& ffDlg()
{
    static TffDlg* dialog = new TffDlg;
    return *dialog;
}

} // namespace ui
