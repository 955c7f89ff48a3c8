#include "ui/hooks.h"

namespace ui {

ShellHooks& hooks()
{
    static ShellHooks table;
    return table;
}

void ShowNote(const QString& text, int seconds)
{
    if (hooks().showNote) hooks().showNote(text, seconds);
}

void SetStatusText(const QString& text)
{
    if (hooks().setStatusText) hooks().setStatusText(text);
}

} // namespace ui
