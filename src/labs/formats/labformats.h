#pragma once

// Registers the file format of every lab that has a window (one line per lab,
// next to the shell's RegisterLabs), for tools that check lab files without
// creating lab windows.
namespace labformats {

void RegisterLabFormats();

} // namespace labformats
