#include "shell/courseframe.h"
#include "shell/courselayout.h"
#include "ui/helpmenu.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include "ui/pictureset.h"
#include <QLabel>

namespace shell {
namespace L = courselayout;

namespace {

QLabel* Picture(QWidget* parent, const QString& name, bool visible)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setVisible(visible);
    return label;
}

} // namespace

CourseFrame::CourseFrame(const QString& name, QWidget* parent) : ui::FullSizeWindow(name, parent)
{
    resize(mainlayout::kClient);
    imTop = Picture(this, QStringLiteral("imTop"), true);
    pnLeft = new ui::TMyPanel(this);
    pnLeft->setObjectName(QStringLiteral("pnLeft"));
    imLeft = Picture(pnLeft, QStringLiteral("imLeft"), true);
    imLeftOn = Picture(pnLeft, QStringLiteral("imLeftOn"), false);
    imLeftOff = Picture(pnLeft, QStringLiteral("imLeftOff"), false);
    HTML = new ui::HtmlView(this);
    HTML->setObjectName(QStringLiteral("HTML"));
    HTML->SetHistoryLimit(0);
}

ui::TMyButton* CourseFrame::leftButton(const QString& name, const QRect& place, const QString& hint)
{
    ui::TMyButton* button = ui::NewImageButton(pnLeft, name, place, hint, imLeftOn);
    button->setCursor(Qt::PointingHandCursor);
    ui::AttachHelpMenu(button);
    return button;
}

void CourseFrame::loadLeftPictures(const QString& left, const QString& on, const QString& off)
{
    ui::PictureSet pictures;
    const QString folder = QStringLiteral("JPG\\");
    pictures.bitmap(imLeft, folder + left);
    pictures.bitmap(imLeftOn, folder + on);
    pictures.bitmap(imLeftOff, folder + off);
    for (ui::TMyButton* button : pnLeft->findChildren<ui::TMyButton*>()) button->setImageOff(imLeftOff);
    pictures.reportMissing();
}

void CourseFrame::resizeEvent(QResizeEvent* event)
{
    layOut();
    ui::FullSizeWindow::resizeEvent(event);
}

void CourseFrame::layOut()
{
    const int middle = std::max(0, height() - L::kTopHeight - mainlayout::kStatusHeight);
    imTop->setGeometry(0, 0, mainlayout::kStripWidth, L::kTopHeight);
    pnLeft->setGeometry(0, L::kTopHeight, L::kLeftWidth, middle);
    for (QLabel* picture : {imLeft, imLeftOn, imLeftOff})
        picture->setGeometry(0, 0, L::kLeftWidth, L::kLeftHeight);
    HTML->setGeometry(L::kLeftWidth, L::kTopHeight, std::max(0, width() - L::kLeftWidth), middle);
}

} // namespace shell
