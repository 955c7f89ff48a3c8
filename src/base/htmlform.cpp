#include "base/htmlform.h"
#include <QHash>
#include <optional>

namespace base {
using namespace Qt::StringLiterals;

namespace {

bool IsSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

bool IsNameChar(QChar c) { return !IsSpace(c) && c != u'>' && c != u'/' && c != u'='; }

// Strips and collapses white space, as document.title and option texts do.
QString Collapse(const QString& text)
{
    QString out;
    out.reserve(text.size());
    bool space = false;
    for (QChar c : text) {
        if (IsSpace(c)) {
            space = !out.isEmpty();
            continue;
        }
        if (space) out += u' ';
        space = false;
        out += c;
    }
    return out;
}

struct Tag {
    QString name;   // lower case
    bool closing = false;
    QHash<QString, QString> attributes; // lower-case names, decoded values

    bool has(const QString& attribute) const { return attributes.contains(attribute); }
    QString attr(const QString& attribute) const { return attributes.value(attribute); }
};

// Walks a page as a sequence of tags and text, the way an HTML parser
// tokenises it (comments skipped, the text of script, style, title and
// textarea taken raw).
class Tokenizer {
public:
    explicit Tokenizer(const QString& html) : m_html(html) {}

    // The next tag; text before it is appended to text. Empty when the page ends.
    std::optional<Tag> next(QString& text)
    {
        const qsizetype n = m_html.size();
        while (m_pos < n) {
            const qsizetype lt = m_html.indexOf(u'<', m_pos);
            if (lt < 0) break;
            text += m_html.mid(m_pos, lt - m_pos);
            m_pos = lt;
            if (m_html.mid(lt, 4) == u"<!--") {
                const qsizetype end = m_html.indexOf(QLatin1String("-->"), lt + 4);
                m_pos = end < 0 ? n : end + 3;
                continue;
            }
            const QChar after = lt + 1 < n ? m_html[lt + 1] : QChar();
            if (after == u'!' || after == u'?') {
                skipPast(u'>');
                continue;
            }
            const bool closing = after == u'/';
            const qsizetype nameStart = lt + (closing ? 2 : 1);
            if (nameStart >= n || !m_html[nameStart].isLetter()) {
                text += u'<';
                ++m_pos;
                continue;
            }
            return readTag(nameStart, closing);
        }
        text += m_html.mid(m_pos);
        m_pos = n;
        return std::nullopt;
    }

    // Raw text up to the end tag of name (case ignored); the end tag is consumed.
    QString rawTextUntil(const QString& name)
    {
        const QString end = QStringLiteral("</") + name;
        const qsizetype at = m_html.indexOf(end, m_pos, Qt::CaseInsensitive);
        const qsizetype stop = at < 0 ? m_html.size() : at;
        const QString raw = m_html.mid(m_pos, stop - m_pos);
        m_pos = stop;
        if (at >= 0) skipPast(u'>');
        return raw;
    }

private:
    void skipPast(QChar c)
    {
        const qsizetype at = m_html.indexOf(c, m_pos);
        m_pos = at < 0 ? m_html.size() : at + 1;
    }

    Tag readTag(qsizetype nameStart, bool closing)
    {
        Tag tag;
        tag.closing = closing;
        const qsizetype n = m_html.size();
        qsizetype i = nameStart;
        while (i < n && IsNameChar(m_html[i])) ++i;
        tag.name = m_html.mid(nameStart, i - nameStart).toLower();
        while (i < n && m_html[i] != u'>') {
            if (IsSpace(m_html[i]) || m_html[i] == u'/') {
                ++i;
                continue;
            }
            const qsizetype attrStart = i;
            while (i < n && IsNameChar(m_html[i])) ++i;
            if (i == attrStart) ++i; // a stray "=" is skipped
            const QString attrName = m_html.mid(attrStart, i - attrStart).toLower();
            qsizetype j = i;
            while (j < n && IsSpace(m_html[j])) ++j;
            QString value;
            if (j < n && m_html[j] == u'=') {
                ++j;
                while (j < n && IsSpace(m_html[j])) ++j;
                i = readValue(j, value);
            }
            if (!attrName.isEmpty() && !tag.attributes.contains(attrName))
                tag.attributes.insert(attrName, DecodeEntities(value));
        }
        m_pos = i < n ? i + 1 : n;
        return tag;
    }

    // Reads a quoted or bare attribute value starting at i; returns the position after it.
    qsizetype readValue(qsizetype i, QString& value) const
    {
        const qsizetype n = m_html.size();
        if (i < n && (m_html[i] == u'"' || m_html[i] == u'\'')) {
            const QChar quote = m_html[i];
            const qsizetype end = m_html.indexOf(quote, i + 1);
            const qsizetype stop = end < 0 ? n : end;
            value = m_html.mid(i + 1, stop - i - 1);
            return end < 0 ? n : end + 1;
        }
        const qsizetype start = i;
        while (i < n && !IsSpace(m_html[i]) && m_html[i] != u'>') ++i;
        value = m_html.mid(start, i - start);
        return i;
    }

    const QString& m_html;
    qsizetype m_pos = 0;
};

const QStringList kButtonTypes = {u"submit"_s, u"reset"_s, u"button"_s, u"image"_s, u"file"_s};
const QStringList kTextTypes = {u"text"_s,  u"password"_s, u"hidden"_s, u"search"_s,
                                u"email"_s, u"url"_s,      u"tel"_s,    u"number"_s};

// The type a browser gives an <INPUT>; unknown types are text fields.
QString InputType(const Tag& tag)
{
    const QString type = tag.attr(u"type"_s).trimmed().toLower();
    if (type.isEmpty()) return u"text"_s;
    if (type == u"checkbox" || type == u"radio" || kButtonTypes.contains(type) || kTextTypes.contains(type))
        return type;
    return u"text"_s;
}

// Reads the first form while the page is tokenised.
class FormReader {
public:
    explicit FormReader(PageSummary& page) : m_page(page) {}

    void input(const Tag& tag)
    {
        closeSelect();
        FormField field;
        field.name = tag.attr(u"name"_s);
        field.type = InputType(tag);
        if (kButtonTypes.contains(field.type)) return;
        field.value = tag.attr(u"value"_s);
        if (field.isCheckable()) {
            if (!tag.has(u"value"_s)) field.value = u"on"_s;
            field.checked = tag.has(u"checked"_s);
            if (field.checked && field.type == u"radio") uncheckGroup(field.name);
        } else if (field.type != u"hidden") {
            field.value.remove(u'\r');
            field.value.remove(u'\n');
        }
        m_page.fields.append(field);
    }

    void textarea(const Tag& tag, QString content)
    {
        closeSelect();
        if (content.startsWith(u'\n')) content.remove(0, 1);
        else if (content.startsWith(u"\r\n")) content.remove(0, 2);
        FormField field;
        field.name = tag.attr(u"name"_s);
        field.type = u"textarea"_s;
        field.value = DecodeEntities(content);
        m_page.fields.append(field);
    }

    void select(const Tag& tag)
    {
        closeSelect();
        FormField field;
        field.name = tag.attr(u"name"_s);
        field.type = tag.has(u"multiple"_s) ? u"select-multiple"_s : u"select-one"_s;
        m_page.fields.append(field);
        m_select = int(m_page.fields.size()) - 1;
        m_listSize = tag.attr(u"size"_s).toInt();
    }

    void option(const Tag& tag)
    {
        if (m_select < 0) return;
        closeOption();
        FormField& list = m_page.fields[m_select];
        list.options.append(tag.attr(u"value"_s));
        list.selected.append(tag.has(u"selected"_s));
        m_optionHasValue = tag.has(u"value"_s);
        m_optionText.clear();
        m_inOption = true;
    }

    void text(const QString& text)
    {
        if (m_inOption) m_optionText += text;
    }

    void endOption() { closeOption(); }

    void closeSelect()
    {
        if (m_select < 0) return;
        closeOption();
        FormField& list = m_page.fields[m_select];
        if (list.type == u"select-one") {
            const qsizetype last = list.selected.lastIndexOf(true);
            for (auto& s : list.selected) s = false;
            if (last >= 0) list.selected[last] = true;
            else if (!list.selected.isEmpty() && m_listSize <= 1) list.selected[0] = true;
        }
        m_select = -1;
    }

private:
    void closeOption()
    {
        if (!m_inOption) return;
        m_inOption = false;
        if (!m_optionHasValue) m_page.fields[m_select].options.last() = Collapse(DecodeEntities(m_optionText));
    }

    void uncheckGroup(const QString& name)
    {
        for (FormField& other : m_page.fields)
            if (other.type == u"radio" && other.name == name) other.checked = false;
    }

    PageSummary& m_page;
    int m_select = -1;
    int m_listSize = 0;
    bool m_inOption = false;
    bool m_optionHasValue = false;
    QString m_optionText;
};

const QHash<QString, QChar>& NamedEntities()
{
    static const QHash<QString, QChar> table = {
        {u"amp"_s, u'&'},    {u"lt"_s, u'<'},     {u"gt"_s, u'>'},     {u"quot"_s, u'"'},
        {u"apos"_s, u'\''},  {u"nbsp"_s, QChar(0xA0)}, {u"copy"_s, QChar(0xA9)},
        {u"laquo"_s, QChar(0xAB)}, {u"raquo"_s, QChar(0xBB)}, {u"mdash"_s, QChar(0x2014)},
        {u"ndash"_s, QChar(0x2013)}, {u"deg"_s, QChar(0xB0)}, {u"plusmn"_s, QChar(0xB1)},
        {u"times"_s, QChar(0xD7)}, {u"divide"_s, QChar(0xF7)}, {u"middot"_s, QChar(0xB7)},
    };
    return table;
}

// The character of the entity body between "&" and ";", if it is one.
std::optional<QString> EntityText(const QString& body)
{
    if (body.startsWith(u'#')) {
        bool ok = false;
        const uint code = body.size() > 1 && (body[1] == u'x' || body[1] == u'X') ? body.mid(2).toUInt(&ok, 16)
                                                                                  : body.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    const auto it = NamedEntities().constFind(body);
    if (it == NamedEntities().constEnd()) return std::nullopt;
    return QString(*it);
}

} // namespace

QString DecodeEntities(const QString& text)
{
    if (!text.contains(u'&')) return text;
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype amp = text.indexOf(u'&', i);
        if (amp < 0) break;
        out += text.mid(i, amp - i);
        const qsizetype semi = text.indexOf(u';', amp + 1);
        std::optional<QString> decoded;
        if (semi > amp + 1 && semi - amp <= 10) decoded = EntityText(text.mid(amp + 1, semi - amp - 1));
        if (decoded) {
            out += *decoded;
            i = semi + 1;
        } else {
            out += u'&';
            i = amp + 1;
        }
    }
    out += text.mid(i);
    return out;
}

PageSummary ScanPage(const QString& html)
{
    PageSummary page;
    FormReader form(page);
    Tokenizer tokens(html);
    enum class FormState { Before, Inside, After } state = FormState::Before;
    bool haveTitle = false;
    QString text;
    while (const std::optional<Tag> tag = tokens.next(text)) {
        if (state == FormState::Inside) form.text(text);
        text.clear();
        const QString& name = tag->name;
        if (!tag->closing && (name == u"script" || name == u"style" || name == u"xmp")) {
            tokens.rawTextUntil(name);
            continue;
        }
        if (!tag->closing && name == u"title") {
            const QString raw = tokens.rawTextUntil(name);
            if (!haveTitle) page.title = Collapse(DecodeEntities(raw));
            haveTitle = true;
            continue;
        }
        if (name == u"form") {
            if (!tag->closing && state == FormState::Before) {
                state = FormState::Inside;
                page.hasForm = true;
            } else if (tag->closing && state == FormState::Inside) {
                form.closeSelect();
                state = FormState::After;
            }
            continue;
        }
        if (!tag->closing && name == u"textarea") {
            const QString content = tokens.rawTextUntil(name);
            if (state == FormState::Inside) form.textarea(*tag, content);
            continue;
        }
        if (state != FormState::Inside) continue;
        if (tag->closing) {
            if (name == u"select") form.closeSelect();
            else if (name == u"option" || name == u"optgroup") form.endOption();
        } else if (name == u"input") {
            form.input(*tag);
        } else if (name == u"select") {
            form.select(*tag);
        } else if (name == u"option") {
            form.option(*tag);
        } else if (name == u"optgroup") {
            form.endOption();
        }
    }
    if (state == FormState::Inside) {
        form.text(text);
        form.closeSelect();
    }
    return page;
}

QStringList FormValues(const QList<FormField>& fields)
{
    QStringList lines;
    for (const FormField& field : fields) {
        if (field.name.isEmpty()) continue;
        if (field.isCheckable()) {
            if (field.checked) lines.append(field.name + u'=' + field.value);
        } else if (field.isSelect()) {
            for (qsizetype i = 0; i < field.options.size(); ++i)
                if (field.selected.value(i)) lines.append(field.name + u'=' + field.options[i]);
        } else {
            lines.append(field.name + u'=' + field.value);
        }
    }
    return lines;
}

QList<int> FieldsNamed(const QList<FormField>& fields, const QString& name)
{
    QList<int> found;
    for (int i = 0; i < fields.size(); ++i)
        if (!fields[i].name.isEmpty() && fields[i].name.compare(name, Qt::CaseInsensitive) == 0) found.append(i);
    return found;
}

QList<int> ApplyFormValues(QList<FormField>& fields, const QStringList& lines)
{
    // Values per name, in the order given; names compared in upper case.
    QHash<QString, QStringList> values;
    QStringList order;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        const QString name = (eq < 0 ? line : line.left(eq)).toUpper();
        if (name.isEmpty()) continue;
        if (!values.contains(name)) order.append(name);
        values[name].append(eq < 0 ? QString() : line.mid(eq + 1));
    }

    QList<int> changed;
    for (const QString& name : order) {
        const QStringList& given = values[name];
        int textIndex = 0;
        bool radioTaken = false;
        for (int i : FieldsNamed(fields, name)) {
            FormField& field = fields[i];
            const FormField before = field;
            if (field.isCheckable()) {
                field.checked = given.contains(field.value) && !(field.type == u"radio" && radioTaken);
                radioTaken = radioTaken || (field.type == u"radio" && field.checked);
            } else if (field.isSelect()) {
                bool one = false;
                field.selected.resize(field.options.size());
                for (qsizetype k = 0; k < field.options.size(); ++k) {
                    const bool pick = given.contains(field.options[k]) && !(one && field.type == u"select-one");
                    field.selected[k] = pick;
                    one = one || pick;
                }
            } else if (textIndex < given.size()) {
                field.value = given[textIndex++];
            }
            if (!(field == before)) changed.append(i);
        }
    }
    return changed;
}

} // namespace base
