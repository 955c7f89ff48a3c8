#pragma once
#include "tasks/recording.h"
#include "taskfiles/taskstate.h"
#include <QWidget>

class QLineEdit;
class QPushButton;
class QTimer;

namespace ui {
class HtmlView;
class TGifImage;
}
namespace shellcalls {
struct TaskOpening;
}

// The task window: the task page with its answer form, the drag-and-drop
// area above it when the task has one, and the buttons below. It shows the
// work of one user (ShowUser), judges or sends it ("Готово"), times the
// attempt in its caption and keeps the user's answers, area and lab between
// visits. Created once and only shown and hidden.
namespace tasks {

// "Начать с начала" on another user's work asks this first (default "Нет").
inline const QString kDeletePupilsWorkQuestion =
    QStringLiteral("Удалить сохранённые ответы ученика на это упражнение? Восстановить их будет нельзя.");

class TConteiner;
class DesktopCalculator;

class TffZad : public QWidget {
    Q_OBJECT
public:
    explicit TffZad(QWidget* parent = nullptr);
    ~TffZad() override;

    // What callers do to open a task: caption, ShowUser, LoadTask,
    // RestoreState; a teacher's look at a pupil's verdict presses "Верно"
    // ("1") or "Неверно" ("2") down. A code that would leave the tasks folder,
    // or a task without its page, is refused with a message (false).
    bool Open(const shellcalls::TaskOpening& opening);

    void ShowUser(const QString& userId);
    // Assembles and shows the page of the task; an empty code only clears it.
    void LoadTask(const QString& code);
    // The shown user's answers, area and lab; then the window shows.
    void RestoreState();
    // Fills the page's fields from an answer file (program path), or draws the
    // formula pictures from the fields as they stand when there is no file.
    void ShowAnswers(const QString& file);

    // The font size of the page (the topic page's size).
    void SetPageFontSize(int points);
    // The code of the task shown; empty while the window is hidden.
    QString VisibleTaskCode() const;

    const TaskState& State() const { return m_state; }
    // Where the formula pictures of the page lie (the temporary folder).
    static QString PictureFolder();

    // --- controls, named as the window's form names them ---
    QWidget* Panel2;           // holds the drag-and-drop area
    TConteiner* Conteiner;
    ui::HtmlView* HTML;
    QWidget* Panel1;           // bottom: the face animation and the buttons
    ui::TGifImage* RxGIF;
    QWidget* PanelButton;
    QPushButton* btReady;
    QPushButton* btSend;
    QPushButton* btBack;
    QPushButton* btHelp;
    QPushButton* btCalc;
    QPushButton* btLoad;
    QPushButton* btYes;
    QPushButton* btNo;
    QLineEdit* edFocus;        // takes the focus out of sight when the window closes
    QTimer* Timer1;            // the clock in the caption

    // --- reactions ---
    void btReadyClick();
    void btSendClick();
    void btBackClick();
    void btHelpClick();
    void btCalcClick();
    void btLoadClick();
    void btYesClick();
    void btNoClick();
    void Timer1Timer();
    // "FE:" links edit a formula field; other links are left to the view.
    bool HTMLLinkClick(const QString& href);
    // Alt+F4: writes the window's geometry into the page's title line.
    void StoreGeometry();
    // The result animation in place of the buttons.
    void ShowFace(int verdict);
    // Width and height for the page, placed low on the screen.
    void FitWindow();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* newButton(const QString& name, const QString& caption, const QString& hint);
    void buildButtons();
    void showButtons();
    void editFormulaField(const QString& name);
    void showAnswerLines(const QStringList& lines, bool setFields);
    void writeFormulaPicture(const QString& name, const QString& value, const QColor& background,
                             const QColor& colour = Qt::black);
    void restoreLab();
    void finishAttempt(int verdict);
    // The run's state, the area (when the task has one) and the lab on screen.
    ResultPlaces resultPlaces() const;
    void overrule(int verdict);
    void closeTask();
    PageAnswers collectPage() const;

    TaskState m_state;
    DesktopCalculator* m_calculator;
    bool m_judged = false;
    bool m_closing = false;
};

} // namespace tasks
