// The time line of the history of mathematics: the wide strip "OsTime.JPG"
// (an arrow of the ages with a card for every event) and its areas file
// "OS\action.txt". Both come from the one table below, so every hot area lies
// exactly on its card.
#include "artgen.h"
#include "look.h"
#include "base/textfile.h"
#include <QFile>
#include <QLinearGradient>
#include <QPainterPath>
#include <iterator>

namespace {
using namespace artgen;

struct Event {
    const char* name;
    const char* date;
    const char* formula;
    const char* caption;
    const char* page; // in "OS\"
};

const Event kEvents[] = {
    {"Пифагор", "VI век до н. э.", "a² + b² = c²", "Теорема о прямоугольном треугольнике", "Pifagor.htm"},
    {"Евклид", "около 300 г. до н. э.", "«Начала»", "Геометрия из аксиом и доказательств", "Evklid.htm"},
    {"Архимед", "III век до н. э.", "3¹⁰⁄₇₁ < π < 3¹⁄₇", "Площади, объёмы и число π", "Arhimed.htm"},
    {"аль-Хорезми", "IX век", "x² + 10x = 39", "Из его книги пришло слово «алгебра»", "Horezmi.htm"},
    {"Фибоначчи", "1202 год", "1, 1, 2, 3, 5, 8, 13, …", "Индийские цифры приходят в Европу", "Fibonac.htm"},
    {"Виет", "1591 год", "x₁ + x₂ = −p", "Буквы вместо чисел в формулах", "Viet.htm"},
    {"Декарт", "1637 год", "y = kx + b", "Метод координат", "Koord.htm"},
    {"Паскаль и Ферма", "1654 год", "P = m ⁄ n", "Начало теории вероятностей", "Veroyat.htm"},
    {"Ньютон и Лейбниц", "конец XVII века", "∫ f(x) dx", "Производная и интеграл", "Analiz.htm"},
    {"Эйлер", "XVIII век", "В − Р + Г = 2", "Формула многогранника и не только", "Eiler.htm"},
    {"Лобачевский", "1826 год", "∑ углов < 180°", "Неевклидова геометрия", "Lobach.htm"},
    {"Ковалевская", "1888 год", "«волчок Ковалевской»", "Первая женщина — профессор математики", "Kovalev.htm"},
    {"Колмогоров", "1933 год", "0 ≤ P(A) ≤ 1", "Аксиомы теории вероятностей", "Kolmogor.htm"},
};
constexpr int kEventCount = int(std::size(kEvents));

// The ages written on the arrow: the first and last event each spans.
struct Age {
    const char* name;
    int first;
    int last;
};
const Age kAges[] = {{"Древний мир", 0, 2},   {"Средние века", 3, 4}, {"Новое время", 5, 9},
                     {"XIX век", 10, 11},     {"XX век", 12, 12}};

constexpr int kHeight = 340;
constexpr int kFirstCentre = 430;
constexpr int kStep = 232;
constexpr QSize kCard{252, 116};
constexpr int kArrowTop = 166;
constexpr int kArrowHeight = 26;
constexpr int kWidth = kFirstCentre + (kEventCount - 1) * kStep + kCard.width() / 2 + 90;

int Centre(int event) { return kFirstCentre + event * kStep; }

// Events alternate above and below the arrow.
QRect CardRect(int event)
{
    const bool above = event % 2 == 0;
    const int top = above ? kArrowTop - 20 - kCard.height() : kArrowTop + kArrowHeight + 20;
    return QRect(QPoint(Centre(event) - kCard.width() / 2, top), kCard);
}

void DrawArrow(QPainter& p)
{
    const int y = kArrowTop;
    const int end = kWidth - 24;
    QLinearGradient band(0, y, 0, y + kArrowHeight);
    band.setColorAt(0, look::kBandLight);
    band.setColorAt(1, look::kBand);
    QPainterPath arrow;
    arrow.moveTo(40, y);
    arrow.lineTo(end - 30, y);
    arrow.lineTo(end - 30, y - 10);
    arrow.lineTo(end, y + kArrowHeight / 2);
    arrow.lineTo(end - 30, y + kArrowHeight + 10);
    arrow.lineTo(end - 30, y + kArrowHeight);
    arrow.lineTo(40, y + kArrowHeight);
    arrow.closeSubpath();
    p.fillPath(arrow, band);
    p.setPen(QPen(look::kInk, 1.2));
    p.drawPath(arrow);
    p.setFont(look::Font(look::kSans, 13, true));
    for (const Age& age : kAges) {
        // The name sits between the age's first point and the next one.
        const int left = Centre(age.first) + 14;
        const int right = Centre(age.first) + kStep - 14;
        const int border = Centre(age.last) + kStep / 2;
        p.setPen(QColor(255, 255, 255, 170));
        if (age.last + 1 < kEventCount) p.drawLine(border, y + 4, border, y + kArrowHeight - 4);
        p.setPen(Qt::white);
        p.drawText(QRect(left, y, right - left, kArrowHeight), Qt::AlignCenter, QString::fromUtf8(age.name));
    }
}

void DrawTitle(QPainter& p)
{
    const QRect card(28, 70, 250, 200);
    look::DrawCard(p, card, 40, QStringLiteral("История математики"));
    p.setPen(look::kAccent.darker(130));
    p.setFont(look::Font(look::kSerif, 30, false, true));
    p.drawText(card.adjusted(10, 46, -10, -100), Qt::AlignCenter, QStringLiteral("π  ∑  ∞  √"));
    p.setPen(look::kInk);
    p.setFont(look::Font(look::kSans, 14, false, true));
    p.drawText(card.adjusted(16, 108, -16, -10), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("от Пифагора до наших дней: тяните ленту мышью и щёлкайте по карточкам"));
}

void DrawEvent(QPainter& p, int index)
{
    const Event& event = kEvents[index];
    const QRect card = CardRect(index);
    const bool above = index % 2 == 0;
    const int x = Centre(index);
    // The stem from the card to its point on the arrow.
    p.setPen(QPen(look::kAccent, 3));
    if (above) p.drawLine(x, card.bottom(), x, kArrowTop);
    else p.drawLine(x, kArrowTop + kArrowHeight, x, card.top());
    p.setBrush(look::kAccent);
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(QPoint(x, kArrowTop + kArrowHeight / 2), 8, 8);

    look::DrawCard(p, card, 32, QString::fromUtf8(event.name));
    const QRect body = card.adjusted(10, 36, -10, -6);
    p.setPen(look::kAccent.darker(130));
    p.setFont(look::Font(look::kSans, 13, true));
    p.drawText(QRect(body.left(), body.top(), body.width(), 18), Qt::AlignCenter, QString::fromUtf8(event.date));
    p.setPen(look::kInk);
    p.setFont(look::Font(look::kSerif, 17, false, true));
    p.drawText(QRect(body.left(), body.top() + 18, body.width(), 26), Qt::AlignCenter,
               QString::fromUtf8(event.formula));
    p.setPen(QColor(0x3a, 0x4a, 0x60));
    p.setFont(look::Font(look::kSans, 12));
    p.drawText(QRect(body.left(), body.top() + 44, body.width(), body.bottom() - body.top() - 44),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(event.caption));
}

QImage Strip()
{
    QImage image = look::Paper(QSize(kWidth, kHeight));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    look::DrawMotifs(p, image.rect(), 40, 1837);
    DrawArrow(p);
    DrawTitle(p);
    for (int i = 0; i < kEventCount; ++i) DrawEvent(p, i);
    return image;
}

// The areas file: a heading, then left, top, right and bottom (right and
// bottom just outside the card) and the page of every card.
QStringList AreaLines()
{
    QStringList lines{QStringLiteral("Левый Верхний Правый Нижний Страница")};
    for (int i = 0; i < kEventCount; ++i) {
        const QRect card = CardRect(i);
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(card.left())
                     .arg(card.top())
                     .arg(card.right() + 1)
                     .arg(card.bottom() + 1)
                     .arg(QString::fromUtf8(kEvents[i].page));
    }
    return lines;
}

bool WriteAreas(const QString& folder)
{
    QFile file(Target(folder, QStringLiteral("OS/action.txt")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray bytes;
    for (const QString& line : AreaLines()) bytes += base::EncodeCp1251(line) + "\r\n";
    return file.write(bytes) == bytes.size();
}

bool TimeLine(const QString& folder)
{
    return SaveJpg(Strip(), folder, QStringLiteral("JPG/OsTime.JPG"), 90) && WriteAreas(folder);
}

} // namespace

ARTGEN_REGISTER("time line", TimeLine);
