#include "ui/htmlview.h"
#include "base/apperror.h"
#include "base/textfile.h"
#include "ui/dialogs.h"
#include "ui/htmlfonts.h"
#include "ui/htmlscheme.h"
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineFindTextResult>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <limits>

// Resources of a static library are registered by hand.
static void InitHtmlViewResources() { Q_INIT_RESOURCE(htmlview); }

namespace ui {
namespace {

const QString kScriptName = QStringLiteral("orindo-html-view");

QString ResourceText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// qwebchannel.js followed by the view's own page script.
const QString& PageScript()
{
    static const QString script = ResourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")) + u'\n'
                                  + ResourceText(QStringLiteral(":/orindo/ui/htmlview.js"));
    return script;
}

QString JsString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

bool IsPageFile(const QString& path)
{
    const QString suffix = QFileInfo(QString(path).replace(u'\\', u'/')).suffix().toLower();
    return suffix == u"htm" || suffix == u"html";
}

quint64 LoadOf(const QUrl& url)
{
    return QUrlQuery(url).queryItemValue(QStringLiteral("v")).toULongLong();
}

int PixelsOfPoints(int points) { return qRound(points * 96.0 / 72.0); }

base::FormField FieldFrom(const QVariantMap& state)
{
    base::FormField field;
    field.name = state.value(QStringLiteral("name")).toString();
    field.type = state.value(QStringLiteral("type")).toString();
    field.value = state.value(QStringLiteral("value")).toString();
    field.checked = state.value(QStringLiteral("checked")).toBool();
    for (const QVariant& option : state.value(QStringLiteral("options")).toList()) field.options.append(option.toString());
    for (const QVariant& selected : state.value(QStringLiteral("selected")).toList()) field.selected.append(selected.toBool());
    return field;
}

QVariantMap CommandField(int index, const base::FormField& field)
{
    QVariantList selected;
    for (bool s : field.selected) selected.append(s);
    return {{QStringLiteral("index"), index},      {QStringLiteral("name"), field.name},
            {QStringLiteral("value"), field.value}, {QStringLiteral("checked"), field.checked},
            {QStringLiteral("selected"), selected}};
}

} // namespace

// Accepts only the loads the view itself starts; a link that reaches the
// browser past the page script still goes to the view's link handling.
class HtmlView::Page : public QWebEnginePage {
public:
    Page(QWebEngineProfile* profile, HtmlView* owner, QObject* parent)
        : QWebEnginePage(profile, parent), m_owner(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (!isMainFrame) return true;
        if (url.scheme() == QLatin1String(kProgramScheme) && LoadOf(url) == m_owner->m_load) return true;
        if (type == NavigationTypeLinkClicked) {
            QPointer<HtmlView> owner = m_owner;
            const QString address = url.toString();
            QMetaObject::invokeMethod(
                m_owner, [owner, address] { if (owner) owner->linkClicked(address, address); },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    HtmlView* m_owner;
};

// The object the page script talks to over the web channel.
class HtmlView::Bridge : public QObject {
    Q_OBJECT
public:
    explicit Bridge(HtmlView* owner) : QObject(owner), m_owner(owner) {}

    Q_INVOKABLE void report(const QVariantMap& state) { m_owner->reported(state); }
    Q_INVOKABLE void linkClicked(const QString& raw, const QString& resolved) { m_owner->linkClicked(raw, resolved); }
    Q_INVOKABLE void submitted(const QString& buttonValue)
    {
        if (m_owner->isEnabled() && m_owner->m_submitHandler) m_owner->m_submitHandler(buttonValue);
    }

private:
    HtmlView* m_owner;
};

HtmlView::HtmlView(QWidget* parent) : QWidget(parent)
{
    static const bool resources = (InitHtmlViewResources(), true);
    Q_UNUSED(resources);
    setObjectName(QStringLiteral("HTML"));
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    InstallProgramScheme(profile);

    m_view = new QWebEngineView(this);
    m_webPage = new Page(profile, this, m_view);
    m_view->setPage(m_webPage);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);

    QWebEngineSettings* settings = m_webPage->settings();
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);

    auto* channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("htmlView"), new Bridge(this));
    m_webPage->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    updateScript();

    connect(m_webPage, &QWebEnginePage::loadingChanged, this, &HtmlView::loadingChanged);
    connect(m_view, &QWebEngineView::printFinished, this, [this](bool ok) {
        m_printing = false;
        emit printFinished(ok);
    });
    SetDefaultFont(font().family(), font().pointSize());
}

HtmlView::~HtmlView()
{
    if (m_load) ReleasePage(m_load);
}

void HtmlView::SetDefaultFont(const QString& family, int pointSize)
{
    m_fontFamily = family;
    m_fontSize = pointSize;
    QWebEngineSettings* settings = m_webPage->settings();
    settings->setFontFamily(QWebEngineSettings::StandardFont, family);
    if (pointSize > 0) settings->setFontSize(QWebEngineSettings::DefaultFontSize, PixelsOfPoints(pointSize));
}

void HtmlView::SetBackgroundColor(const QColor& color) { m_webPage->setBackgroundColor(color); }

void HtmlView::SetLinkColors(const QColor& normal, const QColor& hover)
{
    m_linkColor = normal;
    m_hoverColor = hover;
    updateScript();
    if (m_live) sendCommand({{QStringLiteral("style"), viewStyle()}});
}

void HtmlView::SetScrollBarsVisible(bool visible)
{
    m_webPage->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, visible);
}

QString HtmlView::viewStyle() const
{
    // Zero specificity for the link colour and a plain pseudo-class for the
    // hover colour: the page's own link rules always win.
    QString css = FontAliasStyle();
    if (m_linkColor.isValid())
        css += QStringLiteral(":where(a:link, a:visited) { color: %1 }\n").arg(m_linkColor.name());
    if (m_hoverColor.isValid())
        css += QStringLiteral(":where(a:link, a:visited):hover { color: %1 }\n").arg(m_hoverColor.name());
    return css;
}

void HtmlView::updateScript()
{
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(QStringLiteral("const ORINDO_VIEW_STYLE = %1;\n").arg(JsString(viewStyle())) + PageScript());
    QWebEngineScriptCollection& scripts = m_webPage->scripts();
    for (const QWebEngineScript& old : scripts.find(kScriptName)) scripts.remove(old);
    scripts.insert(script);
}

// --- pages ---

bool HtmlView::LoadFile(const QString& path)
{
    Entry entry;
    entry.file = path;
    return display(entry);
}

void HtmlView::SetBaseFolder(const QString& folder) { m_baseFolder = folder; }

void HtmlView::LoadLines(const QStringList& lines)
{
    Entry entry;
    entry.html = lines.join(u'\n');
    entry.baseFolder = m_baseFolder;
    display(entry);
}

void HtmlView::LoadLines(const QStringList& lines, const QString& baseFolder)
{
    SetBaseFolder(baseFolder);
    LoadLines(lines);
}

void HtmlView::Clear() { LoadLines({}); }

bool HtmlView::display(Entry entry)
{
    if (!entry.file.isEmpty()) {
        try {
            const QString text = base::ReadText(entry.file);
            if (!IsPageFile(entry.file)) entry.html.clear();
            else entry.html = m_pageFilter ? m_pageFilter(entry.file, text) : text;
        } catch (const base::AppError& error) {
            ShowMessage(error.message());
            return false;
        }
    }
    if (m_load) ReleasePage(m_load);
    m_load = NextLoadId();
    m_shown = entry;
    m_live = false;
    m_loaded = false;
    m_ready = false;
    m_commands = 0;
    m_pendingFields.clear();
    m_pendingFind.reset();
    m_pendingScroll.reset();
    if (entry.scroll > 0) m_pendingScroll = entry.scroll;
    resetMirror(entry.html);
    if (entry.file.isEmpty() || IsPageFile(entry.file)) HoldPage(m_load, entry.html);
    m_webPage->load(urlOf(entry));
    return true;
}

QUrl HtmlView::urlOf(const Entry& entry) const
{
    QString path = entry.file;
    if (path.isEmpty()) {
        path = entry.baseFolder;
        if (!path.isEmpty() && !path.endsWith(u'\\') && !path.endsWith(u'/')) path += u'\\';
    }
    QUrl url = ProgramUrl(path);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("v"), QString::number(m_load));
    url.setQuery(query);
    if (!entry.fragment.isEmpty()) url.setFragment(entry.fragment);
    return url;
}

void HtmlView::resetMirror(const QString& html)
{
    const base::PageSummary page = base::ScanPage(html);
    m_page.hasForm = page.hasForm;
    m_page.fields = page.fields;
    setTitle(page.title);
    setHeight(0);
    setScroll(m_pendingScroll.value_or(0));
}

// --- the page's reports ---

void HtmlView::reported(const QVariantMap& report)
{
    if (report.value(QStringLiteral("load")).toULongLong() != m_load) return; // a page left behind
    if (!m_live) {
        goLive(report);
        return;
    }
    takeMeasures(report);
    // Until the page has applied the last command, its fields and position
    // are older than the mirror.
    if (report.value(QStringLiteral("applied")).toInt() < m_commands) return;
    const bool edited = takeForm(report);
    setScroll(report.value(QStringLiteral("scroll")).toInt());
    if (edited) emit formEdited();
}

void HtmlView::takeMeasures(const QVariantMap& report)
{
    setTitle(report.value(QStringLiteral("title")).toString());
    setHeight(report.value(QStringLiteral("height")).toInt());
}

bool HtmlView::takeForm(const QVariantMap& report)
{
    QList<base::FormField> fields;
    for (const QVariant& state : report.value(QStringLiteral("fields")).toList()) fields.append(FieldFrom(state.toMap()));
    const bool changed = fields != m_page.fields;
    m_page.fields = fields;
    m_page.hasForm = report.value(QStringLiteral("hasForm")).toBool();
    return changed;
}

void HtmlView::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (LoadOf(info.url()) != m_load) return;
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
        m_loaded = true;
        becomeReadyWhenDone();
    } else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
        // A page the browser could not load never reports; the mirror read
        // from its text is all there is.
        m_loaded = true;
        if (!m_live) goLive({});
        becomeReadyWhenDone();
    }
}

void HtmlView::goLive(const QVariantMap& report)
{
    m_live = true;
    if (!report.isEmpty()) {
        takeMeasures(report);
        takeForm(report);
        if (!m_pendingScroll) setScroll(report.value(QStringLiteral("scroll")).toInt());
    }
    // What was asked for while the page was loading is applied to the
    // browser's own view of the form.
    QList<int> changed;
    for (const QStringList& lines : std::as_const(m_pendingFields))
        for (int index : base::ApplyFormValues(m_page.fields, lines))
            if (!changed.contains(index)) changed.append(index);
    m_pendingFields.clear();
    QVariantMap command;
    if (!changed.isEmpty()) command.insert(QStringLiteral("fields"), commandFields(changed));
    if (m_pendingScroll) command.insert(QStringLiteral("scroll"), *m_pendingScroll);
    m_pendingScroll.reset();
    if (!command.isEmpty() && !report.isEmpty()) sendCommand(command);
    becomeReadyWhenDone();
}

void HtmlView::becomeReadyWhenDone()
{
    if (m_ready || !m_live || !m_loaded) return;
    m_ready = true;
    // The browser finds text only in a page it has finished loading.
    if (m_pendingFind) startFind();
    emit pageReady();
}

QVariantList HtmlView::commandFields(const QList<int>& indexes) const
{
    QVariantList fields;
    for (int index : indexes) fields.append(CommandField(index, m_page.fields[index]));
    return fields;
}

void HtmlView::sendCommand(QVariantMap command)
{
    command.insert(QStringLiteral("load"), QString::number(m_load));
    command.insert(QStringLiteral("number"), ++m_commands);
    const QByteArray json = QJsonDocument(QJsonObject::fromVariantMap(command)).toJson(QJsonDocument::Compact);
    m_webPage->runJavaScript(QStringLiteral("window.orindoCommand && orindoCommand(%1)").arg(QString::fromUtf8(json)),
                             QWebEngineScript::ApplicationWorld);
}

void HtmlView::setTitle(const QString& title)
{
    if (title == m_page.title) return;
    m_page.title = title;
    emit titleChanged(title);
}

void HtmlView::setHeight(int height)
{
    if (height == m_height) return;
    m_height = height;
    emit documentHeightChanged(height);
}

void HtmlView::setScroll(int y)
{
    if (y == m_scroll) return;
    m_scroll = y;
    emit scrollPosChanged(y);
}

// --- links and history ---

void HtmlView::linkClicked(const QString& raw, const QString& resolved)
{
    if (!isEnabled()) return;
    if (m_linkHandler && m_linkHandler(raw)) return;
    follow(QUrl(resolved));
}

void HtmlView::follow(const QUrl& target)
{
    QUrl url = target.isLocalFile() ? ProgramUrl(target.toLocalFile()) : target;
    if (url.scheme() != QLatin1String(kProgramScheme)) return; // other schemes are not pages of the program
    if (LoadOf(url) == m_load) {                                // an anchor of the page shown
        if (url.hasFragment() && m_live) sendCommand({{QStringLiteral("anchor"), url.fragment(QUrl::FullyDecoded)}});
        return;
    }
    const QString path = ProgramPathOfUrl(url);
    if (path.isEmpty()) return;
    Entry leaving = m_shown;
    leaving.scroll = m_scroll;
    if (!leaving.file.isEmpty()) leaving.html.clear(); // read again when shown again
    Entry next;
    next.file = path;
    next.fragment = url.fragment(QUrl::FullyDecoded);
    if (!display(next)) return;
    if (m_historyLimit <= 0) return;
    m_history.append(leaving);
    while (m_history.size() > m_historyLimit) m_history.removeFirst();
}

void HtmlView::SetHistoryLimit(int limit)
{
    m_historyLimit = qMax(0, limit);
    while (m_history.size() > m_historyLimit) m_history.removeFirst();
}

bool HtmlView::GoBack()
{
    if (m_history.isEmpty()) return false;
    return display(m_history.takeLast());
}

// --- geometry and find ---

void HtmlView::SetScrollPos(int y)
{
    y = qMax(0, y);
    if (!m_live) {
        m_pendingScroll = y;
        setScroll(y == std::numeric_limits<int>::max() ? 0 : y);
        return;
    }
    setScroll(qMin(y, qMax(0, m_height - m_view->height())));
    sendCommand({{QStringLiteral("scroll"), y}});
}

void HtmlView::ScrollToEnd() { SetScrollPos(std::numeric_limits<int>::max()); }

void HtmlView::FindText(const QString& text)
{
    m_pendingFind = text;
    if (m_ready) startFind();
}

void HtmlView::startFind()
{
    const QString text = m_pendingFind.value_or(QString());
    m_pendingFind.reset();
    QPointer<HtmlView> self = this;
    m_webPage->findText(text, {}, [self](const QWebEngineFindTextResult& result) {
        if (self) emit self->findFinished(result.numberOfMatches() > 0);
    });
}

// --- form ---

QStringList HtmlView::FormFieldNames() const
{
    QStringList names;
    for (const base::FormField& field : m_page.fields) names.append(field.name);
    return names;
}

QString HtmlView::GetFormValue(const QString& name) const
{
    for (const QString& line : FormValues()) {
        const qsizetype eq = line.indexOf(u'=');
        if (line.left(eq).compare(name, Qt::CaseInsensitive) == 0) return line.mid(eq + 1);
    }
    return {};
}

void HtmlView::SetFormValue(const QString& name, const QString& value) { changeFields({name + u'=' + value}); }

void HtmlView::SetFormValues(const QStringList& lines) { changeFields(lines); }

void HtmlView::changeFields(const QStringList& lines)
{
    const QList<int> changed = base::ApplyFormValues(m_page.fields, lines);
    if (!m_live) {
        m_pendingFields.append(lines);
        return;
    }
    if (!changed.isEmpty()) sendCommand({{QStringLiteral("fields"), commandFields(changed)}});
}

// --- printing ---

bool HtmlView::Print()
{
    if (m_printing) return false;
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) return false;
    m_ownPrinter = std::make_unique<QPrinter>(printerInfo, QPrinter::HighResolution);
    return Print(m_ownPrinter.get());
}

bool HtmlView::Print(QPrinter* printer)
{
    if (m_printing || !printer) return false;
    m_printing = true;
    m_view->print(printer);
    return true;
}

} // namespace ui

#include "htmlview.moc"
