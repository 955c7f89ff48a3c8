#pragma once

// Runs without a screen: test programs and command-line tools that create
// windows and HTML views offscreen. Call before the QApplication object.
namespace ui {

// Sets what is not set already: the offscreen platform, the web engine
// without a GPU and without its sandbox (which refuses to start as root, as
// on build machines), quiet logging; shares OpenGL contexts and registers the
// program's URL scheme, as the web engine requires before the application.
void PrepareHeadlessRun();

} // namespace ui
