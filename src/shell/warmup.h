#pragma once

class QObject;

namespace shell {

// The browser engine of the HTML views takes most of a second to start.
// Starting it with an empty page while the login panel waits for the user
// lets the main window open at once after the login. The page belongs to
// owner; EndHtmlWarmUp frees it once the working windows have views of their
// own, which keep the engine running.
void WarmUpHtmlEngine(QObject* owner);
void EndHtmlWarmUp();

} // namespace shell
