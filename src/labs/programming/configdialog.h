#pragma once
#include "programming/programsettings.h"
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace programminglab {

// The settings dialog "Среда программирования:": the environment's
// executable (chosen with "..."), the extension of program files, the
// environment's name and the text encoding. OK stores them in the user's
// folder; a file that cannot be written is told and the dialog stays open.
class TffConfig : public QDialog {
    Q_OBJECT
public:
    explicit TffConfig(QWidget* parent = nullptr);

    // Shows the settings in the controls.
    void ShowSettings(const programming::ProgramSettings& settings);
    // The settings the controls hold.
    programming::ProgramSettings Settings() const;
    // The user's folder the settings are stored in (program path, ends with "\").
    void SetUserFolder(const QString& userFolder) { m_userFolder = userFolder; }

    void btBrowseClick();
    void btOKClick();

    QLineEdit* edPath;
    QToolButton* btBrowse;
    QLineEdit* edExt;
    QLineEdit* edName;
    QComboBox* cbEncoding;
    QPushButton* btOK;

private:
    QString m_userFolder;
    programming::ProgramSettings m_shown;
};

} // namespace programminglab
