#pragma once

#include <QObject>

class QActionGroup;
class QMdiArea;
class QMenu;

namespace Quillwright {

// The Window menu's list of open windows after a separator, as every
// multiple-document program has it: "&1 path", a check on the active one.
// Made anew each time the menu opens.
class WindowList : public QObject {
    Q_OBJECT
public:
    WindowList(QMdiArea& area, QMenu& windowMenu);

    void rebuild();

private:
    QMdiArea& m_area;
    QMenu& m_menu;
    QActionGroup* m_group;
};

} // namespace Quillwright
