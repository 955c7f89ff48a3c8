#include "shell/helpwindows.h"
#include "formulas/view/formulapages.h"
#include "base/apperror.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "shell/helplab.h"
#include "shell/messagepopup.h"
#include "ui/dialogs.h"
#include "shellcalls/shellcalls.h"
#include "shell/windowcalls.h"
#include "ui/htmlview.h"
#include "ui/windowstack.h"
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

namespace shell {
namespace {
// The guide figure's height: help windows open just below it.
constexpr int kBelowFigure = 107;
// Extra height under a hint, so that its last line is not cut.
constexpr int kHintMargin = 10;
constexpr int kMinimumHeight = 40;

struct Windows {
    QPointer<TffMess> mess;
    QPointer<TffHelp> hint;
    QPointer<TffHelp1> labHelp;
    QPointer<TffHist> history;
};

Windows& windows()
{
    static Windows all;
    return all;
}

QVBoxLayout* BareLayout(QWidget* window)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// Reads the page for a window; a file that cannot be read is reported.
std::optional<QStringList> ReadPageOrSay(const QString& file, int firstCounter)
{
    try {
        int counter = firstCounter;
        return ReadPageWithFormulas(file, counter);
    } catch (const base::AppError& error) {
        ui::ShowMessage(error.message());
        return std::nullopt;
    }
}

const QScreen* ScreenOf(const QWidget* widget)
{
    if (widget && widget->screen()) return widget->screen();
    return QGuiApplication::primaryScreen();
}
} // namespace

void ExpandFormulasInLines(QStringList& lines, int& counter)
{
    for (QString& line : lines) formulas::ExpandFormulaTags(line, counter);
}

QStringList ReadPageWithFormulas(const QString& file, int& counter)
{
    QStringList lines = base::ReadLines(file);
    ExpandFormulasInLines(lines, counter);
    return lines;
}

QPoint BelowGuideFigure()
{
    if (QWidget* figure = shellcalls::guide().Figure()) return figure->mapToGlobal(QPoint(0, kBelowFigure));
    if (QWidget* top = ui::WindowStack::instance().top()) return top->mapToGlobal(QPoint(0, kBelowFigure));
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen ? screen->availableGeometry().topLeft() : QPoint()) + QPoint(0, kBelowFigure);
}

int AvailableScreenHeight(const QWidget* widget)
{
    const QScreen* screen = ScreenOf(widget);
    if (!screen) return 600;
    // From where the window stands down to the screen's bottom, so that it
    // never runs off the screen.
    const QRect area = screen->availableGeometry();
    return qMax(kMinimumHeight, area.bottom() + 1 - qMax(widget->y(), area.top()));
}

// --- the hint window ---

TffHelp::TffHelp(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ffHelp"));
    setWindowTitle(QStringLiteral("ПОДСКАЗКА:"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kWidth, 120);
    HTML = new ui::HtmlView(this);
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->SetScrollBarsVisible(false);
    HTML->SetBackgroundColor(QColor(255, 242, 193));
    HTML->SetDefaultFont(QStringLiteral("Times New Roman"), 10);
    HTML->SetLinkColors(QColor(), QColor(Qt::yellow));
    HTML->SetBaseFolder(QStringLiteral("ZADS\\00000000\\"));
    BareLayout(this)->addWidget(HTML);
    connect(HTML, &ui::HtmlView::documentHeightChanged, this, &TffHelp::fitHeight);
}

bool TffHelp::ShowHintPage(const QString& file)
{
    const std::optional<QStringList> lines = ReadPageOrSay(file, kFirstPicture);
    if (!lines) return false;
    HTML->LoadLines(*lines);
    move(BelowGuideFigure());
    show();
    raise();
    return true;
}

void TffHelp::fitHeight()
{
    const int document = HTML->DocumentHeight();
    if (document <= 0) return;
    resize(width(), qMin(document + kHintMargin, AvailableScreenHeight(this)));
}

// --- the history page window ---

TffHist::TffHist(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ffHist"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kSize);
    HTML = new ui::HtmlView(this);
    HTML->setObjectName(QStringLiteral("HTML"));
    BareLayout(this)->addWidget(HTML);
    connect(HTML, &ui::HtmlView::titleChanged, this, &QWidget::setWindowTitle);
}

bool TffHist::ShowHistoryPage(const QString& file)
{
    const std::optional<QStringList> lines = ReadPageOrSay(file, 0);
    if (!lines) return false;
    HTML->LoadLines(*lines, base::ExtractFolder(file));
    setWindowTitle(HTML->Title());
    if (const QScreen* screen = ScreenOf(this)) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    return true;
}

// --- the set of windows ---

void CreateHelpWindows()
{
    Windows& all = windows();
    if (!all.mess) all.mess = new TffMess;
    if (!all.hint) all.hint = new TffHelp;
    if (!all.labHelp) all.labHelp = new TffHelp1;
    if (!all.history) all.history = new TffHist;

    // They serve the calls from below, with the other windows of the workspace.
    InstallWindowCalls();
}

void ReleaseHelpWindows()
{
    shellcalls::InstallNone();
    Windows& all = windows();
    delete all.mess.data();
    delete all.hint.data();
    delete all.labHelp.data();
    delete all.history.data();
    all = Windows{};
}

TffMess* MessageWindow() { return windows().mess; }
TffHelp* HintWindow() { return windows().hint; }
TffHelp1* LabHelpWindow() { return windows().labHelp; }
TffHist* HistoryWindow() { return windows().history; }

} // namespace shell
