#include "coursecheck/check/messages.h"
#include <QDialog>

namespace coursecheck {

MessageCollector::MessageCollector() { ui::setDialogs(this); }
MessageCollector::~MessageCollector() { ui::setDialogs(nullptr); }

void MessageCollector::message(const QString& text, const QString&) { m_messages.append(text); }

ui::Answer MessageCollector::question(const QString& text, const QString&, ui::Choice, ui::Answer defaultAnswer)
{
    m_messages.append(text);
    return defaultAnswer;
}

QString MessageCollector::openFile(const QString&, const QString&, const QString&) { return {}; }
QString MessageCollector::saveFile(const QString&, const QString&, const QString&) { return {}; }
int MessageCollector::exec(QDialog&) { return QDialog::Rejected; }

QStringList MessageCollector::Take() { return std::exchange(m_messages, {}); }

} // namespace coursecheck
