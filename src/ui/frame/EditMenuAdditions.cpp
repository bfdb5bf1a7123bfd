#include "ui/frame/EditMenuAdditions.h"

#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentWindow.h"
#include "ui/find/FindBar.h"
#include "ui/find/GoToLineBar.h"
#include "ui/frame/Frame.h"

#include <QAction>
#include <QMenu>

namespace Quillwright {

EditMenuAdditions::EditMenuAdditions(Frame& frame, QMenu& editMenu)
    : QObject(frame.widget()), m_frame(frame)
{
    auto* bar = editMenu.addSeparator();
    bar->setObjectName(QStringLiteral("mnuEditBar1"));
    m_redo = add(
        editMenu, "mnuEditRedo", tr("&Redo"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, true);
    const auto onDocument = [this](auto act) {
        return [this, act] {
            if (DocumentWindow* doc = m_frame.activeDocument())
                act(*doc);
        };
    };
    connect(m_redo, &QAction::triggered, this,
            onDocument([](DocumentWindow& doc) { doc.model().redo(); }));
    QAction* find = add(editMenu, "mnuEditFind", tr("&Find..."), {QKeySequence::Find}, false);
    connect(find, &QAction::triggered, this,
            onDocument([](DocumentWindow& doc) { doc.findBar()->open(FindBar::Mode::Find); }));
    QAction* replace = add(editMenu, "mnuEditReplace", tr("R&eplace..."),
                           {QKeySequence(Qt::CTRL | Qt::Key_H)}, false);
    connect(replace, &QAction::triggered, this,
            onDocument([](DocumentWindow& doc) { doc.findBar()->open(FindBar::Mode::Replace); }));
    QAction* line = add(editMenu, "mnuEditGoToLine", tr("&Go to Line..."),
                        {QKeySequence(Qt::CTRL | Qt::Key_G)}, false);
    connect(line, &QAction::triggered, this,
            onDocument([](DocumentWindow& doc) { doc.goToLineBar()->open(); }));
    QAction* next =
        add(editMenu, "mnuEditNextProblem", tr("&Next Problem"), {QKeySequence(Qt::Key_F8)}, false);
    connect(next, &QAction::triggered, this,
            onDocument([](DocumentWindow& doc) { doc.checks().goToFinding(1); }));
    QAction* previous = add(editMenu, "mnuEditPreviousProblem", tr("Pre&vious Problem"),
                            {QKeySequence(Qt::SHIFT | Qt::Key_F8)}, false);
    connect(previous, &QAction::triggered, this,
            onDocument([](DocumentWindow& doc) { doc.checks().goToFinding(-1); }));
    m_documentEntries = {find, replace, line, next, previous};
}

QAction* EditMenuAdditions::add(QMenu& menu, const char* name, const QString& caption,
                                const QList<QKeySequence>& keys, bool ownKeys)
{
    auto* a = new QAction(caption, &menu);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcuts(keys);
    // A key the document window answers is shown here, never taken: the
    // menu's own widget is the only place where it would act.
    if (!ownKeys)
        a->setShortcutContext(Qt::WidgetShortcut);
    menu.addAction(a);
    return a;
}

void EditMenuAdditions::update()
{
    DocumentWindow* doc = m_frame.activeDocument();
    m_redo->setEnabled(doc && doc->model().canRedo());
    for (QAction* a : m_documentEntries)
        a->setEnabled(doc != nullptr);
}

} // namespace Quillwright
