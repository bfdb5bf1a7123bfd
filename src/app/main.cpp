#include "app/MainWindow.h"
#include "app/SplashWindow.h"
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillwright"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.67"));

    SettingsStore settings;
    QtDialogService dialogs;
    AppServices services{&settings, &dialogs, QCoreApplication::applicationDirPath()};

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
    return app.exec();
}
