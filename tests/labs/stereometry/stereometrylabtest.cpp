#include "stereometrylabtest.h"
#include "labframe/labregistry.h"
#include "ui/inputdialog.h"
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

void Lab13Test::SetUp()
{
    ProgramFolderTest::SetUp();
    lab = std::make_unique<stereometrylab::TfmLab13>();
    lab->resize(1000, 720);
    lab->show();
}

void Lab13Test::TearDown()
{
    lab.reset();
    labframe::ReleaseLabs();
    ProgramFolderTest::TearDown();
}

QPoint Lab13Test::Pixel(double x, double y) const { return lab->Dec->View().ToScreen(x, y).toPoint(); }

void Lab13Test::Click(double x, double y)
{
    // The hover goes to the control itself: the offscreen platform delivers
    // no move events for QTest::mouseMove.
    QMouseEvent move(QEvent::MouseMove, QPointF(Pixel(x, y)), lab->Dec->mapToGlobal(QPointF(Pixel(x, y))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(lab->Dec, &move);
    QTest::mouseClick(lab->Dec, Qt::LeftButton, {}, Pixel(x, y));
}

void Lab13Test::AnswerInput(const QString& text, bool ok)
{
    dialogs.dialogActions.push_back([this, text, ok](QDialog& dialog) {
        auto& input = static_cast<ui::TffDlg&>(dialog);
        lastDefault = input.Fields()[0]->text();
        input.Fields()[0]->setText(text);
        return int(ok ? QDialog::Accepted : QDialog::Rejected);
    });
}

void Lab13Test::Choose(QMenu* menu, const QString& caption)
{
    for (QAction* item : menu->actions())
        if (item->text() == caption) {
            emit menu->triggered(item);
            return;
        }
    ADD_FAILURE() << "no menu item " << caption.toStdString();
}
