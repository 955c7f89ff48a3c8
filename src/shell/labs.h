#pragma once

// The lab windows the program offers: each lab's window factory is
// registered once at start-up under its lab number, so that CreateLab (the
// labs page, "LAB:" links, lab files) can make the window when first needed.
namespace shell {

void RegisterLabs();

} // namespace shell
