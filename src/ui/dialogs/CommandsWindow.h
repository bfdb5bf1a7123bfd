#pragma once

#include "core/script/ActionBuilder.h"

#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

namespace Quillwright {

// commands: the action builder, a small tool window that stays above all
// others and appends action blocks to the active script.
class CommandsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CommandsWindow(QWidget* parent = nullptr);

    void Form_Load();
    void List1_Click();
    void TabStrip1_Click();
    void Command1_Click();
    void OKButton_Click();

    // List1: the keywords, under their documented name (List1_Click: one chosen).
    QListWidget* List1() const { return m_keywords; }
    QPlainTextEdit* cmdtxt() const { return m_text; }
    QListWidget* cmdlist() const { return m_files; }
    QTabBar* TabStrip1() const { return m_tabs; }

signals:
    // The block to append to the very end of the active script.
    void addBlock(const QString& block);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool listTabSelected() const;
    QString keyword() const; // the highlighted one, or none
    void apply(const ActionBuilder::View& view);
    ActionBuilder::View view() const;

    QListWidget* m_keywords;
    QPlainTextEdit* m_text;
    QListWidget* m_files;
    QTabBar* m_tabs;
};

} // namespace Quillwright
