#include "ui/fullsizewindow.h"
#include "base/appstate.h"
#include "ui/dialogs.h"
#include "ui/screenfit.h"
#include "shellcalls/shellcalls.h"
#include <QCloseEvent>
#include <QShortcut>
#include <QTimer>

namespace ui {
namespace {
bool g_quitting = false;
// How long a window manager may take to maximise a window before the window
// takes the screen's free area itself.
constexpr int kWindowManagerAnswerMs = 300;
} // namespace

FullSizeWindow::FullSizeWindow(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [] {
        shellcalls::guide().ShowWindowHelp();
    });
}

QString FullSizeWindow::helpName() const { return objectName().mid(2); }

bool FullSizeWindow::AskQuit()
{
    const QString text = base::App().currentUserName + QStringLiteral(", Вы действительно хотите выйти из программы?");
    return dialogs().question(text, kAppCaption, Choice::YesNo, Answer::No) == Answer::Yes;
}

void FullSizeWindow::SetQuitting(bool quitting) { g_quitting = quitting; }
bool FullSizeWindow::Quitting() { return g_quitting; }

void FullSizeWindow::placeNavigationButtons()
{
    const int width = this->width();
    if (auto* back = findChild<QWidget*>(QStringLiteral("btBack"), Qt::FindDirectChildrenOnly))
        back->move(width - back->width() - 52, back->y());
    if (auto* main = findChild<QWidget*>(QStringLiteral("btMain"), Qt::FindDirectChildrenOnly))
        main->move(width - main->width() - 20, main->y());
    // The status bar runs along the bottom edge of whichever window holds it.
    if (auto* bar = findChild<QWidget*>(QStringLiteral("pBott"), Qt::FindDirectChildrenOnly))
        bar->setGeometry(0, height() - bar->height(), width, bar->height());
}

void FullSizeWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeNavigationButtons();
}

void FullSizeWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMaximized()) return;
    const QSize asked = size();
    QTimer::singleShot(kWindowManagerAnswerMs, this, [this, asked] {
        // A window manager that maximised the window changed its size; one
        // that is not there left it as it was.
        const QRect area = ClientAreaOf(*this);
        if (!isMaximized() || size() != asked || area.size() == asked) return;
        setGeometry(area);
        // Placing a window ends its maximised state; it is still meant to be.
        setWindowState(windowState() | Qt::WindowMaximized);
    });
}

void FullSizeWindow::closeEvent(QCloseEvent* event)
{
    if (g_quitting) {
        event->accept();
        return;
    }
    if (!AskQuit()) {
        event->ignore();
        return;
    }
    event->accept();
    g_quitting = true;
    shellcalls::navigation().QuitConfirmed();
}

} // namespace ui
