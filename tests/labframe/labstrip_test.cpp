#include "labframe/tfmlab.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>

namespace {

class LabStripTest : public ProgramFolderTest {};

TEST_F(LabStripTest, AWideTopPictureDoesNotWidenTheWindow)
{
    QDir().mkpath(real("JPG"));
    QImage strip(1920, 117, QImage::Format_RGB32);
    strip.fill(Qt::darkBlue);
    ASSERT_TRUE(strip.save(real("JPG\\LabTop.JPG"), "JPG"));
    FakeDialogs dialogs;
    labframe::TfmLab lab(3);
    lab.setGeometry(10, 10, 800, 576);
    lab.show();
    QCoreApplication::processEvents(); // the layout settles
    ASSERT_EQ(lab.imTop->pixmap().width(), 1920);
    EXPECT_EQ(lab.width(), 800);
    EXPECT_LT(lab.minimumSizeHint().width(), 800);
}

} // namespace
