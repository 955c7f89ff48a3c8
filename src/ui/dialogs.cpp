#include "ui/dialogs.h"
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace ui {
namespace {

QMessageBox::StandardButton ToButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

class RealDialogs final : public Dialogs {
public:
    void message(const QString& text, const QString& caption) override
    {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    Answer question(const QString& text, const QString& caption, Choice choice, Answer defaultAnswer) override
    {
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        if (choice == Choice::OkCancel) buttons = QMessageBox::Ok | QMessageBox::Cancel;
        if (choice == Choice::YesNo) buttons = QMessageBox::Yes | QMessageBox::No;
        QMessageBox box(QMessageBox::Question, caption, text, buttons, QApplication::activeWindow());
        box.setDefaultButton(ToButton(defaultAnswer));
        box.setEscapeButton(choice == Choice::YesNo ? QMessageBox::No : QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
        }
    }

    QString openFile(const QString& filter, const QString& defaultExt, const QString& folder) override
    {
        QFileDialog dialog(QApplication::activeWindow(), QString(), folder, QtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(defaultExt);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString saveFile(const QString& filter, const QString& defaultExt, const QString& folder) override
    {
        QFileDialog dialog(QApplication::activeWindow(), QString(), folder, QtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultExt);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    int exec(QDialog& dialog) override { return dialog.exec(); }
};

Dialogs* g_replacement = nullptr;
} // namespace

Dialogs& dialogs()
{
    static RealDialogs real;
    return g_replacement ? *g_replacement : real;
}

void setDialogs(Dialogs* replacement) { g_replacement = replacement; }

QString QtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        out.append(parts[i] + QStringLiteral(" (") + patterns + u')');
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace ui
