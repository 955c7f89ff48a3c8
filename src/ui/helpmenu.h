#pragma once

class QAction;
class QWidget;

// The context menu "Что это такое?" of selected controls: its one item asks
// the shell for the control's own help page (shellcalls::guide().ShowControlHelp).
namespace ui {

// Gives control the menu; returns its item (named "PopupMenu1").
QAction* AttachHelpMenu(QWidget* control);

} // namespace ui
