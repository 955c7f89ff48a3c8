#pragma once
#include "ui/dialogs.h"
#include <QStringList>

// The program's message boxes while the checker runs: nothing is shown and
// nothing waits for a user; every message is kept so that the check that
// caused it can report it. Installed for the lifetime of the object.
namespace coursecheck {

class MessageCollector : public ui::Dialogs {
public:
    MessageCollector();
    ~MessageCollector() override;
    MessageCollector(const MessageCollector&) = delete;
    MessageCollector& operator=(const MessageCollector&) = delete;

    void message(const QString& text, const QString& caption) override;
    // Questions get their default answer; file dialogs and modal windows are cancelled.
    ui::Answer question(const QString& text, const QString& caption, ui::Choice choice,
                        ui::Answer defaultAnswer) override;
    QString openFile(const QString& filter, const QString& defaultExt, const QString& folder) override;
    QString saveFile(const QString& filter, const QString& defaultExt, const QString& folder) override;
    int exec(QDialog& dialog) override;

    // The messages shown since the last call, and forgets them.
    QStringList Take();

private:
    QStringList m_messages;
};

} // namespace coursecheck
