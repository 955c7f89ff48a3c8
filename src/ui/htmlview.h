#pragma once
#include "base/htmlform.h"
#include <QColor>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWebEngineLoadingInfo;
class QWebEngineView;

// The HTML view of the windows (the control named "HTML"): shows content
// pages and pages assembled in memory, reports link clicks, keeps a page
// history and gives synchronous access to what the windows read from a page.
//
// The browser underneath works asynchronously; this class keeps a mirror of
// what the logic reads (title, content height, scroll position, the first
// form's fields). A page handed to the view is read at once for its title
// and form, so the mirror is usable right after LoadFile/LoadLines; once the
// browser has loaded the page (pageReady) its own reports keep the mirror
// current. Writes change the mirror at once and reach the page as soon as it
// is there. Nothing here waits for the browser.
namespace ui {

class HtmlView : public QWidget {
    Q_OBJECT
public:
    // Decides about a clicked link, given its address exactly as written in
    // the page ("ZAD:A05\012 3"). True: the link is taken; false: the view
    // follows it and records the page it leaves in its history. The view
    // follows only files of the program (an anchor of the page shown just
    // scrolls there); addresses of other schemes are dropped.
    using LinkHandler = std::function<bool(const QString& href)>;
    // A form of the page was submitted; value is the caption of the button.
    using SubmitHandler = std::function<void(const QString& buttonValue)>;

    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // --- appearance ---
    // Font of text the page does not style itself; size in points.
    void SetDefaultFont(const QString& family, int pointSize);
    QString DefaultFontFamily() const { return m_fontFamily; }
    int DefaultFontSize() const { return m_fontSize; }
    // Shown where the page sets no background of its own.
    void SetBackgroundColor(const QColor& color);
    // Colours of links and of a link under the mouse, where the page does not
    // set them; an invalid colour leaves the browser's.
    void SetLinkColors(const QColor& normal, const QColor& hover);
    void SetScrollBarsVisible(bool visible);

    // --- pages ---
    // Shows a file (program path or absolute real path); its pictures, style
    // sheets and links are relative to its folder. A missing file shows the
    // message "Не удается открыть файл ..." and returns false.
    bool LoadFile(const QString& path);
    // Folder (program path, "ZADS\00000001\") against which pages given as
    // lines resolve relative references.
    void SetBaseFolder(const QString& folder);
    QString BaseFolder() const { return m_baseFolder; }
    // Shows the lines as one page.
    void LoadLines(const QStringList& lines);
    void LoadLines(const QStringList& lines, const QString& baseFolder);
    // Shows an empty page.
    void Clear();
    // Rewrites the text of every page file before the browser gets it: files
    // loaded, links followed and pages shown again from the history (file is
    // the page's program path). Pages given as lines are not filtered.
    using PageFilter = std::function<QString(const QString& file, const QString& html)>;
    void SetPageFilter(PageFilter filter) { m_pageFilter = std::move(filter); }
    // Program path of the file shown; empty for pages given as lines.
    QString CurrentFile() const { return m_shown.file; }
    QString Title() const { return m_page.title; }
    // The browser has loaded the page shown (pictures included) and the
    // mirror reflects it.
    bool IsReady() const { return m_ready; }

    // --- links ---
    void SetLinkHandler(LinkHandler handler) { m_linkHandler = std::move(handler); }
    void SetSubmitHandler(SubmitHandler handler) { m_submitHandler = std::move(handler); }

    // --- history of followed pages ---
    // At most this many older pages are kept (20 unless set; 0: no history).
    void SetHistoryLimit(int limit);
    int HistoryLimit() const { return m_historyLimit; }
    bool HasOlderHistory() const { return !m_history.isEmpty(); }
    int HistoryCount() const { return int(m_history.size()); }
    // Shows the page before the current one at its scroll position; false
    // when there is none.
    bool GoBack();
    void ClearHistory() { m_history.clear(); }

    // --- geometry ---
    // Height of the whole content in pixels (0 until the page is ready).
    int DocumentHeight() const { return m_height; }
    int ScrollPos() const { return m_scroll; }
    void SetScrollPos(int y);
    void ScrollToEnd();

    // Marks the first occurrence of text (letter case ignored) and scrolls to
    // it, once the page is there; findFinished tells whether it was found.
    void FindText(const QString& text);

    // --- the first form of the page ---
    bool HasForm() const { return m_page.hasForm; }
    // "name=value" lines as the form reports them (ticked boxes only).
    QStringList FormValues() const { return base::FormValues(m_page.fields); }
    // Names of all fields in page order, one per control.
    QStringList FormFieldNames() const;
    const QList<base::FormField>& FormFields() const { return m_page.fields; }
    // Value of the named field (names without regard to letter case); empty
    // when no field reports one.
    QString GetFormValue(const QString& name) const;
    void SetFormValue(const QString& name, const QString& value);
    // Sets fields from "name=value" lines (see base::ApplyFormValues).
    void SetFormValues(const QStringList& lines);

    // --- printing ---
    // Prints the whole page on the default printer without a dialog; false
    // when there is no printer or a print is still running.
    bool Print();
    // Prints on printer, which must live until printFinished.
    bool Print(QPrinter* printer);

    // The browser view inside (tests drive it with real input events).
    QWebEngineView* engineView() const { return m_view; }

signals:
    void pageReady();
    void titleChanged(const QString& title);
    void documentHeightChanged(int height);
    void scrollPosChanged(int y);
    // The user changed a field of the first form.
    void formEdited();
    void findFinished(bool found);
    void printFinished(bool ok);

private:
    class Page;
    class Bridge;
    friend class Bridge;

    struct Entry {
        QString file;          // program path, or empty for lines
        QString html;          // the page text as handed over or read
        QString baseFolder;    // for lines
        QString fragment;      // anchor to show
        int scroll = 0;        // where it was left (history)
    };

    bool display(Entry entry);
    QUrl urlOf(const Entry& entry) const;
    void resetMirror(const QString& html);
    void reported(const QVariantMap& report);
    void takeMeasures(const QVariantMap& report);
    bool takeForm(const QVariantMap& report); // true when the fields changed
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void goLive(const QVariantMap& report);
    void becomeReadyWhenDone();
    QVariantList commandFields(const QList<int>& indexes) const;
    void linkClicked(const QString& raw, const QString& resolved);
    void follow(const QUrl& url);
    void changeFields(const QStringList& lines);
    void sendCommand(QVariantMap command);
    void startFind();
    void updateScript();
    QString viewStyle() const;
    void setTitle(const QString& title);
    void setHeight(int height);
    void setScroll(int y);

    QWebEngineView* m_view = nullptr;
    Page* m_webPage = nullptr;

    QString m_fontFamily;
    int m_fontSize = 0;
    QColor m_linkColor, m_hoverColor;
    QString m_baseFolder;
    int m_historyLimit = 20;

    Entry m_shown;
    QList<Entry> m_history; // older pages, the newest last
    quint64 m_load = 0;     // load number of the page shown
    bool m_live = false;    // the page script has reported: commands reach the page
    bool m_loaded = false;  // the browser has finished loading the page
    bool m_ready = false;   // both: the mirror reflects the page shown
    int m_commands = 0;     // commands sent to the page shown

    // Mirror of the page shown.
    base::PageSummary m_page;
    int m_height = 0;
    int m_scroll = 0;

    // Asked for before the page was ready; applied when it is.
    QList<QStringList> m_pendingFields;
    std::optional<int> m_pendingScroll;
    std::optional<QString> m_pendingFind;

    LinkHandler m_linkHandler;
    SubmitHandler m_submitHandler;
    PageFilter m_pageFilter;
    std::unique_ptr<QPrinter> m_ownPrinter;
    bool m_printing = false;
};

} // namespace ui
