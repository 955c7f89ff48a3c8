// The register window: "Reg.JPG" and its hover picture "RegOn.JPG", with
// the captions of the two lists and the four buttons where the window lays
// its hot areas.
#include "artgen.h"
#include "look.h"
#include "users/reglayout.h"

namespace {
using namespace artgen;
namespace L = users::reglayout;

QImage RegisterPicture(bool hover)
{
    QImage image = look::Paper(L::kWindow);
    QPainter p(&image);
    look::DrawCard(p, QRect(8, 6, L::kWindow.width() - 16, L::kWindow.height() - 14), 56, QString());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    p.setFont(look::Font(look::kSans, 19, true));
    p.drawText(QRect(8, 10, L::kWindow.width() - 16, 26), Qt::AlignCenter, QStringLiteral("Список пользователей"));
    p.setFont(look::Font(look::kSans, 12, false, true));
    p.drawText(QRect(8, 36, L::kWindow.width() - 16, 20), Qt::AlignCenter,
               QStringLiteral("Кнопки действуют на список, в котором стоит курсор"));
    look::DrawCaption(p, QPoint(L::kClassList.left(), L::kClassList.top() - 8), QStringLiteral("Классы"));
    look::DrawCaption(p, QPoint(L::kUserList.left(), L::kUserList.top() - 8), QStringLiteral("Пользователи класса"));
    look::DrawButton(p, L::kAdd, QStringLiteral("Добавить"), look::kGreen, hover);
    look::DrawButton(p, L::kDelete, QStringLiteral("Удалить"), look::kRed, hover);
    look::DrawButton(p, L::kEdit, QStringLiteral("Изменить"), look::kBand, hover);
    look::DrawButton(p, L::kImport, QStringLiteral("Импорт из Вельта"), look::kAccent.darker(115), hover);
    return image;
}

bool DrawRegister(const QString& folder)
{
    const bool plain = SaveJpg(RegisterPicture(false), folder, QStringLiteral("JPG/Reg.JPG"));
    return SaveJpg(RegisterPicture(true), folder, QStringLiteral("JPG/RegOn.JPG")) && plain;
}
} // namespace

ARTGEN_REGISTER("register", DrawRegister);
