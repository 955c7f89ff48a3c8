// Formula pictures and the formula tags of pages.
#include "formulas/formula.h"
#include "formulas/view/formulapages.h"
#include "formulas/view/picture.h"
#include "formulas/formulatest.h"
#include "base/paths.h"
#include "support/testsupport.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace formulas;

namespace {

class FormulaPictures : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        SetPictureFontSize(14);
    }
    void TearDown() override
    {
        SetPictureFontSize(14);
        ProgramFolderTest::TearDown();
    }

    static QString Temp(const QString& name) { return base::TempFolder() + name; }
    static QByteArray Bytes(const QString& realPath)
    {
        QFile file(realPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Rows of a picture that carry dark ink all along from x0 to x1.
int FullRow(const QImage& image, int x0, int x1)
{
    for (int y = 0; y < image.height(); ++y) {
        bool full = true;
        for (int x = x0; x <= x1 && full; ++x) full = qGray(image.pixel(x, y)) < 128;
        if (full) return y;
    }
    return -1;
}

} // namespace

TEST_F(FormulaPictures, AxisIsOnThePicturesMiddleWhicheverHalfIsTaller)
{
    for (const char* text : {"[drob[1][drob[1][drob[1][drob[1][2]]]]]", "[drob[drob[drob[drob[1][2]][3]][4]][5]]"}) {
        TFormula formula;
        formula.SetText(QString::fromLatin1(text));
        const QImage picture = Picture(formula, Qt::black, Qt::white);
        const TTerm* fraction = formula.Root()->Child(1);
        EXPECT_EQ(picture.width(), fraction->Width + 6) << text;
        // The outer bar is the one row inked across the whole fraction.
        const int bar = FullRow(picture, 3 + 2, 3 + fraction->Width - 2);
        EXPECT_EQ(bar, picture.height() / 2) << text;
        EXPECT_EQ(picture.height() % 2, 0) << text;
    }
}

TEST_F(FormulaPictures, EmptyFormulaIsASmallBoxWithMargins)
{
    TFormula empty;
    empty.SetText(QString());
    const QImage picture = Picture(empty, Qt::black, Qt::white);
    const int height = empty.Root()->Height;
    EXPECT_EQ(picture.width(), height / 2 + 6);
    EXPECT_EQ(picture.height(), 2 * (height - height / 2) + 6);
    EXPECT_GT(picture.width(), 6);
}

TEST_F(FormulaPictures, LargerPictureFontSizeGivesLargerPicturesWithinBounds)
{
    TFormula formula;
    formula.SetText(QStringLiteral("[drob[sin(x)][cos(x)]]"));
    const QSize normal = Picture(formula, Qt::black, Qt::white).size();
    SetPictureFontSize(24);
    const QSize large = Picture(formula, Qt::black, Qt::white).size();
    EXPECT_GT(large.width(), normal.width() * 3 / 2);
    EXPECT_GT(large.height(), normal.height() * 3 / 2);
    SetPictureFontSize(0);
    EXPECT_EQ(PictureFontSize(), 6);
    SetPictureFontSize(1000);
    EXPECT_EQ(PictureFontSize(), 96);
}

TEST_F(FormulaPictures, GifNamesGiveTransparentGifsOtherNamesBitmaps)
{
    const QColor lilac(239, 226, 252), red(255, 0, 0);
    RenderFormulaGif(QStringLiteral("[x+1]"), Temp(QStringLiteral("a.GiF")), red, lilac);
    RenderFormulaGif(QStringLiteral("[x+1]"), QStringLiteral("answer1.bmp"), red, lilac);

    const QByteArray gif = Bytes(Temp(QStringLiteral("a.GiF")));
    ASSERT_TRUE(gif.startsWith("GIF89a"));
    const QImage read = QImage::fromData(gif, "GIF");
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(qAlpha(read.pixel(0, read.height() - 1)), 0);
    EXPECT_EQ(qAlpha(read.pixel(read.width() - 1, 0)), 0);
    bool redInk = false;
    for (int y = 0; y < read.height(); ++y)
        for (int x = 0; x < read.width(); ++x)
            redInk = redInk || (qAlpha(read.pixel(x, y)) == 255 && qRed(read.pixel(x, y)) > 200 && qGreen(read.pixel(x, y)) < 60);
    EXPECT_TRUE(redInk);

    const QByteArray bmp = Bytes(real(QStringLiteral("answer1.bmp")));
    ASSERT_TRUE(bmp.startsWith("BM"));
    const QImage bitmap = QImage::fromData(bmp, "BMP");
    EXPECT_EQ(bitmap.pixel(0, 0), lilac.rgb());
    EXPECT_EQ(bitmap.size(), read.size());

    // A picture that cannot be written says so.
    TFormula formula;
    EXPECT_FALSE(SaveImage(formula, Temp(QStringLiteral("missing/folder/x.gif")), Qt::black, Qt::white));
}

TEST_F(FormulaPictures, TagsBecomeNumberedPicturesOfTheTemporaryFolder)
{
    QString line = QStringLiteral("Дробь <FORMULA=[drob[1][2]]> и корень <formula=[sqrt[][x]]>.");
    int counter = 0;
    ExpandFormulaTags(line, counter);
    EXPECT_EQ(counter, 2);
    EXPECT_EQ(line, QStringLiteral("Дробь <IMG SRC=\"%1\"> и корень <IMG SRC=\"%2\">.")
                        .arg(Temp(QStringLiteral("1.GIF")), Temp(QStringLiteral("2.GIF"))));
    EXPECT_TRUE(Bytes(Temp(QStringLiteral("1.GIF"))).startsWith("GIF89a"));
    EXPECT_TRUE(Bytes(Temp(QStringLiteral("2.GIF"))).startsWith("GIF89a"));

    // The hint window counts from 1000; a later page overwrites the picture.
    QString hint = QStringLiteral("<FORMULA=[x]>");
    counter = 1000;
    ExpandFormulaTags(hint, counter);
    EXPECT_EQ(hint, QStringLiteral("<IMG SRC=\"%1\">").arg(Temp(QStringLiteral("1001.GIF"))));
    const QByteArray before = Bytes(Temp(QStringLiteral("1.GIF")));
    QString again = QStringLiteral("<FORMULA=[drob[x+1][x-1]]>");
    counter = 0;
    ExpandFormulaTags(again, counter);
    EXPECT_NE(Bytes(Temp(QStringLiteral("1.GIF"))), before);
}

TEST_F(FormulaPictures, UnclosedTagEndsTheExpansionAndEmptyTagGivesTheSmallPicture)
{
    QString line = QStringLiteral("<FORMULA=[x]> и <FORMULA=[y] без конца");
    int counter = 4;
    ExpandFormulaTags(line, counter);
    EXPECT_EQ(counter, 5);
    EXPECT_EQ(line, QStringLiteral("<IMG SRC=\"%1\"> и <FORMULA=[y] без конца").arg(Temp(QStringLiteral("5.GIF"))));

    QString empty = QStringLiteral("<FORMULA=>");
    counter = 0;
    ExpandFormulaTags(empty, counter);
    TFormula blank;
    const QImage expected = Picture(blank, Qt::black, Qt::white);
    const QImage picture = QImage::fromData(Bytes(Temp(QStringLiteral("1.GIF"))), "GIF");
    EXPECT_EQ(picture.size(), expected.size());
    EXPECT_NE(picture.size(), QSize(16, 20));

    // A temporary folder removed meanwhile is made again.
    QDir(base::TempFolder()).removeRecursively();
    QString again = QStringLiteral("<FORMULA=[x]>");
    counter = 0;
    ExpandFormulaTags(again, counter);
    EXPECT_TRUE(Bytes(Temp(QStringLiteral("1.GIF"))).startsWith("GIF89a"));

    QString plain = QStringLiteral("Без формул > и <IMG>");
    counter = 0;
    ExpandFormulaTags(plain, counter);
    EXPECT_EQ(plain, QStringLiteral("Без формул > и <IMG>"));
    EXPECT_EQ(counter, 0);
}
