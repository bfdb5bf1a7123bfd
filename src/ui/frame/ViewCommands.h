#pragma once

#include <QObject>

namespace Quillwright {

class Frame;

// The View menu and Tools, Options: the bars shown, the options dialog, the
// web browser in a window of the frame.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    explicit ViewCommands(Frame& frame);

signals:
    void toolbarShown(bool shown);
    // View, Options and Tools, Options: the options dialog.
    void optionsRequested();

public slots:
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewRefresh_Click();
    void mnuViewOptions_Click();
    void mnuViewWebBrowser_Click();
    void mnuToolsOptions_Click();

private:
    Frame& m_frame;
};

} // namespace Quillwright
