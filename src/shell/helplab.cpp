#include "shell/helplab.h"
#include "labframe/labhelp.h"
#include "base/textfile.h"
#include "shell/helpwindows.h"
#include "ui/htmlview.h"
#include "ui/music.h"
#include "ui/windowstack.h"
#include <QCursor>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace shell {
namespace {
// The caption until a page names itself, and for pages without a title.
const QString kCaption = QStringLiteral("Помощь по работе в лаборатории");
constexpr int kGlideSteps = 100;
// The pause after each step of the glide, so that the eye can follow it.
constexpr int kGlidePauseMs = 1;
// Extra height under the page, so that its last line is not cut.
constexpr int kPageMargin = 5;

bool HasPrefix(const QString& href, QLatin1StringView prefix)
{
    return href.startsWith(prefix, Qt::CaseInsensitive);
}
} // namespace

QString ExpandHelpFormulas(const QString& html)
{
    if (!html.contains(QLatin1StringView("<FORMULA="), Qt::CaseInsensitive)) return html;
    QStringList lines = base::SplitLines(html);
    int counter = TffHelp1::kFirstPicture;
    ExpandFormulasInLines(lines, counter);
    return lines.join(QStringLiteral("\r\n"));
}

QPoint GlidePoint(QPoint from, QPoint to, int step, int steps)
{
    const double t = double(step) / steps;
    return {int(std::lround(from.x() + t * (to.x() - from.x()))), int(std::lround(from.y() + t * (to.y() - from.y())))};
}

TffHelp1::TffHelp1(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ffHelp1"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kWidth, 300);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(30);
    Panel1->setAttribute(Qt::WA_StyledBackground);
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: #e9f1fb; border-bottom: 1px solid #b8cce4; }"));
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(4, 2, 4, 2);
    btBack = new QPushButton(QStringLiteral("«  Назад"), Panel1);
    btBack->setObjectName(QStringLiteral("btBack"));
    panelLayout->addWidget(btBack);
    panelLayout->addStretch();
    Panel1->hide();
    layout->addWidget(Panel1);

    HTML = new ui::HtmlView(this);
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->SetHistoryLimit(kHistoryPages);
    HTML->SetLinkHandler([this](const QString& href) { return HTMLHotSpotClick(href); });
    HTML->SetPageFilter([](const QString&, const QString& html) { return ExpandHelpFormulas(html); });
    layout->addWidget(HTML);

    connect(btBack, &QPushButton::clicked, this, &TffHelp1::btBackClick);
    connect(HTML, &ui::HtmlView::titleChanged, this, &TffHelp1::showTitle);
    connect(HTML, &ui::HtmlView::documentHeightChanged, this, &TffHelp1::fitHeight);
    connect(HTML, &ui::HtmlView::pageReady, this, &TffHelp1::pageLoaded);
    // Esc closes the window even while the page has the keyboard.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

bool TffHelp1::ShowPage(const QString& pageFile)
{
    if (!HTML->LoadFile(pageFile)) return false;
    move(BelowGuideFigure());
    Panel1->hide();
    show();
    raise();
    return true;
}

void TffHelp1::ShowAgain()
{
    show();
    raise();
    updateBackPanel();
}

void TffHelp1::showTitle(const QString& title)
{
    setWindowTitle(title.isEmpty() ? kCaption : title);
}

void TffHelp1::pageLoaded()
{
    showTitle(HTML->Title());
    updateBackPanel();
    fitHeight();
    const QString file = HTML->CurrentFile();
    if (!file.isEmpty()) labframe::LoadPairedLabFile(file);
    emit pageShown(file);
}

void TffHelp1::fitHeight()
{
    const int document = HTML->DocumentHeight();
    if (document <= 0) return;
    int height = document + kPageMargin + (Panel1->isHidden() ? 0 : Panel1->height());
    height = qMin(height, AvailableScreenHeight(this));
    resize(width(), height);
}

void TffHelp1::updateBackPanel()
{
    const bool wanted = HTML->HasOlderHistory();
    if (Panel1->isHidden() != wanted) return;
    Panel1->setVisible(wanted);
    fitHeight();
}

bool TffHelp1::HTMLHotSpotClick(const QString& href)
{
    if (HasPrefix(href, QLatin1StringView("DEM:"))) {
        labframe::RunDemoLink(href.mid(4).trimmed());
        return true;
    }
    if (HasPrefix(href, QLatin1StringView("MOV:"))) {
        MovePointerTo(href.mid(4).trimmed());
        return true;
    }
    // The view follows the link itself; the panel shows once the page it
    // leaves is in the history.
    QTimer::singleShot(0, this, &TffHelp1::updateBackPanel);
    return false;
}

void TffHelp1::btBackClick()
{
    HTML->GoBack();
    updateBackPanel();
}

bool TffHelp1::MovePointerTo(const QString& controlName)
{
    QWidget* top = ui::WindowStack::instance().top();
    if (!top || controlName.isEmpty()) return false;
    bool found = false;
    for (QWidget* control : top->findChildren<QWidget*>()) {
        if (control->objectName().compare(controlName, Qt::CaseInsensitive) != 0) continue;
        found = true;
        const QPoint from = QCursor::pos();
        const QPoint to = control->mapToGlobal(QPoint(control->width() / 2, control->height() / 2));
        for (int step = 1; step <= kGlideSteps; ++step) {
            QCursor::setPos(GlidePoint(from, to, step, kGlideSteps));
            QThread::msleep(kGlidePauseMs);
        }
        ui::PlayClick();
    }
    return found;
}

void TffHelp1::hideEvent(QHideEvent* event)
{
    HTML->ClearHistory();
    Panel1->hide();
    QWidget::hideEvent(event);
}

} // namespace shell
