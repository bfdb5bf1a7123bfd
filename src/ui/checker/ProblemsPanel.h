#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QStringList>

class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace Quillwright {

class DocumentWindow;
class Frame;

// The checker's findings of the active script as a list (Tools, Problems):
// severity, line, message and rule, in line order, following the checks as
// they run; Return or a double-click takes the caret to one. It says which
// forum's files the dry run used, and offers to forget it. The kinds of
// problem the user chose not to see are kept here too, in the settings
// store, and offered back from the same menus.
class ProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    ProblemsPanel(Frame& frame, QMenu& toolsMenu);

    QTreeWidget* list() const { return m_list; }
    QAction* toggle() const { return m_toggle; }
    QStringList ignoredRules() const { return m_ignored; }
    void ignoreRule(const QString& rule);
    void reportRuleAgain(const QString& rule);
    // "Don't report this kind of problem" and the kinds to report again.
    void addRuleActions(QMenu& menu, const QString& ruleAtCaret);
    // The active script's findings, again.
    void refresh();
    // Where the list is (its side or its own window, its size) and whether
    // it shows, kept in the settings store from one start to the next.
    void savePlace() const;
    void restorePlace(QMainWindow& window);

private:
    void saveIgnored();
    void goTo(int line, int column);

    Frame& m_frame;
    QAction* m_toggle;
    QLabel* m_forum;
    QPushButton* m_forget;
    QTreeWidget* m_list;
    QStringList m_ignored;
};

} // namespace Quillwright
