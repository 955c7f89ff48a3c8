#pragma once
#include "ui/fullsizewindow.h"
#include <QPixmap>
#include <array>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QLabel;

namespace ui {
class HtmlView;
class TMyButton;
class TMyGIFButton;
class TMyPanel;
} // namespace ui

// The main window "Ориндо": the hub the user returns to. Seven sections share
// its central area: the start page, the labs page, the time line, the results
// table, the teaching notes, the search and the page about the program. The
// back and main-window buttons, the status bar and the guide figure belong to
// it and travel into whichever full-size window is shown.
namespace shell {

enum Section {
    kSectionStart = 0,
    kSectionLabs = 1,
    kSectionTimeLine = 2,
    kSectionTable = 3,
    kSectionMethod = 4,
    kSectionSearch = 5,
    kSectionAbout = 6,
};
inline constexpr int kSectionCount = 7;

// The name of a section's help page ("Main", "Labs", ...); empty outside 0..6.
QString SectionHelpName(int section);
// The section's top picture ("JPG\MainTop.JPG", ...).
QString SectionTopPicture(int section);

// The help page of a window for its guide figure or F1: "HELP\" + the window's
// name without its two-letter prefix + ".HTM", where the main window uses the
// help name of its section and the topic page window "Zad" while the task
// window is visible. Empty when that page does not exist.
QString WindowHelpFile(const QString& windowName, int section, bool taskWindowVisible);
// "Что это такое?" on a control: "HELP\{Window}\{control}.HTM" when it exists.
QString ControlHelpFile(const QString& windowName, const QString& controlName);

// The number that positions 5 and 6 of a start-page or labs-page link give
// ("CNT_12" gives 12); none when they are not a decimal number.
std::optional<int> LinkNumber(const QString& href);

// A window of the course that lends its panel to a section of the main
// window; the window itself is never shown.
struct SectionPanel {
    QWidget* panel = nullptr;      // moved into MyPanel1 while the section shows
    std::function<void()> prepare; // runs just before the panel is shown
};

// Where the windows of the course that the main window opens plug in. Until
// one is plugged in, its links open nothing and its section shows an empty
// panel.
struct MainWindowPlugs {
    // The contents window, opened by the start page's links, and its
    // ShowContents(n).
    QWidget* contents = nullptr;
    std::function<void(int section)> showContents;
    // Section 2: the time line's panel; prepare runs its show handler.
    SectionPanel timeLine;
    // Section 3: the results table's panel; prepare refreshes it at once
    // (and loads its header picture "JPG\Table.JPG" the first time).
    SectionPanel table;
    // Switches the results table's refresh timer on (every section change;
    // it stays on for the rest of the run).
    std::function<void()> startTableTimer;
    // Section 5: the search panel.
    SectionPanel search;
};

class TfmMain : public ui::FullSizeWindow {
    Q_OBJECT
public:
    explicit TfmMain(QWidget* parent = nullptr);
    ~TfmMain() override;

    MainWindowPlugs& plugs() { return m_plugs; }

    // Switches the central area to section n (0..6); other numbers are ignored.
    void ShowSection(int n);
    int section() const { return m_section; }

    // The handlers of the window's controls.
    // A link clicked in HTML: true when the window took it.
    bool HTMLHotSpotClick(const QString& href);
    void btBackClick();
    void btMainClick();
    // The guide figure or F1 in any full-size window.
    void FigClick();
    // "Что это такое?" on a control of any full-size window.
    void ShowControlHelp(QWidget* control);
    // Hides "Назад" and "В главное окно" (the command-line modes).
    void HideNavigation();
    // "Сменить пользователя": closes the work of the user (task, help and
    // other small windows, every full-size window) and returns to the login
    // window, without ending the program.
    void ChangeUser();

    ui::TMyPanel* MyPanel2;
    ui::TMyPanel* MyPanel1;
    QLabel* imMainTop;
    QLabel* imMainLeft;
    QLabel* imMainLeOn;
    QLabel* imMainLeOf;
    QLabel* imMainBott;
    QLabel* imMainBoOn;
    QLabel* imMainBoOf;
    ui::TMyGIFButton* Fig;
    ui::TMyGIFButton* btBack;
    ui::TMyGIFButton* btMain;
    ui::TMyButton* btBook;
    ui::TMyButton* btLabs;
    ui::TMyButton* btTime;
    ui::TMyButton* btTable;
    ui::TMyButton* btMethod;
    ui::TMyButton* btAbout;
    ui::HtmlView* HTML;
    ui::TMyPanel* pBott;
    QLabel* imBottom;
    QLabel* lbRegim;
    QLabel* lbAbout;
    QLabel* lbChangeUser;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTop();
    void createLeftPanel();
    void createCentre();
    void createStatusBar();
    void connectControls();
    void layOut();
    // Places the bottom strip's buttons and pictures for the strip's width.
    void fitBottomStrip();
    void FormShow();
    void loadFirstPictures();
    void applyRole();
    // The left picture of the section: the labs page has its own.
    void showLeftPicture(int section);
    void showSectionContent(int n);
    // What is plugged in for a section of a panel; null for the sections of a page.
    const SectionPanel* plugOf(int n) const;
    void loadPage(const QString& file);
    void topChanged(QWidget* top);

    MainWindowPlugs m_plugs;
    QList<QPointer<QWidget>> m_travelling; // btBack, btMain, pBott, Fig
    QWidget* m_emptyPanel;
    QWidget* m_bottomStrip; // imMainBott with its three buttons, under HTML
    // The bottom strip's pictures as drawn (normal, hover, disabled), which
    // a narrow strip shows fitted to its width.
    std::array<QPixmap, 3> m_bottomDrawn;
    QWidget* m_shownPanel = nullptr; // the panel in MyPanel1, if any
    QPixmap m_mainLeft;
    QPixmap m_labsLeft;
    int m_section = kSectionStart;
    bool m_shownOnce = false;
};

} // namespace shell
