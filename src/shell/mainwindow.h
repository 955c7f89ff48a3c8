#pragma once
#include "ui/fullsizewindow.h"

class QLabel;

// A small stand-in for the main window: the full-size window "fmMain" with
// the caption "Ориндо", the quit question on closing and a greeting. The
// main window with its sections replaces it.
namespace shell {

class TfmMain : public ui::FullSizeWindow {
    Q_OBJECT
public:
    explicit TfmMain(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_greeting;
};

} // namespace shell
