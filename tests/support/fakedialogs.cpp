#include "support/fakedialogs.h"

FakeDialogs::FakeDialogs() { ui::setDialogs(this); }
FakeDialogs::~FakeDialogs() { ui::setDialogs(nullptr); }

void FakeDialogs::message(const QString& text, const QString& caption)
{
    messages.append({text, caption});
}

ui::Answer FakeDialogs::question(const QString& text, const QString& caption, ui::Choice,
                                 ui::Answer defaultAnswer)
{
    questions.append({text, caption});
    questionDefaults.append(defaultAnswer);
    if (answers.empty()) return defaultAnswer;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakeDialogs::openFile(const QString& filter, const QString&, const QString& folder)
{
    fileFilters.append(filter);
    fileFolders.append(folder);
    if (files.empty()) return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

QString FakeDialogs::saveFile(const QString& filter, const QString& ext, const QString& folder)
{
    return openFile(filter, ext, folder);
}

int FakeDialogs::exec(QDialog& dialog)
{
    if (dialogActions.empty()) return QDialog::Rejected;
    auto action = std::move(dialogActions.front());
    dialogActions.pop_front();
    return action(dialog);
}
