#include "core/frame/CommandLine.h"
#include "core/recovery/JournalStore.h"
#include "core/script/ModFormat.h"
#include "core/settings/SettingsStore.h"
#include "ui/checker/CheckerForum.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/SessionCommands.h"
#include "ui/frame/SplashWindow.h"
#include "ui/frame/TipWindow.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FreedMemory.h"
#include "ui/platform/SessionSignals.h"
#include "ui/platform/Translations.h"

#include <QApplication>
#include <QPointer>
#include <QStandardPaths>
#include <cstdio>
#include <unistd.h>

using namespace Quillwright;

int main(int argc, char** argv)
{
    // --help and --version answer before anything needs a display, so they
    // work over SSH and in scripts.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Request request = CommandLine::parse(arguments);
    if (request.action != CommandLine::Action::Run) {
        // No display is needed, but the translations want an application.
        QCoreApplication console(argc, argv);
        Translations::use(StringTable::currentLanguage());
        const QString out = request.action == CommandLine::Action::Help
                                ? CommandLine::usage()
                                : CommandLine::versionText();
        std::fputs(out.toLocal8Bit().constData(), stdout);
        return 0;
    }

    FreedMemory::configure();
    // The browser engine refuses to start as root with its sandbox on.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // No OpenGL is asked for here: the web browser's engine, which needs a
    // shared context, is loaded with it when its window first opens.
    QApplication app(argc, argv);
    QApplication::setApplicationName(ModFormat::programTitle());
    QApplication::setApplicationVersion(ModFormat::versionNumber());
    Translations::use(StringTable::currentLanguage());

    SettingsStore settings;
    QtDialogService dialogs;
    JournalStore journal(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                         QStringLiteral("/recovery"));
    AppServices services{&settings, &dialogs, QCoreApplication::applicationDirPath(),
                         qEnvironmentVariable("QUILLWRIGHT_WEB_START"), &journal};

    QPointer<SplashWindow> frmSplash = new SplashWindow;
    frmSplash->Form_Load();
    frmSplash->show();
    frmSplash->repaint();
    QApplication::processEvents();

    MainWindow frmMain(services);
    // A log-out or a kill ends the program as File, Exit would, without
    // questions; the journals keep the unsaved work for the next start.
    SessionSignals sessionSignals;
    QObject::connect(&sessionSignals, &SessionSignals::sessionEnding, &frmMain.session(),
                     &SessionCommands::endSession);
    if (!request.forumFolder.isEmpty())
        frmMain.forum().setFolder(request.forumFolder);
    frmMain.MDIForm_Load(request.fileName);
    if (frmSplash)
        frmSplash->close();
    // A SIGTERM during start-up (answered inside a message's own event
    // loop) must not be followed by a main loop that nothing ends.
    if (frmMain.session().sessionEnding())
        return 0;
    frmMain.show();
    frmMain.session().offerRecovery();
    if (frmMain.session().sessionEnding())
        return 0;

    const QString showTips =
        settings.value(SettingsStore::executableName(), QStringLiteral("Options"),
                       QStringLiteral("Show Tips at Startup"), QStringLiteral("1"));
    if (showTips.trimmed().toInt() == 1) {
        auto* frmTip = new TipWindow(&settings, services.programFolder, {}, &frmMain);
        if (frmTip->Form_Load())
            frmTip->show();
    }
    return app.exec();
}
