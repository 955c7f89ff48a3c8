#include "ui/pictureset.h"
#include "base/paths.h"
#include "ui/dialogs.h"
#include "ui/imagebuttons.h"

namespace ui {

void PictureSet::bitmap(QLabel* control, const QString& file)
{
    if (!LoadJpegBitmap(control, file)) m_missing.append(file);
}

void PictureSet::animation(TGifImage* gif, const QString& file)
{
    if (!gif->LoadFromFile(file)) m_missing.append(file);
}

QPixmap PictureSet::pixmap(const QString& file)
{
    const QPixmap picture(base::RealPath(file));
    if (picture.isNull()) m_missing.append(file);
    return picture;
}

void PictureSet::reportMissing() const
{
    if (!m_missing.isEmpty()) ShowMessage(QStringLiteral("Не удается открыть файл ") + m_missing.join(QStringLiteral(", ")));
}

} // namespace ui
