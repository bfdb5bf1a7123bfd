#include "ui/frame/WindowList.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace Quillwright {

WindowList::WindowList(QMdiArea& area, QMenu& windowMenu)
    : QObject(&windowMenu), m_area(area), m_menu(windowMenu), m_group(new QActionGroup(this))
{
    m_group->setExclusive(true);
    // Made when the menu opens and when windows come, go or take turns, not
    // at every update of the menus (a check of the script is one).
    connect(&m_menu, &QMenu::aboutToShow, this, &WindowList::rebuild);
    connect(&m_area, &QMdiArea::subWindowActivated, this, &WindowList::rebuild);
    rebuild();
}

void WindowList::rebuild()
{
    for (QAction* a : m_menu.actions())
        if (a->property("windowListEntry").toBool())
            delete a;
    const QList<QMdiSubWindow*> windows = m_area.subWindowList();
    if (windows.isEmpty())
        return;
    auto* bar = m_menu.addSeparator();
    bar->setObjectName(QStringLiteral("mnuWindowBar1"));
    bar->setProperty("windowListEntry", true);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QString title = QDir::toNativeSeparators(sub->widget() ? sub->widget()->windowTitle()
                                                               : sub->windowTitle());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // The first nine take their digit as an accelerator.
        const QString caption = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title)
                                      : QStringLiteral("%1 %2").arg(i + 1).arg(title);
        auto* a = m_menu.addAction(caption);
        a->setObjectName(QStringLiteral("mnuWindowList%1").arg(i + 1));
        a->setProperty("windowListEntry", true);
        a->setCheckable(true);
        a->setChecked(sub == m_area.activeSubWindow());
        m_group->addAction(a);
        connect(a, &QAction::triggered, &m_area, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                m_area.setActiveSubWindow(sub);
        });
    }
}

} // namespace Quillwright
