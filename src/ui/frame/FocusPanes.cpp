#include "ui/frame/FocusPanes.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace Quillwright {

FocusPanes::FocusPanes(QWidget* window, PaneList panes)
    : QObject(window), m_window(window), m_panes(std::move(panes))
{
    // The window's shortcuts reach its floating docks too.
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::Key_F6), 1},
                                                 {QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}};
    for (const auto& [key, direction] : keys) {
        auto* s = new QShortcut(key, window);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this, d = direction] { step(d); });
    }
}

void FocusPanes::step(int direction)
{
    const std::vector<Pane> panes = m_panes();
    if (panes.empty())
        return;
    const int count = int(panes.size());
    const QWidget* focus = QApplication::focusWidget();
    int current = -1;
    for (int i = 0; i < count && focus; ++i)
        if (panes[size_t(i)].area == focus || panes[size_t(i)].area->isAncestorOf(focus))
            current = i;
    // From outside every pane (the toolbar, a menu just closed), forward
    // starts at the script and back at the last pane.
    const int next = current < 0 ? (direction > 0 ? 0 : count - 1)
                                 : ((current + direction) % count + count) % count;
    QWidget* target = panes[size_t(next)].target;
    if (target->window() != QApplication::activeWindow())
        target->window()->activateWindow(); // a floating Problems list
    target->setFocus(Qt::ShortcutFocusReason);
}

} // namespace Quillwright
