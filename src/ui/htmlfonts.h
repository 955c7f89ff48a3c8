#pragma once
#include <QString>

// Content pages ask for "Arial Narrow", "Tahoma" and "Times New Roman" by
// name. The browser takes fontconfig's substitute for some names only (Times
// New Roman becomes Liberation Serif, but Arial Narrow and Tahoma fall back
// to the default font), so the HTML views declare those names as fonts of
// the page: the program's own font files in "FONTS\" when they are there,
// otherwise the installed font fontconfig picks for the name.
namespace ui {

// @font-face rules for the names; empty where nothing is needed.
QString FontAliasStyle();

} // namespace ui
