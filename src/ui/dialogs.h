#pragma once
#include <QString>
#include <QStringList>

class QDialog;

// Every modal message box, question, file dialog and modal window of the
// program goes through this one service. The program installs the real one;
// tests install a recorder that answers without blocking.
namespace ui {

enum class Answer { Ok, Cancel, Yes, No };
enum class Choice { OkOnly, OkCancel, YesNo };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString& text, const QString& caption) = 0;
    virtual Answer question(const QString& text, const QString& caption, Choice choice,
                            Answer defaultAnswer) = 0;
    // filter as "Файлы лабораторий|*.LAB" (a Russian name, then the patterns);
    // returns the real path, empty when cancelled
    virtual QString openFile(const QString& filter, const QString& defaultExt,
                             const QString& folder) = 0;
    virtual QString saveFile(const QString& filter, const QString& defaultExt,
                             const QString& folder) = 0;
    // Runs a modal window; returns its QDialog result code.
    virtual int exec(QDialog& dialog) = 0;
};

Dialogs& dialogs();
// Installs a replacement (not owned); nullptr restores the real dialogs.
void setDialogs(Dialogs* replacement);

// The program's caption of plain messages.
inline const QString kAppCaption = QStringLiteral("Ориндо");

// Shorthands.
inline void ShowMessage(const QString& text) { dialogs().message(text, kAppCaption); }

// Converts "Файлы лабораторий|*.LAB|Все файлы|*.*" to Qt's "Файлы лабораторий (*.LAB);;Все файлы (*.*)".
QString QtFilter(const QString& filter);

} // namespace ui
