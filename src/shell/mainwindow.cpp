#include "shell/mainwindow.h"
#include "shell/base/appstate.h"
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace shell {

TfmMain::TfmMain(QWidget* parent) : ui::FullSizeWindow(QStringLiteral("fmMain"), parent)
{
    setWindowTitle(QStringLiteral("Ориндо"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resize(800, 576);
    m_greeting = new QLabel(this);
    m_greeting->setObjectName(QStringLiteral("lbGreeting"));
    m_greeting->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_greeting);
}

void TfmMain::showEvent(QShowEvent* event)
{
    ui::FullSizeWindow::showEvent(event);
    const QString name = App().currentUserName;
    m_greeting->setText(name.isEmpty() ? QStringLiteral("Ориндо")
                                       : QStringLiteral("Ориндо\n\nЗдравствуйте, %1!").arg(name));
}

} // namespace shell
