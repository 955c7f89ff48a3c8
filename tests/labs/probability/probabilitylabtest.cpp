#include "probabilitylabtest.h"
#include "labframe/labregistry.h"
#include "labs/probability/paintedcontrols.h"
#include "ui/htmlview.h"
#include <QBuffer>
#include <QPainter>
#include <QPushButton>
#include <QTest>

QColor Lab16Test::DieColour(int value) { return QColor(40 * value, 200, 255 - 40 * value); }

QByteArray Lab16Test::DiceStrip()
{
    QImage strip(180, 30, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (int value = 1; value <= 6; ++value) painter.fillRect(30 * (value - 1) + 2, 2, 26, 26, DieColour(value));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    strip.save(&buffer, "PNG");
    return png;
}

void Lab16Test::SetUp()
{
    ProgramFolderTest::SetUp();
    for (int kind = 1; kind <= 4; ++kind) writeModelPage(kind);
    writeBytes(QStringLiteral("JPG\\Lab16Dice.png"), DiceStrip());
    lab = std::make_unique<probabilitylab::TfmLab16>();
    lab->resize(1200, 860);
    lab->show();
}

void Lab16Test::TearDown()
{
    lab.reset();
    labframe::ReleaseLabs();
    ProgramFolderTest::TearDown();
}

void Lab16Test::writeModelPage(int kind)
{
    writeLines(probabilitylab::ModelPage(kind),
               {QStringLiteral("<html><body><form>"),
                QStringLiteral("<input type=\"text\" name=\"Count\"><input type=\"text\" name=\"CountGet\">"),
                QStringLiteral("<select name=\"Tip1\"><option value=\"будем\">будем</option>"
                               "<option value=\"не будем\">не будем</option></select>"),
                QStringLiteral("<select name=\"Tip2\"><option value=\"все шары между собой\">все</option>"
                               "<option value=\"только их цвета\">цвета</option></select>"),
                QStringLiteral("</form></body></html>")});
}

void Lab16Test::clickOutcome(int row)
{
    const int y = (row - lab->Grid1->topRow()) * (lab->Grid1->rowHeight() + 1) + 5;
    QTest::mouseClick(lab->Grid1->viewport(), Qt::LeftButton, {}, QPoint(10, y));
}

void Lab16Test::confirm(const QStringList& fields)
{
    lab->HTML->SetFormValues(fields);
    QTest::mouseClick(lab->btOK, Qt::LeftButton);
}
