// The sound player without a sound device: every operation is silent and harmless.
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "ui/music.h"
#include <QSignalSpy>

namespace {

class MusicTest : public ProgramFolderTest {};

TEST_F(MusicTest, WithoutDeviceOrFilesEveryOperationIsQuietAndRemembered)
{
    if (ui::TffMusic::instance().HasDevice()) GTEST_SKIP() << "a sound device is present";
    FakeDialogs dialogs;
    ui::TffMusic& music = ui::TffMusic::instance();
    QSignalSpy requested(&music, &ui::TffMusic::soundRequested);

    music.StartIntro();
    EXPECT_EQ(music.CurrentSound(), QStringLiteral("WAV\\Zast.wav"));
    writeBytes(QStringLiteral("WAV\\right.wav"), QByteArray("RIFF-not-really-a-wave"));
    ui::PlaySound(QStringLiteral("WAV\\right.wav"));
    EXPECT_EQ(music.CurrentSound(), QStringLiteral("WAV\\right.wav"));
    ui::PlayClick();
    ui::PlayKey();
    ui::StopSound();
    EXPECT_TRUE(music.CurrentSound().isEmpty());

    QStringList files;
    for (const QList<QVariant>& call : requested) files.append(call.first().toString());
    EXPECT_EQ(files, (QStringList{QStringLiteral("WAV\\Zast.wav"), QStringLiteral("WAV\\right.wav"),
                                  QStringLiteral("WAV\\1.wav"), QStringLiteral("WAV\\2.wav")}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
