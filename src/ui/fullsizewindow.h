#pragma once
#include <QWidget>

// The behaviours every full-size window shares (main, contents, topic page,
// labs): the back and main-window buttons keep their place at the right edge,
// F1 asks for the window's help, and closing asks the quit question.
// The object name is the window's name ("fmMain", "fmLab3"); help pages are
// found by it without its first two letters.
namespace ui {

class FullSizeWindow : public QWidget {
    Q_OBJECT
public:
    explicit FullSizeWindow(const QString& name, QWidget* parent = nullptr);

    // The window's name without its two-letter prefix ("Main", "Lab3").
    QString helpName() const;

    // Asks "<name>, Вы действительно хотите выйти из программы?" (No is the
    // default); true when the user answered Yes.
    static bool AskQuit();
    // Set once the program is ending, so that the other windows close without asking.
    static void SetQuitting(bool quitting);
    static bool Quitting();

    // Places btBack and btMain, and the status bar pBott, when they are inside this window.
    void placeNavigationButtons();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A window asked to be maximised covers the screen's free area even where
    // no window manager answers the request (a bare X display).
    void changeEvent(QEvent* event) override;
};

} // namespace ui
