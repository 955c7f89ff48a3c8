#pragma once
#include "labframe/labwindow.h"
#include "labs/programming/format/labformat.h"
#include "programming/exampletree.h"
#include "programming/programpaths.h"
#include "programming/programrun.h"
#include "programming/programsettings.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace programminglab {

class TffConfig;

// The lab "Математика и компьютер" (lab 19): the tree of example programs
// from "ZADS\Programs.txt", the example's Pascal source in the tab "Пример",
// the pupil's own program in the tab "Своя программа" (kept per user and per
// task), the ready example programs (btRun) and the programming environment
// (btTurbo) started as outside programs. While one runs the lab waits for it
// without blocking: the window repaints, its controls are disabled and a
// strip tells what it waits for, with a button that stops waiting.
class TfmLab19 : public labframe::TfmLab {
    Q_OBJECT
public:
    explicit TfmLab19(QWidget* parent = nullptr);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    // The frame's file; then the own program into the paired program file
    // (work.LAB and work.PAS), in the configured encoding.
    bool SaveLabFile(const QString& file) override;
    // The frame's file; when it loaded, the paired program file becomes the
    // own program (an empty one when there is none).
    bool LoadLabFile(const QString& file) override;

    // Selects the example of the code (if it is one), shows its source and
    // enables btRun when its ready program exists.
    void ShowExample(const QString& code);
    QString CurrentCode() const { return m_currentCode; }
    const programming::ExampleTree& Examples() const { return m_examples; }
    const programming::ProgramSettings& Settings() const { return m_settings; }
    // Replaces how programs are found on the search path (tests).
    void SetExecutableFinder(programming::ExecutableFinder find) { m_find = std::move(find); }
    // True while an outside program runs and the lab waits for it.
    bool Waiting() const { return m_run.running(); }
    // The own program's file for the open task (or "TMP").
    QString OwnProgramFile() const;

    void btRunClick();
    void btConfigClick();
    void btTurboClick();
    void btCopyClick();
    void btPasteClick();
    void btStopWaitingClick();
    void PageControlChange();

    QLabel* lbExamples;
    QTreeWidget* tvExamples;
    QTabWidget* PageControl;
    QWidget* tsOwn;
    QWidget* tsExample;
    QPlainTextEdit* meOwn;
    QPlainTextEdit* meExample;
    QToolButton* btRun;
    QToolButton* btConfig;
    QToolButton* btTurbo;
    QToolButton* btCopy;
    QToolButton* btPaste;
    QFrame* pnWait;
    QLabel* lbWait;
    QPushButton* btStopWaiting;
    TffConfig* ffConfig;

protected:
    void FormShow() override;
    // Stores a changed own program in its file.
    void hideEvent(QHideEvent* event) override;
    void btClearClick() override;

private:
    QWidget* makeExamplePanel();
    QWidget* makeProgramPanel();
    QFrame* makeWaitStrip();
    void loadExamples();
    void loadSettings();
    void treeSelectionChanged();
    QTreeWidgetItem* itemOf(const QString& code) const;
    void updateRunButton();
    QPlainTextEdit* activeText() const;
    bool ownTabActive() const;
    QString taskCode() const;
    QString userFolder() const;
    // Starts the command and waits for it; what follows the end runs in
    // afterEnd. False when it could not start (a message has been shown).
    void startAndWait(const programming::ProgramCommand& command, const QString& what, std::function<void()> afterEnd);
    void setWaiting(bool waiting, const QString& what);
    void runEnded();
    void runFailed(const QString& message);

    programming::ExampleTree m_examples;
    programming::ProgramSettings m_settings;
    programming::ExecutableFinder m_find = programming::FindOnPath;
    programming::ProgramRun m_run;
    std::function<void()> m_afterEnd;
    QString m_currentCode;
    // The own program's file of the open task, fixed when the lab was shown.
    QString m_ownFile;
};

} // namespace programminglab
