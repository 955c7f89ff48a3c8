#pragma once
#include "labframe/labcontrols.h"
#include "labframe/file/labdata.h"
#include "labframe/file/labfile.h"
#include "ui/fullsizewindow.h"
#include <QToolButton>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

// The base of every lab window: the top strip with the lab's name and the
// loaded example, the four toolbar buttons (clear, open, save, examples), the
// example menu from "LABS\LAB{n}\examples.txt", and the envelope of lab files:
// the lab number, one "name=value" line per control of the window in creation
// order, "#", then the records of the lab's engine.
//
// A concrete lab creates its controls with addControl (which fixes the order
// of the file's lines), lays them out in workArea() and toolBar(), and extends
// ClearLab, ReadLab and WriteLab to clear, read and write its engine after the
// base part. Files are read and written as LabFileData (labframe/file), the
// form tools check them in without a window.
namespace labframe {

class TfmLab : public ui::FullSizeWindow {
    Q_OBJECT
public:
    // number: the lab number, the window's tag and the first line of its files.
    // The caption comes from the lab table; the window's name is "fmLab{n}".
    explicit TfmLab(int number, QWidget* parent = nullptr);

    int number() const { return m_number; }
    // "LABS\LAB{n}\": examples.txt and the example files {i}.LAB.
    QString exampleFolder() const;

    // The five operations every lab may extend.
    // Enables every speed button, empties edit fields and grid cells and lbExample.
    virtual void ClearLab();
    // Checks the lab number and applies the window lines; a wrong number
    // throws LabFormatError, so that no engine section is read after it.
    // A lab reads data.engineLines after this.
    virtual void ReadLab(const LabFileData& data);
    // Fills in the lab number and the window lines; a lab adds its engine lines.
    virtual void WriteLab(LabFileData& data);
    // Clears the lab and reads the file (program or real path). False, after a
    // message, when the file cannot be read or is not a file of this lab; a
    // file that cannot be opened leaves the lab untouched.
    virtual bool LoadLabFile(const QString& file);
    // Writes the file atomically; false, after a message, when it cannot be written.
    virtual bool SaveLabFile(const QString& file);
    // Clears the lab and reads a lab file's text (LoadLabFile after the file was read).
    bool LoadLabText(const QString& text);
    // Lines «name=value» the lab adds to the answers of the task it was
    // opened with, judged like the page's fields; none by default.
    virtual QStringList TaskAnswers() const { return {}; }

    // Plays "{basePath}.SCI" in this window after loading "{basePath}.LAB"
    // when it exists; does nothing while a demonstration plays.
    void PlayDemo(const QString& basePath);

    // For tool buttons that open a drop-down menu: checks the item and copies
    // its picture (when its menu has pictures) or else its caption, its tag and
    // its hint (or caption) to the button.
    static void ApplyMenuChoice(QAction* item, QToolButton* button);

    // Creates a control whose value lab files keep (kinds in labcontrols.h),
    // named name, as the next component of the window's order.
    template <class Control>
    Control* addControl(const QString& name, QObject* parent)
    {
        Control* control = nullptr;
        if constexpr (std::is_base_of_v<QWidget, Control>)
            control = new Control(qobject_cast<QWidget*>(parent));
        else
            control = new Control(parent);
        control->setObjectName(name);
        if constexpr (std::is_same_v<Control, QToolButton>) PrepareSpeedButton(*control);
        m_components.add(control, ControlKindOf<Control>::value);
        return control;
    }
    const LabComponents& components() const { return m_components; }

    // A tool button whose state lab files keep (addControl), with its caption
    // (none: a picture button), its hint and the "Что это такое?" menu,
    // appended to parent's layout.
    QToolButton* addButton(const QString& name, const QString& caption, const QString& hint, QWidget* parent);
    // The right-click menu "Что это такое?" that opens the control's help.
    void addHelpMenu(QWidget* control);

    // Dialogs for the labs' own use, through ui::dialogs().
    std::optional<QColor> chooseColor(const QColor& initial);
    // Starts with the window's font.
    std::optional<QFont> chooseFont();
    // A second save dialog, starting in the user's folder; empty when cancelled.
    QString askSaveFile(const QString& filter, const QString& defaultExt);

    // The row of tool buttons on the top strip (a QHBoxLayout); the base
    // buttons come first, a lab appends its own.
    QWidget* toolBar() const { return m_toolBar; }
    // Everything below the top strip belongs to the lab; it scrolls when the
    // window is smaller than the lab's layout needs.
    QWidget* workArea() const { return m_workArea; }

    QLabel* imTop;
    QLabel* lbName;
    QLabel* lbExample;
    QToolButton* btClear;
    QToolButton* btLoad;
    QToolButton* btSave;
    QToolButton* btExample;
    QMenu* PopupEx;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // Runs on every showing; the first one loads the top picture, names the
    // window and builds the example menu.
    virtual void FormShow();
    // True once the first showing has prepared the window.
    bool prepared() const { return m_prepared; }

    virtual void btClearClick();
    void btLoadClick();
    void btSaveClick();
    void btExampleClick();
    void exampleChosen(int index, const QString& caption);

private:
    static void PrepareSpeedButton(QToolButton& button);
    void makeTopStrip();
    QScrollArea* makeWorkArea();
    void makeToolBar();
    QLabel* makeStripLabel(const QString& name, const QFont& font, const QString& style);
    QToolButton* addToolbarButton(const QString& name, const QString& hint, const QString& picture);
    void buildExampleMenu();
    // Where the open dialog starts: the visible task's folder and name, else
    // the folder last saved to or opened from, else the examples.
    QString openDialogStart() const;
    // Where the save dialog starts: the folder last saved to or opened from,
    // else the user's folder.
    QString saveDialogStart() const;
    void rememberFolder(const QString& file);

    int m_number;
    bool m_prepared = false;
    LabComponents m_components;
    // The real folder of the file last saved or opened with the buttons, so
    // that a pupil finds her own file again; empty until then.
    QString m_lastFolder;
    QWidget* m_toolBar;
    QWidget* m_workArea;
};

} // namespace labframe
