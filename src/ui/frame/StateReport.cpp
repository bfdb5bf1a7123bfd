// The state report: a plain description of what the program shows, for the
// end-to-end journeys that drive it from outside. QUILLWRIGHT_STATE_FILE names
// the file; the report is written when the main window shows, every half
// second while it runs, and as it closes.
#include "ui/frame/StateReport.h"

#include "core/text/StyledText.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/ModEditor.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace Quillwright {

StateReport::StateReport(Frame& frame, const QLabel* statusPanel, const QToolButton* undoButton)
    : QObject(frame.widget()), m_frame(frame), m_statusPanel(statusPanel), m_undoButton(undoButton)
{}

void StateReport::start()
{
    QTimer::singleShot(200, this, &StateReport::write);
    if (!m_timer && qEnvironmentVariableIsSet("QUILLWRIGHT_STATE_FILE")) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &StateReport::write);
        m_timer->start(500);
    }
}

void StateReport::writeLast()
{
    if (m_timer)
        m_timer->stop();
    write();
}

void StateReport::resume()
{
    if (m_timer)
        m_timer->start();
}

void StateReport::write() const
{
    const QString path = qEnvironmentVariable("QUILLWRIGHT_STATE_FILE");
    if (path.isEmpty())
        return;
    QJsonArray menus;
    for (QAction* a : m_frame.widget()->menuBar()->actions())
        menus.append(a->text());
    QJsonArray docs;
    for (DocumentWindow* d : m_frame.documents()) {
        QJsonArray actions;
        for (const ActionOutline::Node& n : d->model().outline().nodes())
            actions.append(n.text);
        // Colour runs, for journeys that check what the colouring did.
        QJsonArray runs;
        const StyledText content = d->control().styledText();
        for (size_t i = 0; i < std::min<size_t>(content.runs.size(), 5000); ++i) {
            const ColorRun& r = content.runs[i];
            runs.append(
                QJsonArray{r.start, r.length,
                           QStringLiteral("#%1").arg(r.color.rgbValue(), 6, 16, QLatin1Char('0'))});
        }
        // Where the action nodes show, for journeys that click them.
        QJsonArray nodes;
        const QModelIndex actionsNode = d->outlineNode(QStringLiteral("actions"));
        const QAbstractItemModel* outline = d->Actionlist()->model();
        for (int i = 0; i < std::min(outline->rowCount(actionsNode), 50); ++i) {
            const QModelIndex node = outline->index(i, 0, actionsNode);
            const QRect r = d->Actionlist()->visualRect(node);
            const QPoint c = d->Actionlist()->viewport()->mapToGlobal(r.center());
            nodes.append(QJsonArray{node.data().toString(), c.x(), c.y(), r.isValid()});
        }
        // Where the script's first line shows, for journeys that point at text.
        const QWidget* view = d->mod_fly()->viewport();
        const QPoint origin = view->mapToGlobal(QPoint(0, 0));
        const QRect first = d->mod_fly()->cursorRect(QTextCursor(d->mod_fly()->document()));
        docs.append(QJsonObject{{"caption", d->caption()},
                                {"font", d->control().fontName()},
                                {"text", d->control().text()},
                                {"actions", actions},
                                {"actionNodes", nodes},
                                {"selStart", d->control().selStart()},
                                {"selLength", d->control().selLength()},
                                {"runs", runs},
                                {"active", d == m_frame.activeDocument()},
                                {"editor", QJsonObject{{"globalX", origin.x() + first.x()},
                                                       {"globalY", origin.y() + first.y()},
                                                       {"lineHeight", first.height()}}}});
    }
    QJsonArray children;
    for (QMdiSubWindow* sub : m_frame.mdiArea()->subWindowList()) {
        const QPoint global = sub->mapToGlobal(QPoint(0, 0));
        children.append(QJsonObject{{"title", sub->windowTitle()},
                                    {"x", sub->x()},
                                    {"y", sub->y()},
                                    {"width", sub->width()},
                                    {"height", sub->height()},
                                    {"globalX", global.x()},
                                    {"globalY", global.y()}});
    }
    QJsonObject report{{"title", m_frame.widget()->windowTitle()},
                       {"menus", menus},
                       {"documents", docs},
                       {"children", children},
                       {"status", m_statusPanel->text()}};
    // Where the keys go: the keys-only journey checks each step lands there.
    if (const QWidget* focus = QApplication::focusWidget())
        report.insert("focus", QJsonObject{{"widget", focus->objectName()},
                                           {"class", focus->metaObject()->className()},
                                           {"window", focus->window()->objectName()}});
    // A menu open from the keyboard: its entries, as a screen reader reads them.
    if (const auto* popup = qobject_cast<const QMenu*>(QApplication::activePopupWidget())) {
        QJsonArray entries;
        for (const QAction* a : popup->actions())
            if (!a->isSeparator())
                entries.append(QString(a->text()).remove(u'&').section(u'\t', 0, 0));
        report.insert("popup", entries);
    }
    if (const QToolButton* undo = m_undoButton; undo && undo->isVisible()) {
        const QRect r(undo->mapToGlobal(QPoint(0, 0)), undo->size());
        report.insert(
            "undoButton",
            QJsonObject{{"x", r.x()}, {"y", r.y()}, {"width", r.width()}, {"height", r.height()}});
    }
    // Whole or not at all: the journeys read it while the program runs.
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(QJsonDocument(report).toJson());
        out.commit();
    }
}

} // namespace Quillwright
