#include "planimetrylabtest.h"
#include "labframe/labregistry.h"
#include "ui/inputdialog.h"
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

void Lab4Test::SetUp()
{
    ProgramFolderTest::SetUp();
    lab = std::make_unique<planimetrylab::TfmLab4>();
    lab->resize(1100, 760);
    lab->show();
}

void Lab4Test::TearDown()
{
    lab.reset();
    labframe::ReleaseLabs();
    ProgramFolderTest::TearDown();
}

QPoint Lab4Test::Pixel(plane::geometry::Vec2 world) const
{
    return {lab->Dec->View().ToScreenX(world.x), lab->Dec->View().ToScreenY(world.y)};
}

void Lab4Test::Click(plane::geometry::Vec2 world)
{
    QTest::mouseMove(lab->Dec, Pixel(world));
    QTest::mouseClick(lab->Dec, Qt::LeftButton, {}, Pixel(world));
}

void Lab4Test::AnswerInput(const QStringList& texts, bool ok)
{
    dialogs.dialogActions.push_back([texts, ok](QDialog& dialog) {
        auto& input = static_cast<ui::TffDlg&>(dialog);
        for (size_t i = 0; i < input.Fields().size() && i < size_t(texts.size()); ++i)
            input.Fields()[i]->setText(texts[qsizetype(i)]);
        return int(ok ? QDialog::Accepted : QDialog::Rejected);
    });
}

void Lab4Test::Choose(QMenu* menu, const QString& caption)
{
    for (QAction* item : menu->actions())
        if (item->text() == caption) {
            emit menu->triggered(item);
            return;
        }
    ADD_FAILURE() << "no menu item " << caption.toStdString();
}
