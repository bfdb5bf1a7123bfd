#pragma once

#include <QObject>

class QMdiArea;
class QMdiSubWindow;

namespace Quillwright {

class Frame;

// The Window menu's arrangements of the frame's windows.
class WindowCommands : public QObject {
    Q_OBJECT
public:
    explicit WindowCommands(Frame& frame);

    // A child larger than the area would leave the area scrolled sideways:
    // it is made to fit once the frame shows.
    static void fitIntoArea(const QMdiArea& area, QMdiSubWindow* sub);

public slots:
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();

private:
    Frame& m_frame;
};

} // namespace Quillwright
