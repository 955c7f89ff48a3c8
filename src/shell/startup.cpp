#include "shell/startup.h"
#include "labframe/labregistry.h"
#include "base/appstate.h"
#include "base/paths.h"
#include "base/random.h"
#include "shell/helpwindows.h"
#include "shell/messagepopup.h"
#include "shell/labs.h"
#include "shell/loginwindow.h"
#include "shell/mainwindow.h"
#include "shell/startmode.h"
#include "shell/startupprobe.h"
#include "shell/warmup.h"
#include "shell/workspace.h"
#include "ui/cursors.h"
#include "ui/fullsizewindow.h"
#include "ui/htmlscheme.h"
#include "shell/windowcalls.h"
#include "ui/music.h"
#include "users/regwindow.h"
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <unistd.h>

namespace shell {
namespace {
const QStringList kFonts = {QStringLiteral("Arialn.ttf"), QStringLiteral("Arialnb.ttf"),
                            QStringLiteral("Arialni.ttf"), QStringLiteral("Arialnbi.ttf"),
                            QStringLiteral("Tahoma.ttf")};

QString UserTag() { return QString::number(getuid()); }

// ORINDO_STARTUP_PROBE: used only by the start-up benchmark. The intro is
// skipped, and once the login panel is usable the process says "ready" on
// standard output and ends.
void AttachStartupProbe(TfmZast& login)
{
    if (!qEnvironmentVariableIsSet("ORINDO_STARTUP_PROBE")) return;
    QObject::connect(&login, &TfmZast::panelShown, &login, [] {
        QTimer::singleShot(0, [] {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
    login.SkipIntro();
}

} // namespace

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    m_lock.setStaleLockTime(0); // a lock is stale only when its process is gone
    m_acquired = m_lock.tryLock(0);
}

QString InstanceLockPath() { return QDir::tempPath() + QStringLiteral("/orindo-") + UserTag() + QStringLiteral(".lock"); }

QString ProgramTempFolder()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/orindo-") + UserTag() + u'/';
    QDir().mkpath(folder);
    return folder;
}

QList<int> RegisterFonts()
{
    QList<int> ids;
    for (const QString& name : kFonts) {
        const QString file = QStringLiteral("FONTS\\") + name;
        if (!base::FileExists(file)) continue;
        const int id = QFontDatabase::addApplicationFont(base::RealPath(file));
        if (id >= 0) ids.append(id);
    }
    return ids;
}

void RemoveFonts(const QList<int>& ids)
{
    for (const int id : ids) QFontDatabase::removeApplicationFont(id);
}

void SetGlobalFormats()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    std::setlocale(LC_NUMERIC, "C");
}

std::unique_ptr<QTranslator> InstallQtTranslations()
{
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        return nullptr;
    if (!QCoreApplication::installTranslator(translator.get())) return nullptr;
    return translator;
}

void RegisterCursors()
{
    for (int number = base::kFirstNumberedCursor; number <= base::kLastNumberedCursor; ++number) ui::NumberedCursor(number);
}

void ReadCommandLine(const QStringList& arguments)
{
    base::App().startMode = arguments.value(1);
    base::App().startPath = arguments.value(2);
}

int RunProgram(int argc, char** argv)
{
    const SingleInstance instance(InstanceLockPath());
    if (!instance.acquired()) return 0;

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    ui::RegisterHtmlSchemes(); // before the application object, as the web engine requires
    QApplication app(argc, argv);
    // The login window ends the program; hiding or closing the others does not.
    QApplication::setQuitOnLastWindowClosed(false);
    const std::unique_ptr<QTranslator> qtTexts = InstallQtTranslations();
    base::Randomize();
    base::SetProgramFolder(QCoreApplication::applicationDirPath());
    base::SetTempFolder(ProgramTempFolder());
    const QList<int> fonts = RegisterFonts();
    RegisterCursors();
    RegisterLabs();
    ReadCommandLine(QCoreApplication::arguments());

    TfmZast login;
    workspace().fmZast = &login;
    ui::TffMusic::instance().StartIntro();
    users::TffReg reg;
    workspace().ffReg = &reg;
    login.setRegisterWindow(&reg);
    login.setStartModeHandler([] { RunStartMode(); });
    SetGlobalFormats();

    // The quit question of a full-size window reaches the login window from now on.
    InstallWindowCalls();
    QObject::connect(&login, &TfmZast::closed, &app, [&fonts] {
        ui::FullSizeWindow::SetQuitting(true);
        ui::StopSound();
        RemoveFonts(fonts);
        QCoreApplication::quit();
    });
    QObject::connect(&login, &TfmZast::panelShown, &login, [&login] {
        // Once the panel has been painted.
        QTimer::singleShot(100, &login, [&login] { WarmUpHtmlEngine(&login); });
    });
    login.show();
    AttachStartupProbe(login);
    AttachLoginProbe(login);
    const int code = QApplication::exec();

    ReleaseHelpWindows();
    delete workspace().fmMain;
    labframe::ReleaseLabs();
    workspace() = {};
    return code;
}

} // namespace shell
