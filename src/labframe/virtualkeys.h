#pragma once
#include <QString>
#include <Qt>

// Demonstration scripts name keys by the virtual key codes of their recording
// (0-255, layout independent: 65 is "A", 27 is Esc, 13 is Enter). These turn
// them into the Qt key and text of a key event.
namespace labframe {

struct VirtualKey {
    Qt::Key key = Qt::Key_unknown;
    QString text; // what the key types; empty for keys that type nothing
};

VirtualKey TranslateVirtualKey(int code, bool shift);
// The modifier a code holds down (shift, control, alt); NoModifier for others.
Qt::KeyboardModifier ModifierOfVirtualKey(int code);

} // namespace labframe
