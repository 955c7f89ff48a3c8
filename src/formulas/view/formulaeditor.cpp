#include "formulas/view/formulaeditor.h"
#include "formulas/view/drawing.h"
#include "formulas/formula.h"
#include "base/symbols.h"
#include "base/textutil.h"
#include "ui/centre.h"
#include "ui/dialogs.h"
#include "ui/inputdialog.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace formulas {
namespace {

const QColor kBackground(180, 207, 231);
constexpr int kFontPixels = 23;
constexpr int kMargin = 10;
constexpr int kIconSize = 32;

const QString kHint = QStringLiteral(
    "Умножение обозначается звездочкой: * .     Аргументы всех функций берутся в скобки:  sin(x)");

// ---- keys ------------------------------------------------------------------------

// The characters of the main keys of the English (United States) layout by
// X11 key code (the evdev code + 8), unshifted and shifted.
struct KeyChars {
    int code;
    char plain;
    char shifted;
};

constexpr std::array<KeyChars, 47> kUsKeys{{
    {10, '1', '!'},  {11, '2', '@'},  {12, '3', '#'}, {13, '4', '$'}, {14, '5', '%'},  {15, '6', '^'},
    {16, '7', '&'},  {17, '8', '*'},  {18, '9', '('}, {19, '0', ')'}, {20, '-', '_'},  {21, '=', '+'},
    {24, 'q', 'Q'},  {25, 'w', 'W'},  {26, 'e', 'E'}, {27, 'r', 'R'}, {28, 't', 'T'},  {29, 'y', 'Y'},
    {30, 'u', 'U'},  {31, 'i', 'I'},  {32, 'o', 'O'}, {33, 'p', 'P'}, {34, '[', '{'},  {35, ']', '}'},
    {38, 'a', 'A'},  {39, 's', 'S'},  {40, 'd', 'D'}, {41, 'f', 'F'}, {42, 'g', 'G'},  {43, 'h', 'H'},
    {44, 'j', 'J'},  {45, 'k', 'K'},  {46, 'l', 'L'}, {47, ';', ':'}, {48, '\'', '"'}, {49, '`', '~'},
    {51, '\\', '|'}, {52, 'z', 'Z'},  {53, 'x', 'X'}, {54, 'c', 'C'}, {55, 'v', 'V'},  {56, 'b', 'B'},
    {57, 'n', 'N'},  {58, 'm', 'M'},  {59, ',', '<'}, {60, '.', '>'}, {61, '/', '?'},
}};

bool HasX11KeyCodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == u"xcb" || platform == u"wayland";
}

// Upper case when the typed text is (Shift and Caps Lock are already in it,
// whatever its alphabet), otherwise by Shift.
bool TypedUpperCase(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.size() == 1 && text[0].isLetter()) return text[0].isUpper();
    return event.modifiers().testFlag(Qt::ShiftModifier);
}

// ---- pictures of the toolbar ------------------------------------------------------

// A button's picture is a small formula drawn by the formula layout itself.
QIcon FormulaIcon(const QString& notation)
{
    TFormula formula;
    formula.SetText(notation);
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    int width = 0, height = 0;
    {
        QPainter canvas(&probe);
        canvas.setFont(FormulaFont(18));
        Measure(formula, canvas, width, height);
    }
    QImage image(width + 4, height + 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter canvas(&image);
        canvas.setRenderHint(QPainter::TextAntialiasing);
        canvas.setFont(FormulaFont(18));
        canvas.setPen(Qt::black);
        Draw(formula, canvas, 2, 2);
    }
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const QImage scaled = image.width() > kIconSize || image.height() > kIconSize
                              ? image.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : image;
    QPainter canvas(&icon);
    canvas.drawImage((kIconSize - scaled.width()) / 2, (kIconSize - scaled.height()) / 2, scaled);
    return QIcon(QPixmap::fromImage(icon));
}

// A canvas for measuring and hit-testing with the box's font at the box's
// resolution, so that it measures as the box paints.
class ProbeCanvas {
public:
    explicit ProbeCanvas(const QWidget& box) : m_image(1, 1, QImage::Format_RGB32)
    {
        m_image.setDotsPerMeterX(qRound(box.logicalDpiX() / 0.0254));
        m_image.setDotsPerMeterY(qRound(box.logicalDpiY() / 0.0254));
        m_canvas.begin(&m_image);
        m_canvas.setFont(box.font());
    }
    QPainter& canvas() { return m_canvas; }

private:
    QImage m_image;
    QPainter m_canvas;
};


} // namespace

QChar LatinKeyCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar letter(u'a' + (key - Qt::Key_A));
        return TypedUpperCase(event) ? letter.toUpper() : letter;
    }
    if (event.nativeScanCode() != 0 && HasX11KeyCodes() && !modifiers.testFlag(Qt::KeypadModifier)) {
        for (const KeyChars& keyChars : kUsKeys) {
            if (keyChars.code != int(event.nativeScanCode())) continue;
            const bool letter = QChar(keyChars.plain).isLetter();
            const bool upper = letter ? TypedUpperCase(event) : modifiers.testFlag(Qt::ShiftModifier);
            return QChar(upper ? keyChars.shifted : keyChars.plain);
        }
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() >= u' ' && text[0] != QChar(0x7F)) return text[0];
    return {};
}

QChar EditorCharacter(QChar typed)
{
    switch (typed.unicode()) {
    case u'e':
    case u'E': return base::symbol::NumberE;
    case u'[': return base::symbol::OpenSquare;
    case u']': return base::symbol::CloseSquare;
    case u'<': return base::symbol::Less;
    case u'>': return base::symbol::Greater;
    default: return typed;
    }
}

// ---- the box --------------------------------------------------------------------

TFormulaBox::TFormulaBox(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Box"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::IBeamCursor);
}

QSize TFormulaBox::FormulaSize() const
{
    if (!m_formula) return {};
    ProbeCanvas probe(*this);
    int width = 0, height = 0;
    Measure(*m_formula, probe.canvas(), width, height);
    return {width + 2 * kMargin + 4, height + 2 * kMargin};
}

QRect TFormulaBox::CaretRect() const
{
    const TTerm* current = m_formula ? m_formula->Current() : nullptr;
    if (!current) return {};
    int x = current->Left;
    if (current->Kind() == TermKind::Text) {
        ProbeCanvas probe(*this);
        const std::vector<int> advances = TextRunAdvances(probe.canvas(), *current);
        for (int i = 0; i + 1 < current->Caret && i < int(advances.size()); ++i) x += advances[size_t(i)];
    } else {
        for (int k = 1; k <= current->Count() && 2 * k < current->Caret; ++k) x += current->Child(k)->Width;
    }
    return {x - 1, current->Top, 3, current->Height};
}

void TFormulaBox::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    canvas.fillRect(rect(), kBackground);
    if (!m_formula) return;
    canvas.setRenderHint(QPainter::TextAntialiasing);
    canvas.setFont(font());
    canvas.setPen(Qt::black);
    Draw(*m_formula, canvas, kMargin, kMargin);
    DrawCaret(*m_formula, canvas);
}

void TFormulaBox::mousePressEvent(QMouseEvent* event)
{
    if (!m_formula) return;
    // The terms' places are those of the last painting.
    ProbeCanvas probe(*this);
    ClickAt(*m_formula, event->position().toPoint().x(), event->position().toPoint().y(), probe.canvas());
}

// ---- the window -----------------------------------------------------------------

TffEditFormula::TffEditFormula()
{
    setObjectName(QStringLiteral("ffEditFormula"));
    setWindowTitle(QStringLiteral("  Редактор формул"));
    setModal(true);
    QFont font(kFormulaFontFamily);
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(kFontPixels);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    m_toolbar = new QToolBar(this);
    m_toolbar->setIconSize(QSize(kIconSize, kIconSize));
    tbModul = AddButton(QStringLiteral("tbModul"), QStringLiteral("Модуль"), QStringLiteral("[modl[x]]"));
    tbDrob = AddButton(QStringLiteral("tbDrob"), QStringLiteral("Дробь"), QStringLiteral("[drob[a][b]]"));
    tbSqrt = AddButton(QStringLiteral("tbSqrt"), QStringLiteral("Корень"), QStringLiteral("[sqrt[][x]]"));
    tbPower = AddButton(QStringLiteral("tbPower"), QStringLiteral("Степень"), QStringLiteral("[powr[x][n]]"));
    btLog = AddButton(QStringLiteral("btLog"), QStringLiteral("Логарифм"), QStringLiteral("[loga[a][x]]"));
    bt2 = AddButton(QStringLiteral("bt2"), QStringLiteral("Число \"пи\""), QStringLiteral("[и]"));
    bt3 = AddButton(QStringLiteral("bt3"), QStringLiteral("Число \"е\""), QStringLiteral("[ж]"));
    bt7 = AddButton(QStringLiteral("bt7"), QStringLiteral("Бесконечность"), QStringLiteral("[м]"));
    m_toolbar->addSeparator();
    btInt = AddButton(QStringLiteral("btInt"), QStringLiteral("Интеграл"), QStringLiteral("[intg[a][b][f]]"));
    btSyst = AddButton(QStringLiteral("btSyst"), QStringLiteral("Система"), QStringLiteral("[syst[[x]][[y]]]"));
    btIndex = AddButton(QStringLiteral("btIndex"), QStringLiteral("Нижний индекс"), QStringLiteral("[indx[x][n]]"));
    btIn = AddButton(QStringLiteral("btIn"), QStringLiteral("Принадлежит"), QStringLiteral("[з]"));
    btMore = AddButton(QStringLiteral("btMore"), QStringLiteral("Больше или равно"), QStringLiteral("[й]"));
    btLess = AddButton(QStringLiteral("btLess"), QStringLiteral("Меньше или равно"), QStringLiteral("[к]"));
    btNot = AddButton(QStringLiteral("btNot"), QStringLiteral("Не равно"), QStringLiteral("[л]"));
    btEq = AddButton(QStringLiteral("btEq"), QStringLiteral("Приближенно равно"), QStringLiteral("[п]"));
    btVector = AddButton(QStringLiteral("btVector"), QStringLiteral("Вектор"), QStringLiteral("[vect[AB]]"));

    const auto structure = [this](QToolButton* button, int kind) {
        connect(button, &QToolButton::clicked, this, [this, kind] {
            if (m_formula) m_formula->InsertStructure(kind);
        });
    };
    const auto symbol = [this](QToolButton* button, QChar ch) {
        connect(button, &QToolButton::clicked, this, [this, ch] {
            if (m_formula) m_formula->KeyChar(ch);
        });
    };
    structure(tbModul, kStructModulus);
    structure(tbDrob, kStructFraction);
    structure(tbSqrt, kStructRoot);
    structure(tbPower, kStructPower);
    structure(btLog, kStructLog);
    symbol(bt2, base::symbol::Pi);
    symbol(bt3, base::symbol::NumberE);
    symbol(bt7, base::symbol::Infinity);
    structure(btInt, kStructIntegral);
    connect(btSyst, &QToolButton::clicked, this, &TffEditFormula::btSystClick);
    structure(btIndex, kStructIndex);
    symbol(btIn, base::symbol::ElementOf);
    symbol(btMore, base::symbol::GreaterEqual);
    symbol(btLess, base::symbol::LessEqual);
    symbol(btNot, base::symbol::NotEqual);
    symbol(btEq, base::symbol::Approx);
    structure(btVector, kStructVector);

    Box = new TFormulaBox(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(Box);
    m_scroll->setWidgetResizable(true);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));

    lbHint = new QLabel(kHint, this);
    lbHint->setObjectName(QStringLiteral("lbHint"));
    QFont hintFont(QStringLiteral("Tahoma"));
    hintFont.setPixelSize(13);
    hintFont.setBold(true);
    lbHint->setFont(hintFont);
    QPalette hintColours = lbHint->palette();
    hintColours.setColor(QPalette::WindowText, QColor(128, 0, 128));
    lbHint->setPalette(hintColours);
    lbHint->setAlignment(Qt::AlignCenter);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btCancel = new QPushButton(QStringLiteral("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    QFont buttonFont = QGuiApplication::font();
    for (QPushButton* button : {btOK, btCancel}) {
        button->setFont(buttonFont);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setMinimumWidth(90);
    }
    connect(btOK, &QPushButton::clicked, this, &TffEditFormula::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &TffEditFormula::btCancelClick);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btOK);
    bottom->addWidget(btCancel);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 8);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(lbHint);
    layout->addLayout(bottom);
    resize(760, 340);
}

TffEditFormula& TffEditFormula::Instance()
{
    static TffEditFormula* window = new TffEditFormula;
    return *window;
}

QToolButton* TffEditFormula::AddButton(const QString& name, const QString& hint, const QString& picture)
{
    auto* button = new QToolButton(m_toolbar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(FormulaIcon(picture));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    m_toolbar->addWidget(button);
    return button;
}

QList<QToolButton*> TffEditFormula::FullOnly() const
{
    return {btInt, btSyst, btIndex, btIn, btMore, btLess, btNot, btEq, btVector};
}

bool TffEditFormula::Open(TFormula& formula, bool restricted)
{
    m_formula = &formula;
    Box->SetFormula(&formula);
    for (QToolButton* button : FullOnly()) button->setEnabled(!restricted);
    formula.SetRefreshListener([this] { FormulaChanged(); });
    FormulaChanged();
    ui::CentreOnScreen(*this);
    setFocus();
    const bool confirmed = ui::dialogs().exec(*this) == QDialog::Accepted;
    formula.SetRefreshListener({});
    Box->SetFormula(nullptr);
    m_formula = nullptr;
    return confirmed;
}

// After every edit: the box takes the formula's size, is repainted, and the
// caret is scrolled into view.
void TffEditFormula::FormulaChanged()
{
    if (!m_formula) return;
    Box->setMinimumSize(Box->FormulaSize());
    {
        // Lays the terms out where the box will paint them, for the caret's place.
        ProbeCanvas probe(*Box);
        Draw(*m_formula, probe.canvas(), kMargin, kMargin);
    }
    const QRect caret = Box->CaretRect();
    if (!caret.isNull()) m_scroll->ensureVisible(caret.center().x(), caret.center().y(), 40, caret.height());
    Box->update();
}

void TffEditFormula::btOKClick() { accept(); }

void TffEditFormula::btCancelClick() { reject(); }

void TffEditFormula::btSystClick()
{
    if (!m_formula) return;
    ui::TffDlg& dialog = ui::ffDlg();
    if (!dialog.Ask({QStringLiteral("Число уравнений системы")}, {QStringLiteral("2")},
                    QStringLiteral("Введите значение")))
        return;
    bool number = false;
    const int n = base::Trim(dialog.Results().value(0)).toInt(&number);
    if (number && n > 0) m_formula->InsertStructure(kStructSystem, n);
}

void TffEditFormula::keyPressEvent(QKeyEvent* event)
{
    if (!m_formula) {
        QDialog::keyPressEvent(event);
        return;
    }
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if ((control && event->key() == Qt::Key_Insert) || event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(m_formula->Notation());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: btOKClick(); return;
    case Qt::Key_Escape: btCancelClick(); return;
    case Qt::Key_Left: m_formula->KeyDown(kKeyLeft); return;
    case Qt::Key_Up: m_formula->KeyDown(kKeyUp); return;
    case Qt::Key_Right: m_formula->KeyDown(kKeyRight); return;
    case Qt::Key_Down: m_formula->KeyDown(kKeyDown); return;
    case Qt::Key_Backspace: m_formula->KeyDown(kKeyBackspace); return;
    case Qt::Key_Delete: m_formula->KeyDown(kKeyDelete); return;
    default: break;
    }
    const QChar typed = LatinKeyCharacter(*event);
    if (!typed.isNull()) m_formula->KeyChar(EditorCharacter(typed));
}

} // namespace formulas
