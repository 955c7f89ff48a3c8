#pragma once
#include "ui/dialogs.h"
#include <QDialog>
#include <QList>
#include <deque>
#include <functional>

// Records every modal message and answers from queues; installed for the
// lifetime of the object.
class FakeDialogs : public ui::Dialogs {
public:
    struct Shown {
        QString text;
        QString caption;
    };

    FakeDialogs();
    ~FakeDialogs() override;

    void message(const QString& text, const QString& caption) override;
    ui::Answer question(const QString& text, const QString& caption, ui::Choice choice,
                        ui::Answer defaultAnswer) override;
    QString openFile(const QString& filter, const QString& defaultExt, const QString& folder) override;
    QString saveFile(const QString& filter, const QString& defaultExt, const QString& folder) override;
    int exec(QDialog& dialog) override;

    QList<Shown> messages;
    QList<Shown> questions;
    QList<ui::Answer> questionDefaults;
    QStringList fileFilters;
    QStringList fileFolders; // where each file dialog started
    // Answers in order; when empty, questions get their default answer and
    // file dialogs are cancelled, modal windows rejected.
    std::deque<ui::Answer> answers;
    std::deque<QString> files;
    // Each entry fills the dialog and returns its result code.
    std::deque<std::function<int(QDialog&)>> dialogActions;

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }
};
