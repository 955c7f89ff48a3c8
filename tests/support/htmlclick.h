#pragma once
#include <QString>

namespace ui {
class HtmlView;
}

// A real mouse click, as a user makes it, in the middle of the first element
// of the view's page that the CSS selector matches ("#next", "a[href^=A01]"),
// once the page is ready and the element scrolled into view. Fails the test
// when nothing matches.
void ClickInPage(ui::HtmlView* view, const QString& selector);
