#include "support/htmlclick.h"
#include "support/testsupport.h"
#include "ui/htmlview.h"
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

void ClickInPage(ui::HtmlView* view, const QString& selector)
{
    ASSERT_TRUE(WaitUntil([&] { return view->IsReady(); }));
    QVariantList centre;
    bool done = false;
    const QString script = QStringLiteral(
        "(function(){ const e = document.querySelector(%1); if (!e) return [];"
        " e.scrollIntoView({block: 'nearest'}); const r = e.getBoundingClientRect();"
        " return [r.left + r.width / 2, r.top + r.height / 2]; })()");
    QString quoted = selector;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    view->engineView()->page()->runJavaScript(script.arg(u'\'' + quoted + u'\''), [&](const QVariant& value) {
        centre = value.toList();
        done = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return done; }));
    ASSERT_EQ(centre.size(), 2) << "no element matches " << selector.toStdString();
    QTest::mouseClick(view->engineView()->focusProxy(), Qt::LeftButton, {},
                      QPoint(qRound(centre[0].toDouble()), qRound(centre[1].toDouble())));
}
