#pragma once
#include "ui/fullsizewindow.h"
#include <QString>

class QLabel;

namespace ui {
class HtmlView;
class TMyButton;
class TMyPanel;
} // namespace ui

// What the contents and topic page windows share: a top strip, a left panel
// with a picture and its hover and disabled pictures under image buttons,
// and the HTML view over the rest (the status bar travels in at the bottom).
namespace shell {

class CourseFrame : public ui::FullSizeWindow {
    Q_OBJECT
public:
    CourseFrame(const QString& name, QWidget* parent);

    ui::TMyPanel* pnLeft;
    QLabel* imTop;
    QLabel* imLeft;
    QLabel* imLeftOn;
    QLabel* imLeftOff;
    ui::HtmlView* HTML;

protected:
    // An image button on the left panel with the hover picture.
    ui::TMyButton* leftButton(const QString& name, const QRect& place, const QString& hint);
    // Loads the left pictures ("JPG\" + names) and gives the buttons their
    // disabled picture; missing pictures are named in one message.
    void loadLeftPictures(const QString& left, const QString& on, const QString& off);
    void resizeEvent(QResizeEvent* event) override;
    virtual void layOut();
};

} // namespace shell
