#pragma once

class QObject;

namespace shell {

// The browser engine of the HTML views takes most of a second to start.
// Starting it with an empty page while the login panel waits for the user
// lets the main window open at once after the login. The page belongs to
// owner.
void WarmUpHtmlEngine(QObject* owner);

} // namespace shell
