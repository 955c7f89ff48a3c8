#pragma once
#include <QPoint>
#include <QStringList>
#include <QWidget>

namespace ui {
class HtmlView;
}

// The small windows that serve the whole program: the message popup, the
// hint window of the tasks, the lab help window and the history page window
// of the time line. They are made once after login and only shown and hidden.
namespace shell {

class TffMess;
class TffHelp1;

// Makes the four windows (once) and installs the shell's answers to the calls
// from below (InstallWindowCalls), which reach them and the workspace.
void CreateHelpWindows();
// Deletes the windows and puts back the do-nothing calls (end of the run, tests).
void ReleaseHelpWindows();

class TffHelp;
class TffHist;
// The windows made by CreateHelpWindows; null before it.
TffMess* MessageWindow();
TffHelp* HintWindow();
TffHelp1* LabHelpWindow();
TffHist* HistoryWindow();

// Replaces the formula tags of every line by pictures numbered on from
// counter (counter ends at the last number used).
void ExpandFormulasInLines(QStringList& lines, int& counter);
// Reads a page file line by line and replaces every formula tag by a picture
// numbered on from counter (counter ends at the last number used). A file
// that cannot be read raises base::AppError.
QStringList ReadPageWithFormulas(const QString& file, int& counter);

// Where the help windows appear: at the guide figure's screen position, 107
// pixels lower (the figure's height), or as if the figure stood at the top
// left of the window on top of the window stack.
QPoint BelowGuideFigure();
// The height a window may have at most: from its top to the bottom of its screen.
int AvailableScreenHeight(const QWidget* widget);

// Where a window (its frame) goes so that it leaves obstacle free and stays
// on screen: right of the obstacle, left of it, below it or above it, the
// first place where it fits whole; where none does, the place that covers
// the least of the obstacle. A window clear of the obstacle stays where it is.
QPoint PlaceClearOf(const QRect& window, const QRect& obstacle, const QRect& screen);

// The hint window of the tasks ("ПОДСКАЗКА:"): a page without scroll bars on
// a cream background, as high as its content.
class TffHelp : public QWidget {
    Q_OBJECT
public:
    explicit TffHelp(QWidget* parent = nullptr);

    // Shows a hint file below the guide figure; formula pictures are numbered
    // from 1001. False, after a message, when the file cannot be read.
    bool ShowHintPage(const QString& file);

    ui::HtmlView* view() const { return HTML; }
    static constexpr int kWidth = 360;
    static constexpr int kFirstPicture = 1000;

private:
    void fitHeight();
    // Moves the hint off a modal window (the formula editor) that it would
    // cover: the modal window takes all input, so a hint over it could
    // neither be read past nor closed.
    void keepClearOfModalWindow();

    ui::HtmlView* HTML;
};

// The history page window of the time line, centred on the screen, with the
// page's title as its caption.
class TffHist : public QWidget {
    Q_OBJECT
public:
    explicit TffHist(QWidget* parent = nullptr);

    // False, after a message, when the file cannot be read.
    bool ShowHistoryPage(const QString& file);

    ui::HtmlView* view() const { return HTML; }
    static constexpr QSize kSize{640, 520};

private:
    ui::HtmlView* HTML;
};

} // namespace shell
