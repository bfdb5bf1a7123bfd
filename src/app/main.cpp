#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "extras/TipWindow.h"
#include "platform/DialogService.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QPointer>
#include <unistd.h>

int main(int argc, char** argv)
{
    // The browser engine refuses to start as root with its sandbox on.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The web browser window shares OpenGL contexts with the rest of the program.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillwright"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.67"));

    SettingsStore settings;
    QtDialogService dialogs;
    AppServices services{&settings, &dialogs, QCoreApplication::applicationDirPath(),
                         qEnvironmentVariable("QUILLWRIGHT_WEB_START")};

    QPointer<SplashWindow> frmSplash = new SplashWindow;
    frmSplash->Form_Load();
    frmSplash->show();
    frmSplash->repaint();
    QApplication::processEvents();

    MainWindow frmMain(services);
    frmMain.MDIForm_Load(MainWindow::commandLineFileName(QCoreApplication::arguments()));
    if (frmSplash)
        frmSplash->close();
    frmMain.show();

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
