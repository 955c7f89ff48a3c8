#pragma once
#include <QWidget>

class QPushButton;

namespace ui {
class HtmlView;
}

// The lab help window: help pages of the windows and the labs, with a page
// history and a back panel. Its links may start a demonstration ("DEM:" +
// name), show the user where a control is by gliding the pointer to it
// ("MOV:" + control name), or lead to other pages. A page X.htm next to a lab
// file X.LAB sets the current lab up for what it explains.
namespace shell {

class TffHelp1 : public QWidget {
    Q_OBJECT
public:
    explicit TffHelp1(QWidget* parent = nullptr);

    // Loads a help page (program path) and shows the window below the guide
    // figure with the back panel hidden. False when the page cannot be read.
    bool ShowPage(const QString& pageFile);
    // Shows the window again as it was (after a demonstration).
    void ShowAgain();

    // Decides about a clicked link; true when the window took it.
    bool HTMLHotSpotClick(const QString& href);
    // "«  Назад".
    void btBackClick();
    // "MOV:" + name: glides the pointer to every control of that name in the
    // window on top of the window stack and clicks; false when there is none.
    bool MovePointerTo(const QString& controlName);

    ui::HtmlView* view() const { return HTML; }
    QWidget* backPanel() const { return Panel1; }
    QPushButton* backButton() const { return btBack; }

    static constexpr int kWidth = 420;
    static constexpr int kHistoryPages = 20;
    // Formula pictures of help pages are numbered from 2001, apart from those
    // of the topic pages (from 1) and the hints (from 1001), which may be on
    // screen at the same time.
    static constexpr int kFirstPicture = 2000;

signals:
    // A page was loaded and the window fitted to it (tests, screenshots).
    void pageShown(const QString& pageFile);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void pageLoaded();
    void showTitle(const QString& title);
    void fitHeight();
    void updateBackPanel();

    QWidget* Panel1;
    QPushButton* btBack;
    ui::HtmlView* HTML;
};

// A help page's text with its formula tags replaced by pictures.
QString ExpandHelpFormulas(const QString& html);

// The pointer path of "MOV:": step i of steps lies at from + i/steps * (to -
// from), each coordinate rounded to the nearest integer.
QPoint GlidePoint(QPoint from, QPoint to, int step, int steps);

} // namespace shell
