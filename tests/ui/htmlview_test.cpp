// The HTML view with real pages in the web engine, offscreen.
#include "base/paths.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "ui/htmlview.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {


QString Paragraphs(int count, const QString& last = {})
{
    QString text;
    for (int i = 0; i < count; ++i) text += QStringLiteral("<P>Абзац %1</P>").arg(i);
    return text + last;
}

class HtmlViewTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        view = std::make_unique<ui::HtmlView>();
        view->resize(600, 400);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    void TearDown() override
    {
        view.reset();
        ProgramFolderTest::TearDown();
    }

    [[nodiscard]] bool waitReady() { return WaitUntil([&] { return view->IsReady(); }); }

    [[nodiscard]] bool loadFile(const QString& path) { return view->LoadFile(path) && waitReady(); }

    [[nodiscard]] bool loadLines(const QStringList& lines, const QString& base = QStringLiteral("ZADS\\00000001\\"))
    {
        view->LoadLines(lines, base);
        return waitReady();
    }

    // Runs a script in the page itself and waits for its result.
    QVariant js(const QString& script)
    {
        QVariant result;
        bool done = false;
        view->engineView()->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(WaitUntil([&] { return done; })) << script.toStdString();
        return result;
    }

    // A real mouse click in the middle of the element the expression gives.
    void click(const QString& element)
    {
        const QVariantList centre =
            js(QStringLiteral("(function(){ const e = %1; e.scrollIntoView(); const r = e.getBoundingClientRect();"
                              " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                   .arg(element))
                .toList();
        ASSERT_EQ(centre.size(), 2) << element.toStdString();
        const QPoint point(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
        QTest::mouseClick(view->engineView()->focusProxy(), Qt::LeftButton, {}, point);
    }

    void savePicture(const QString& path, int width, int height)
    {
        QDir().mkpath(QFileInfo(real(path)).absolutePath());
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(real(path), "GIF") || image.save(real(path), "PNG"));
    }

    std::unique_ptr<ui::HtmlView> view;
};

TEST_F(HtmlViewTest, ShowsWindows1251PagesWithRelativeStyleSheetInAnotherCase)
{
    writeLines("ZADS\\A05\\Page.htm",
               {"<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1251\">",
                "<TITLE>Дроби и проценты</TITLE><LINK REL=\"stylesheet\" HREF=\"..\\..\\css\\WORK.CSS\"></HEAD>",
                "<BODY><P ID=text>Числитель — «верх» дроби</P></BODY></HTML>"});
    writeLines("CSS\\work.css", {"body { background: rgb(1, 2, 3); }", "p { font-family: \"Arial Narrow\"; }"});

    ASSERT_TRUE(view->LoadFile("ZADS\\A05\\Page.htm"));
    EXPECT_EQ(view->Title(), QStringLiteral("Дроби и проценты")); // known before the browser has the page
    EXPECT_EQ(view->CurrentFile(), "ZADS\\A05\\Page.htm");
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(view->Title(), QStringLiteral("Дроби и проценты"));
    EXPECT_EQ(js("document.getElementById('text').textContent").toString(), QStringLiteral("Числитель — «верх» дроби"));
    EXPECT_EQ(js("getComputedStyle(document.body).backgroundColor").toString(), "rgb(1, 2, 3)");
}

TEST_F(HtmlViewTest, LinkAddressesReachTheHandlerExactlyAsWritten)
{
    const QStringList hrefs = {QStringLiteral("ZAD:A05\\012 3"), QStringLiteral("SPR:Дроби\\Т01"),
                               QStringLiteral("Lab3\\Graph.htm"), QStringLiteral("ADD:A05\\T01"),
                               QStringLiteral(" DEM:два  пробела ")};
    QStringList page = {"<HTML><BODY>"};
    for (int i = 0; i < hrefs.size(); ++i)
        page << QStringLiteral("<P><A ID=l%1 HREF=\"%2\">ссылка %1</A></P>").arg(i).arg(hrefs[i]);
    page << "<P><A ID=image HREF=\"MOV:btFig\"><IMG SRC=\"none.gif\" WIDTH=40 HEIGHT=40></A></BODY></HTML>";
    writeLines("HELP\\Links.htm", page);

    QStringList received;
    view->SetLinkHandler([&](const QString& href) {
        received.append(href);
        return true;
    });
    ASSERT_TRUE(loadFile("HELP\\Links.htm"));
    for (int i = 0; i < hrefs.size(); ++i) {
        click(QStringLiteral("document.getElementById('l%1')").arg(i));
        ASSERT_TRUE(WaitUntil([&] { return received.size() == i + 1; })) << i;
    }
    click("document.querySelector('#image img')");
    ASSERT_TRUE(WaitUntil([&] { return received.size() == hrefs.size() + 1; }));
    EXPECT_EQ(received, hrefs + QStringList{"MOV:btFig"});
    EXPECT_EQ(view->CurrentFile(), "HELP\\Links.htm"); // taken links leave the page where it is
    EXPECT_FALSE(view->HasOlderHistory());
}

TEST_F(HtmlViewTest, FollowedLinksEnterTheHistoryAndBackReturnsToThePlaceLeft)
{
    writeLines("HELP\\First.htm", {"<HTML><BODY>" + Paragraphs(60) +
                                   "<A ID=take HREF=\"ZAD:A05\\012 3\">задача</A> <A ID=next HREF=\"sub\\Second.htm#end\">дальше</A>"});
    writeLines("HELP\\SUB\\second.htm", {"<HTML><BODY>" + Paragraphs(60, "<A NAME=end>конец</A>")});
    QStringList received;
    view->SetLinkHandler([&](const QString& href) {
        received.append(href);
        return href.startsWith("ZAD:");
    });
    ASSERT_TRUE(loadFile("HELP\\First.htm"));

    click("document.getElementById('take')");
    ASSERT_TRUE(WaitUntil([&] { return received.size() == 1; }));
    // The page reports its scrolling asynchronously.
    ASSERT_TRUE(WaitUntil([&] { return view->ScrollPos() > 0; }));
    const int left = view->ScrollPos();
    click("document.getElementById('next')");
    ASSERT_TRUE(WaitUntil([&] { return view->CurrentFile() == "HELP\\sub\\Second.htm"; }));
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(received, QStringList({QStringLiteral("ZAD:A05\\012 3"), "sub\\Second.htm#end"}));
    EXPECT_TRUE(view->HasOlderHistory());
    EXPECT_TRUE(WaitUntil([&] { return view->ScrollPos() > 1000; })); // at the anchor

    ASSERT_TRUE(view->GoBack());
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(view->CurrentFile(), "HELP\\First.htm");
    EXPECT_FALSE(view->HasOlderHistory());
    EXPECT_TRUE(WaitUntil([&] { return js("Math.round(window.scrollY)").toInt() == left; }));
    EXPECT_EQ(view->ScrollPos(), left);
    EXPECT_FALSE(view->GoBack());
}

TEST_F(HtmlViewTest, HistoryKeepsTheTwentyNewestPagesAndCanBeCleared)
{
    const int pages = 24;
    for (int i = 0; i < pages; ++i)
        writeLines(QStringLiteral("METH\\P%1.htm").arg(i),
                   {QStringLiteral("<HTML><TITLE>%1</TITLE><BODY><A ID=next HREF=\"P%2.htm\">дальше</A>").arg(i).arg(i + 1)});
    ASSERT_TRUE(loadFile("METH\\P0.htm"));
    for (int i = 1; i < pages; ++i) {
        click("document.getElementById('next')");
        ASSERT_TRUE(WaitUntil([&] { return view->IsReady() && view->Title() == QString::number(i); })) << i;
    }
    EXPECT_EQ(view->HistoryCount(), 20);
    for (int back = 0; back < 20; ++back) ASSERT_TRUE(view->GoBack());
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(view->Title(), "3");
    EXPECT_FALSE(view->HasOlderHistory());

    // Without history nothing is recorded; clearing forgets what was.
    click("document.getElementById('next')");
    ASSERT_TRUE(WaitUntil([&] { return view->IsReady() && view->Title() == "4"; }));
    EXPECT_TRUE(view->HasOlderHistory());
    view->ClearHistory();
    EXPECT_FALSE(view->HasOlderHistory());
    view->SetHistoryLimit(0);
    click("document.getElementById('next')");
    ASSERT_TRUE(WaitUntil([&] { return view->IsReady() && view->Title() == "5"; }));
    EXPECT_FALSE(view->HasOlderHistory());
}

TEST_F(HtmlViewTest, MissingPagesGiveTheFileMessageAndKeepThePageShown)
{
    FakeDialogs dialogs;
    writeLines("HELP\\Page.htm", {"<HTML><TITLE>есть</TITLE><BODY><A ID=broken HREF=\"Missing.htm\">нет</A>"});
    EXPECT_FALSE(view->LoadFile("HELP\\Nothing.htm"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.lastMessage().contains("HELP\\Nothing.htm"));
    ASSERT_TRUE(loadFile("HELP\\Page.htm"));
    click("document.getElementById('broken')");
    ASSERT_TRUE(WaitUntil([&] { return dialogs.messages.size() == 2; }));
    EXPECT_EQ(view->CurrentFile(), "HELP\\Page.htm");
    EXPECT_FALSE(view->HasOlderHistory());
}

TEST_F(HtmlViewTest, FormFieldsAreReadAndWrittenBeforeAndAfterThePageIsThere)
{
    const QStringList page = {
        "<HTML><BODY><FORM>",
        "<INPUT TYPE=TEXT NAME=x1 VALUE=\"7\">",
        "<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"[x]\">",
        "<INPUT TYPE=RADIO NAME=r VALUE=\"a\" CHECKED><INPUT TYPE=RADIO NAME=r VALUE=\"b\">",
        "<INPUT TYPE=CHECKBOX NAME=c1 VALUE=\"ю\"><INPUT TYPE=CHECKBOX NAME=c2 VALUE=\"ю\" CHECKED>",
        "<SELECT NAME=s><OPTION>нет<OPTION VALUE=\"да\">Да, конечно</SELECT>",
        "<TEXTAREA NAME=comment_>старый\nтекст</TEXTAREA>",
        "</FORM></BODY></HTML>"};
    view->LoadLines(page, "ZADS\\00000000\\");
    // Read from the page text at once.
    EXPECT_TRUE(view->HasForm());
    EXPECT_EQ(view->FormValues(), QStringList({"x1=7", "F1=[x]", "r=a", QStringLiteral("c2=ю"), QStringLiteral("s=нет"),
                                               QStringLiteral("comment_=старый\nтекст")}));
    EXPECT_EQ(view->FormFieldNames(), QStringList({"x1", "F1", "r", "r", "c1", "c2", "s", "comment_"}));
    const QList<base::FormField> scanned = view->FormFields();

    // Written while the browser is still loading: the mirror changes at once.
    view->SetFormValues({"X1=12", "f1=[drob[1][x]]", "r=b", QStringLiteral("c1=ю"), QStringLiteral("c2=Ё"),
                         QStringLiteral("s=да"), QStringLiteral("comment_=мой ответ")});
    EXPECT_EQ(view->GetFormValue("x1"), "12");
    EXPECT_EQ(view->GetFormValue("c2"), "");
    ASSERT_TRUE(waitReady());

    // The browser read the page as the scan did, and the writes reached it.
    QList<base::FormField> browser = view->FormFields();
    EXPECT_EQ(js("document.forms[0].x1.value").toString(), "12");
    EXPECT_EQ(js("document.forms[0].F1.value").toString(), "[drob[1][x]]");
    EXPECT_EQ(js("document.forms[0].r.value").toString(), "b");
    EXPECT_EQ(js("[document.forms[0].c1.checked, document.forms[0].c2.checked].join()").toString(), "true,false");
    EXPECT_EQ(js("document.forms[0].s.value").toString(), QStringLiteral("да"));
    EXPECT_EQ(js("document.forms[0].comment_.value").toString(), QStringLiteral("мой ответ"));
    ASSERT_TRUE(WaitUntil([&] { return view->GetFormValue("r") == "b"; }));
    EXPECT_EQ(view->FormValues(), QStringList({"x1=12", "F1=[drob[1][x]]", "r=b", QStringLiteral("c1=ю"),
                                               QStringLiteral("s=да"), QStringLiteral("comment_=мой ответ")}));
    for (int i = 0; i < scanned.size(); ++i) browser[i].value = scanned[i].value, browser[i].checked = scanned[i].checked,
                                             browser[i].selected = scanned[i].selected;
    EXPECT_EQ(browser, scanned); // same fields, types and options

    // Written once the page is there.
    view->SetFormValue("s", QStringLiteral("нет"));
    EXPECT_EQ(view->GetFormValue("S"), QStringLiteral("нет"));
    EXPECT_TRUE(WaitUntil([&] { return js("document.forms[0].s.value").toString() == QStringLiteral("нет"); }));

    // Typed by the user.
    QSignalSpy edited(view.get(), &ui::HtmlView::formEdited);
    click("document.forms[0].x1");
    QTest::keyClick(view->engineView()->focusProxy(), Qt::Key_End);
    QTest::keyClicks(view->engineView()->focusProxy(), "5");
    EXPECT_TRUE(WaitUntil([&] { return view->GetFormValue("x1") == "125"; }));
    click("document.forms[0].c2");
    EXPECT_TRUE(WaitUntil([&] { return view->GetFormValue("c2") == QStringLiteral("ю"); }));
    EXPECT_GE(edited.count(), 2);
}

TEST_F(HtmlViewTest, PagesWithoutFormHaveNoValues)
{
    ASSERT_TRUE(loadLines({"<HTML><BODY><INPUT NAME=loose VALUE=1></BODY></HTML>"}));
    EXPECT_FALSE(view->HasForm());
    EXPECT_TRUE(view->FormValues().isEmpty());
    view->SetFormValue("loose", "2");
    EXPECT_EQ(view->GetFormValue("loose"), "");
}

TEST_F(HtmlViewTest, DocumentHeightIsTheHeightOfTheContent)
{
    ASSERT_TRUE(loadLines({"<HTML><BODY><P>Одна строка</P></BODY></HTML>"}));
    const int shortHeight = view->DocumentHeight();
    EXPECT_GT(shortHeight, 20);
    EXPECT_LT(shortHeight, 100); // not the 400 pixels of the view

    ASSERT_TRUE(loadLines({"<HTML><BODY>" + Paragraphs(80) + "</BODY></HTML>"}));
    EXPECT_GT(view->DocumentHeight(), 2000);
    EXPECT_EQ(view->DocumentHeight(), js("document.documentElement.scrollHeight").toInt());

    // A picture that arrives with the page counts.
    savePicture("PIC\\tall.gif", 10, 700);
    ASSERT_TRUE(loadLines({"<HTML><BODY><IMG SRC=\"..\\..\\PIC\\TALL.GIF\"></BODY></HTML>"}));
    EXPECT_GE(view->DocumentHeight(), 700);
    EXPECT_LT(view->DocumentHeight(), 760);
}

TEST_F(HtmlViewTest, AViewNotYetShownLoadsAndMeasuresItsPage)
{
    // The hint window sizes itself by the page before it is shown.
    ui::HtmlView hidden;
    hidden.resize(300, 50);
    hidden.SetScrollBarsVisible(false);
    const QStringList page = {"<HTML><BODY>" + Paragraphs(3) + "</BODY></HTML>"};
    hidden.LoadLines(page, "ZADS\\00000000\\");
    ASSERT_TRUE(WaitUntil([&] { return hidden.IsReady(); }));
    EXPECT_GT(hidden.DocumentHeight(), 50);
    // The same as a shown view, 400 pixels high, measures for it.
    ASSERT_TRUE(loadLines(page));
    EXPECT_EQ(hidden.DocumentHeight(), view->DocumentHeight());
}

TEST_F(HtmlViewTest, ScrollPositionIsKeptAcrossARebuildAndFollowsTheUser)
{
    const QStringList page = {"<HTML><BODY>" + Paragraphs(80) + "</BODY></HTML>"};
    ASSERT_TRUE(loadLines(page));
    view->SetScrollPos(500);
    EXPECT_EQ(view->ScrollPos(), 500);
    EXPECT_TRUE(WaitUntil([&] { return js("Math.round(window.scrollY)").toInt() == 500; }));

    // Remember, rebuild, restore: the position is asked for before the page is there.
    const int kept = view->ScrollPos();
    view->LoadLines(page);
    view->SetScrollPos(kept);
    EXPECT_EQ(view->ScrollPos(), 500);
    ASSERT_TRUE(waitReady());
    EXPECT_TRUE(WaitUntil([&] { return js("Math.round(window.scrollY)").toInt() == 500; }));
    EXPECT_EQ(view->ScrollPos(), 500);

    js("window.scrollTo(0, 240)");
    EXPECT_TRUE(WaitUntil([&] { return view->ScrollPos() == 240; }));

    view->ScrollToEnd();
    const int end = view->DocumentHeight() - view->engineView()->height();
    EXPECT_TRUE(WaitUntil([&] { return view->ScrollPos() == end; })) << view->ScrollPos() << " " << end;
}

TEST_F(HtmlViewTest, FindTextMarksAndScrollsToTheFirstOccurrence)
{
    QSignalSpy found(view.get(), &ui::HtmlView::findFinished);
    view->LoadLines({"<HTML><BODY>" + Paragraphs(80, QStringLiteral("<P>Здесь ДРОБЬ и ещё дробь</P>")) + "</BODY></HTML>"});
    view->FindText(QStringLiteral("дробь")); // asked for while the page loads
    ASSERT_TRUE(WaitUntil([&] { return found.count() == 1; }));
    EXPECT_TRUE(found.at(0).at(0).toBool());
    EXPECT_TRUE(WaitUntil([&] { return view->ScrollPos() > 1500; }));

    view->FindText(QStringLiteral("интеграл"));
    ASSERT_TRUE(WaitUntil([&] { return found.count() == 2; }));
    EXPECT_FALSE(found.at(1).at(0).toBool());
}

TEST_F(HtmlViewTest, PagesFromMemoryResolveAgainstTheBaseFolder)
{
    savePicture("ZADS\\pic.gif", 10, 300);
    writeLines("ZADS\\A05\\T01.htm", {"<HTML><TITLE>теория</TITLE><BODY>Т01"});
    view->SetLinkHandler([](const QString&) { return false; });
    view->SetBaseFolder("ZADS\\00000001\\");
    view->LoadLines({"<HTML><BODY><IMG SRC=\"..\\PIC.GIF\"><P><A ID=go HREF=\"..\\a05\\t01.htm\">тема</A>"});
    ASSERT_TRUE(waitReady());
    EXPECT_EQ(view->BaseFolder(), "ZADS\\00000001\\");
    EXPECT_TRUE(view->CurrentFile().isEmpty());
    EXPECT_GE(view->DocumentHeight(), 300);

    click("document.getElementById('go')");
    ASSERT_TRUE(WaitUntil([&] { return view->IsReady() && view->Title() == QStringLiteral("теория"); }));
    EXPECT_EQ(view->CurrentFile(), "ZADS\\a05\\t01.htm");

    // Back to the page from memory, which is shown again from its lines.
    ASSERT_TRUE(view->GoBack());
    ASSERT_TRUE(waitReady());
    EXPECT_TRUE(view->CurrentFile().isEmpty());
    EXPECT_GE(view->DocumentHeight(), 300);
}

TEST_F(HtmlViewTest, AbsoluteProgramAndTemporaryPathsInGeneratedPagesShow)
{
    QTemporaryDir temp;
    base::SetTempFolder(temp.path());
    savePicture("GIF\\btGo.gif", 10, 200);
    savePicture(base::TempFolder() + "1.GIF", 10, 300);
    const QString gif = base::ProgramFolder() + "GIF\\"; // as the topic pages write it
    ASSERT_TRUE(loadLines({"<HTML><BODY>", "<IMG SRC=\"" + gif + "btGo.gif\"><BR>",
                           "<IMG SRC=\"" + base::TempFolder() + "1.GIF\">"}));
    EXPECT_GE(view->DocumentHeight(), 500);
}

TEST_F(HtmlViewTest, APictureRewrittenUnderTheSameNameShowsAnew)
{
    // Formula pictures keep their names from one page build to the next.
    savePicture("tmp\\1.GIF", 10, 100);
    const QStringList page = {"<HTML><BODY><IMG SRC=\"" + base::TempFolder() + "1.GIF\">"};
    ASSERT_TRUE(loadLines(page));
    EXPECT_LT(view->DocumentHeight(), 150);
    savePicture("tmp\\1.GIF", 10, 400);
    ASSERT_TRUE(loadLines(page));
    EXPECT_GE(view->DocumentHeight(), 400);
}

TEST_F(HtmlViewTest, SubmittingTheFormGoesToTheHandlerAndKeepsThePage)
{
    QStringList submitted;
    view->SetSubmitHandler([&](const QString& value) { submitted.append(value); });
    ASSERT_TRUE(loadLines({"<HTML><BODY><FORM><INPUT NAME=x VALUE=1>",
                           QStringLiteral("<P><INPUT ID=go TYPE=SUBMIT VALUE=\"Создать новый урок\"></FORM>")}));
    view->SetFormValue("x", "answer");
    click("document.getElementById('go')");
    ASSERT_TRUE(WaitUntil([&] { return submitted.size() == 1; }));
    EXPECT_EQ(submitted.first(), QStringLiteral("Создать новый урок"));
    // Enter in a text field submits too; the answer typed stays in the page.
    click("document.forms[0].x");
    QTest::keyClick(view->engineView()->focusProxy(), Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return submitted.size() == 2; }));
    EXPECT_EQ(js("document.forms[0].x.value").toString(), "answer");
    EXPECT_EQ(view->GetFormValue("x"), "answer");
}

TEST_F(HtmlViewTest, DisabledViewTakesNoClicksButCanStillBeWritten)
{
    QStringList received;
    view->SetLinkHandler([&](const QString& href) {
        received.append(href);
        return true;
    });
    ASSERT_TRUE(loadLines({"<HTML><BODY><A ID=a HREF=\"ZAD:A05\\012 1\">ссылка</A><FORM><INPUT NAME=x VALUE=1></FORM>"}));
    view->setEnabled(false);
    click("document.getElementById('a')");
    click("document.forms[0].x");
    QTest::keyClicks(view->engineView()->focusProxy(), "9");
    view->SetFormValue("x", "2");
    EXPECT_TRUE(WaitUntil([&] { return js("document.forms[0].x.value").toString() == "2"; }));
    EXPECT_TRUE(received.isEmpty());
    view->setEnabled(true);
    click("document.getElementById('a')");
    EXPECT_TRUE(WaitUntil([&] { return received.size() == 1; }));
}

TEST_F(HtmlViewTest, AppearanceDefaultsApplyWherePagesSetNothing)
{
    view->SetDefaultFont("Times New Roman", 12);
    view->SetLinkColors(QColor(0, 0, 128), QColor(255, 0, 0));
    view->SetBackgroundColor(QColor(255, 242, 193));
    ASSERT_TRUE(loadLines({"<HTML><HEAD><STYLE>a.own { color: rgb(0, 128, 0) }</STYLE></HEAD><BODY>",
                           "<P ID=p>текст <A ID=a HREF=\"x.htm\">ссылка</A> <A ID=own CLASS=own HREF=\"y.htm\">своя</A>"}));
    EXPECT_EQ(js("getComputedStyle(document.getElementById('p')).fontSize").toString(), "16px");
    EXPECT_EQ(js("getComputedStyle(document.getElementById('a')).color").toString(), "rgb(0, 0, 128)");
    EXPECT_EQ(js("getComputedStyle(document.getElementById('own')).color").toString(), "rgb(0, 128, 0)");
    const QImage shot = view->engineView()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() - 30, shot.height() - 30), QColor(255, 242, 193));
    view->SetLinkColors(QColor(0, 100, 0), QColor());
    EXPECT_TRUE(WaitUntil([&] { return js("getComputedStyle(document.getElementById('a')).color").toString() == "rgb(0, 100, 0)"; }));
    view->SetDefaultFont("Times New Roman", 15);
    EXPECT_TRUE(WaitUntil([&] { return js("getComputedStyle(document.getElementById('p')).fontSize").toString() == "20px"; }));
}

TEST_F(HtmlViewTest, FontNamesTheContentAsksForReachAFont)
{
    const QString twin = QFontInfo(QFont("Arial Narrow")).family();
    const auto widthOf = [&](const QString& id) {
        return js(QStringLiteral("document.getElementById('%1').getBoundingClientRect().width").arg(id)).toDouble();
    };
    const QString text = QStringLiteral("Числитель и знаменатель дроби");
    const QStringList page = {"<HTML><BODY>",
                              "<P><SPAN ID=named STYLE=\"font-family: 'Arial Narrow'\">" + text + "</SPAN>",
                              "<P><SPAN ID=twin STYLE=\"font-family: '" + twin + "'\">" + text + "</SPAN>",
                              "<P><SPAN ID=none STYLE=\"font-family: 'Нет такого'\">" + text + "</SPAN>"};
    ASSERT_TRUE(loadLines(page));
    if (twin != "Arial Narrow") {
        EXPECT_NE(widthOf("named"), widthOf("none"));
    }
    EXPECT_EQ(widthOf("named"), widthOf("twin"));

    // The program's own font file wins (here a monospaced font under its name).
    const QString mono = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf");
    if (!QFile::exists(mono)) GTEST_SKIP() << "no DejaVu Sans Mono to stand in for a font file";
    QDir().mkpath(real("FONTS"));
    ASSERT_TRUE(QFile::copy(mono, real("FONTS\\arialn.TTF")));
    ui::HtmlView withFiles;
    withFiles.resize(600, 400);
    withFiles.show();
    withFiles.LoadLines(page + QStringList{"<P><SPAN ID=mono STYLE=\"font-family: 'DejaVu Sans Mono'\">" + text + "</SPAN>"},
                        "ZADS\\00000001\\");
    ASSERT_TRUE(WaitUntil([&] { return withFiles.IsReady(); }));
    const auto widthIn = [&](const QString& id) {
        QVariant result;
        withFiles.engineView()->page()->runJavaScript(
            QStringLiteral("document.getElementById('%1').getBoundingClientRect().width").arg(id),
            [&](const QVariant& value) { result = value; });
        EXPECT_TRUE(WaitUntil([&] { return result.isValid(); }));
        return result.toDouble();
    };
    EXPECT_TRUE(WaitUntil([&] { return widthIn("named") == widthIn("mono"); })) << widthIn("named") << " " << widthIn("mono");
}

TEST_F(HtmlViewTest, PrintsTheWholePage)
{
    ASSERT_TRUE(loadLines({"<HTML><BODY>" + Paragraphs(90) + "</BODY></HTML>"}));
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(real("print.pdf"));
    QSignalSpy finished(view.get(), &ui::HtmlView::printFinished);
    ASSERT_TRUE(view->Print(&printer));
    EXPECT_FALSE(view->Print(&printer)); // one print at a time
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    const QByteArray pdf = readBytes("print.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GE(pdf.count("/Type /Page\n"), 3); // every page of the long document, not the part on screen

    // Without a printer the default print says so instead of pretending.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        EXPECT_FALSE(view->Print());
    }
}

} // namespace
