// Reading and writing the bracket notation, and the term tree's housekeeping.
#include "formulas/terms.h"
#include <algorithm>

namespace formulas {
namespace {

constexpr qsizetype kNameLength = 4;

// Index of the first byte, scanning from `from`, after which the bracket depth
// counted from `from` is 0; -1 when the text ends first. The bytes from `from`
// up to that index are one group without its closing "]" (or, at a byte
// outside any group, nothing); this is how every reader finds groups.
qsizetype GroupEnd(QStringView data, qsizetype from)
{
    qsizetype depth = 0;
    for (qsizetype i = from; i < data.size(); ++i) {
        const char16_t c = data[i].unicode();
        if (c == u'[') ++depth;
        else if (c == u']') --depth;
        if (depth == 0) return i;
    }
    return -1;
}

// Empty, or nothing but blanks and control characters.
bool IsBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= u' '; });
}

// The element a group's content stands for, or nullptr when it is dropped:
// content that begins with "[" is a nested sequence, content whose first four
// bytes are a structure name is that structure, content whose first four
// bytes are empty or blank is dropped, anything else is a text run. Below the
// reading depth every kept content stays a text run.
std::unique_ptr<TTerm> MakeElement(QStringView content, TTerm* parent, bool keepRaw)
{
    if (!keepRaw && content.startsWith(u'['))
        return std::make_unique<TSostTerm>(parent, parent->Owner);
    const QStringView name = content.left(kNameLength);
    if (!keepRaw)
        if (auto named = MakeNamedTerm(name, parent, parent->Owner)) return named;
    if (IsBlank(name)) return nullptr;
    return std::make_unique<TSimpleTerm>(parent, parent->Owner);
}

} // namespace

// ---- the tree ---------------------------------------------------------------

TTerm::~TTerm() = default;

void TTerm::AppendChild(std::unique_ptr<TTerm> child)
{
    m_children.push_back(std::move(child));
}

void TTerm::InsertChild(int k, std::unique_ptr<TTerm> child)
{
    m_children.insert(m_children.begin() + (k - 1), std::move(child));
}

void TTerm::DeleteChild(int k)
{
    m_children.erase(m_children.begin() + (k - 1));
}

void TTerm::ClearChildren()
{
    m_children.clear();
}

int TTerm::Level() const
{
    int level = 0;
    for (const TTerm* t = Parent; t; t = t->Parent) ++level;
    return level;
}

int TTerm::IndexOfChild(const TTerm* child) const
{
    for (size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i].get() == child) return int(i) + 1;
    return 0;
}

void TTerm::ParseText() {}
void TTerm::ToExpression(QString&) const {}
void TTerm::ToBracketText(QString& out) { out.clear(); }

void TTerm::AddArgument(const QString& text)
{
    auto argument = std::make_unique<TSostTerm>(this, Owner);
    argument->Data = text;
    argument->ParseText();
    AppendChild(std::move(argument));
}

void TTerm::WriteNamed(int singleGroups, QString& out)
{
    QString text = NotationName(Kind()).toString();
    QString argument;
    for (int k = 1; k <= Count(); ++k) {
        Child(k)->ToBracketText(argument);
        const bool wrap = k <= singleGroups && Child(k)->Count() > 1;
        if (wrap) text += u'[';
        text += argument;
        if (wrap) text += u']';
    }
    Data = text;
    out = Data;
}

QStringView NotationName(TermKind kind)
{
    switch (kind) {
    case TermKind::Fraction: return u"drob";
    case TermKind::Parentheses: return u"skob";
    case TermKind::Modulus: return u"modl";
    case TermKind::Vector: return u"vect";
    case TermKind::Root: return u"sqrt";
    case TermKind::Power: return u"powr";
    case TermKind::Index: return u"indx";
    case TermKind::Log: return u"loga";
    case TermKind::Integral: return u"intg";
    case TermKind::System: return u"syst";
    case TermKind::Sequence:
    case TermKind::Text: break;
    }
    return {};
}

std::unique_ptr<TTerm> MakeNamedTerm(QStringView name, TTerm* parent, TFormula* owner)
{
    if (name == u"drob") return std::make_unique<TDrobTerm>(parent, owner);
    if (name == u"skob") return std::make_unique<TSkobTerm>(parent, owner);
    if (name == u"modl") return std::make_unique<TModulTerm>(parent, owner);
    if (name == u"vect") return std::make_unique<TVectorTerm>(parent, owner);
    if (name == u"sqrt") return std::make_unique<TSqrtTerm>(parent, owner);
    if (name == u"powr") return std::make_unique<TPowerTerm>(parent, owner);
    if (name == u"indx") return std::make_unique<TIndexTerm>(parent, owner);
    if (name == u"loga") return std::make_unique<TLogTerm>(parent, owner);
    if (name == u"intg") return std::make_unique<TIntegralTerm>(parent, owner);
    if (name == u"syst") return std::make_unique<TSystemTerm>(parent, owner);
    return nullptr;
}

// ---- reading ----------------------------------------------------------------

namespace {

bool HoldsUnreadNestingAt(const TTerm& term, int level)
{
    if (term.Kind() == TermKind::Text)
        return level > kMaxReadNesting && (term.Data.contains(u'[') || term.Data.contains(u']'));
    for (int k = 1; k <= term.Count(); ++k)
        if (HoldsUnreadNestingAt(*term.Child(k), level + 1)) return true;
    return false;
}

} // namespace

// The reader keeps the tree at most a few levels below kMaxReadNesting, so the
// walk stays shallow.
bool HoldsUnreadNesting(const TTerm& root)
{
    return HoldsUnreadNestingAt(root, root.Level());
}

// Every complete group becomes an element; bytes outside groups and an
// unfinished last group are ignored. After a surplus "]" the bytes up to the
// point where the depth is 0 again form one group whose first byte (that "]")
// is dropped like an opening bracket.
void TSostTerm::ParseText()
{
    ClearChildren();
    const QStringView data(Data);
    const bool keepRaw = Level() >= kMaxReadNesting;
    qsizetype pos = 0;
    for (qsizetype end; (end = GroupEnd(data, pos)) >= 0; pos = end + 1) {
        const QStringView group = data.mid(pos, end - pos);
        if (group.isEmpty()) continue;
        const QStringView content = group.mid(1);
        std::unique_ptr<TTerm> element = MakeElement(content, this, keepRaw);
        if (!element) continue;
        element->Data = content.toString();
        element->ParseText();
        AppendChild(std::move(element));
    }
}

// The first argument of a two-argument term is exactly the first group after
// the name, the second everything after it. A text without a complete first
// group gives two empty arguments, so that every such term has both.
void TTerm::ReadTwoArguments()
{
    ClearChildren();
    const QStringView data(Data);
    const qsizetype end = GroupEnd(data, kNameLength);
    QString first, second;
    if (end >= 0) {
        first = data.mid(kNameLength, end - kNameLength).toString() + u']';
        second = data.mid(end + 1).toString();
    }
    AddArgument(first);
    AddArgument(second);
}

void TTerm::ReadOneArgument()
{
    ClearChildren();
    AddArgument(Data.mid(kNameLength));
}

void TDrobTerm::ParseText() { ReadTwoArguments(); }
void TSqrtTerm::ParseText() { ReadTwoArguments(); }
void TPowerTerm::ParseText() { ReadTwoArguments(); }
void TIndexTerm::ParseText() { ReadTwoArguments(); }
void TLogTerm::ParseText() { ReadTwoArguments(); }
void TSkobTerm::ParseText() { ReadOneArgument(); }
void TModulTerm::ParseText() { ReadOneArgument(); }
void TVectorTerm::ParseText() { ReadOneArgument(); }

// Lower limit: the first group; upper limit: the second; integrand: the rest.
// Missing pieces are empty.
void TIntegralTerm::ParseText()
{
    ClearChildren();
    const QStringView data(Data);
    QString lower, upper, integrand;
    const qsizetype lowerEnd = GroupEnd(data, kNameLength);
    if (lowerEnd >= 0) {
        lower = data.mid(kNameLength, lowerEnd - kNameLength).toString() + u']';
        const qsizetype upperEnd = GroupEnd(data, lowerEnd + 1);
        if (upperEnd >= 0) {
            upper = data.mid(lowerEnd + 1, upperEnd - lowerEnd - 1).toString() + u']';
            integrand = data.mid(upperEnd + 1).toString();
        }
    }
    AddArgument(lower);
    AddArgument(upper);
    AddArgument(integrand);
}

// Every complete group is one equation: its content without the enclosing
// brackets, itself sequence text, so «syst[[x+y=5]][[x-y=1]]».
void TSystemTerm::ParseText()
{
    ClearChildren();
    const QStringView data(Data);
    qsizetype pos = kNameLength;
    for (qsizetype end; (end = GroupEnd(data, pos)) >= 0; pos = end + 1) {
        const QStringView group = data.mid(pos, end - pos);
        if (!group.isEmpty()) AddArgument(group.mid(1).toString());
    }
}

// ---- writing ----------------------------------------------------------------

void TSostTerm::ToBracketText(QString& out)
{
    QString text(1, u'[');
    QString element;
    for (int k = 1; k <= Count(); ++k) {
        if (k > 1) text += QStringView(u"][");
        Child(k)->ToBracketText(element);
        text += element;
    }
    text += u']';
    Data = text;
    out = Data;
}

void TSimpleTerm::ToBracketText(QString& out) { out = Data; }

void TDrobTerm::ToBracketText(QString& out) { WriteNamed(1, out); }
void TSqrtTerm::ToBracketText(QString& out) { WriteNamed(1, out); }
void TPowerTerm::ToBracketText(QString& out) { WriteNamed(1, out); }
void TIndexTerm::ToBracketText(QString& out) { WriteNamed(1, out); }
void TLogTerm::ToBracketText(QString& out) { WriteNamed(1, out); }
void TSkobTerm::ToBracketText(QString& out) { WriteNamed(0, out); }
void TModulTerm::ToBracketText(QString& out) { WriteNamed(0, out); }
void TVectorTerm::ToBracketText(QString& out) { WriteNamed(0, out); }
void TIntegralTerm::ToBracketText(QString& out) { WriteNamed(2, out); }

void TSystemTerm::ToBracketText(QString& out)
{
    QString text = QStringLiteral("syst");
    QString equation;
    for (int k = 1; k <= Count(); ++k) {
        Child(k)->ToBracketText(equation);
        text += u'[' + equation + u']';
    }
    Data = text;
    out = Data;
}

} // namespace formulas
