#include "labframe/labpanel.h"
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

} // namespace labframe
