#include "labframe/labpanel.h"
#include "labframe/labcontrols.h"
#include "labframe/labwindow.h"
#include <QToolButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace labframe {

QHBoxLayout* RowLayout(QWidget* owner, int margin)
{
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(margin, 2, margin, 2);
    row->setSpacing(6);
    return row;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(kCaptionColour.name()));
    return label;
}

QWidget* ToolRow(const QString& caption, QWidget* parent)
{
    auto* tools = new QWidget(parent);
    RowLayout(tools, 0)->addWidget(Caption(caption, tools));
    return tools;
}

QIcon Swatch(const QColor& colour)
{
    QPixmap swatch(kSwatchSize);
    swatch.fill(colour);
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    return QIcon(swatch);
}

void Relayout(QWidget* widget)
{
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (child->layout()) child->layout()->invalidate();
    if (widget->layout()) {
        widget->layout()->invalidate();
        widget->layout()->activate();
    }
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (child->layout()) child->layout()->activate();
}

std::vector<QToolButton*> AddModeButtons(TfmLab& lab, QWidget* row, const ModeRow& modes,
                                         const std::function<void(int)>& show)
{
    std::vector<QToolButton*> buttons;
    const QString style = QStringLiteral("QToolButton { color: %1; font-weight: bold; }"
                                         "QToolButton:checked { background: %2; }")
                              .arg(kCaptionColour.name(), modes.checkedColour.name());
    for (size_t mode = 0; mode < modes.captions.size(); ++mode) {
        auto* button = lab.addControl<QToolButton>(QStringLiteral("bt") + QString::number(mode), row);
        SetTag(button, int(mode));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setText(QString::fromUtf8(modes.captions[mode]));
        if (mode < modes.hints.size()) button->setToolTip(QString::fromUtf8(modes.hints[mode]));
        button->setFixedSize(modes.buttonSize);
        button->setStyleSheet(style);
        QObject::connect(button, &QToolButton::clicked, &lab, [show, mode] { show(int(mode)); });
        lab.addHelpMenu(button);
        row->layout()->addWidget(button);
        buttons.push_back(button);
    }
    return buttons;
}

} // namespace labframe
