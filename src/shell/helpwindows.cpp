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
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

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
    // From the top of the window's client area down to the screen's bottom,
    // less the frame's bottom edge, so that it never runs off the screen.
    // (pos() is the frame's corner: counting from there would let the
    // client area run a title bar's height past the bottom.)
    const QRect area = screen->availableGeometry();
    const int clientTop = qMax(widget->geometry().top(), area.top());
    const int bottomEdge = qMax(0, widget->frameGeometry().bottom() - widget->geometry().bottom());
    return qMax(kMinimumHeight, area.bottom() + 1 - bottomEdge - clientTop);
}

QPoint PlaceClearOf(const QRect& window, const QRect& obstacle, const QRect& screen)
{
    if (!window.intersects(obstacle)) return window.topLeft();
    const auto onScreen = [&](QPoint place) {
        place.setX(qBound(screen.left(), place.x(), qMax(screen.left(), screen.right() + 1 - window.width())));
        place.setY(qBound(screen.top(), place.y(), qMax(screen.top(), screen.bottom() + 1 - window.height())));
        return place;
    };
    const QPoint candidates[] = {
        onScreen({obstacle.right() + 1, window.y()}),
        onScreen({obstacle.left() - window.width(), window.y()}),
        onScreen({window.x(), obstacle.bottom() + 1}),
        onScreen({window.x(), obstacle.top() - window.height()}),
    };
    const auto covered = [&](QPoint place) {
        const QRect overlap = QRect(place, window.size()).intersected(obstacle);
        return qint64(overlap.width()) * overlap.height();
    };
    QPoint best = candidates[0];
    for (const QPoint place : candidates) {
        if (covered(place) == 0) return place;
        if (covered(place) < covered(best)) best = place;
    }
    return best;
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
    // Once the window that took the focus is fully shown and registered as modal.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            [this] { QTimer::singleShot(0, this, &TffHelp::keepClearOfModalWindow); });
}

void TffHelp::keepClearOfModalWindow()
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (!isVisible() || !modal || modal == this) return;
    const QScreen* screen = ScreenOf(modal);
    if (!screen) return;
    const QRect frame = frameGeometry();
    const QPoint place = PlaceClearOf(frame, modal->frameGeometry(), screen->availableGeometry());
    if (place != frame.topLeft()) move(place);
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
    keepClearOfModalWindow();
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
