#include "ui/dialogs/CommandsWindow.h"

#include "core/script/ModFormat.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Icons.h"
#include "ui/platform/LoadCaptions.h"
#include "ui/platform/SetTopmost.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

namespace Quillwright {

CommandsWindow::CommandsWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint),
      m_keywords(new QListWidget(this)), m_text(new QPlainTextEdit(this)),
      m_files(new QListWidget(this)), m_tabs(new QTabBar(this))
{
    setObjectName(QStringLiteral("commands"));
    setWindowTitle(tr("action builder"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(windowTitle());

    m_keywords->setObjectName(QStringLiteral("List1"));
    m_keywords->setAccessibleName(tr("Keywords"));
    m_keywords->addItems(ModFormat::builderKeywords());
    m_text->setObjectName(QStringLiteral("cmdtxt"));
    m_text->setAccessibleName(tr("Text of the action"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTabChangesFocus(true); // a tool window: Tab moves on, pasted code keeps its tabs
    m_files->setObjectName(QStringLiteral("cmdlist"));
    m_files->setAccessibleName(tr("Files of the forum"));
    m_files->addItems(ActionBuilder::phpbbFiles());
    m_files->hide();
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    Accessibility::nameTabBar(m_tabs, tr("Kind of content"));
    m_tabs->addTab(Icons::byName(QStringLiteral("new")), QStringLiteral("TEXT"));
    m_tabs->addTab(Icons::byName(QStringLiteral("find")), QStringLiteral("LIST"));
    for (int i = 0; i < 2; ++i)
        m_tabs->setTabData(i, QVariantMap{{QStringLiteral("key"), m_tabs->tabText(i)}});
    // Tooltips are string-table ids until the caption loader runs.
    m_tabs->setTabToolTip(0, QStringLiteral("1069"));
    m_tabs->setTabToolTip(1, QStringLiteral("1070"));
    // Shown from the start, so that Tab finds it before a keyword is chosen.
    m_tabs->setCurrentIndex(0);
    auto* empty = new QPushButton(tr("empty box"), this);
    empty->setObjectName(QStringLiteral("Command1"));
    auto* add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("OKButton"));
    add->setDefault(true); // Return adds, wherever the focus is but in the text

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_keywords, 0, 0, 4, 1);
    grid->addWidget(m_tabs, 0, 1, 1, 2);
    grid->addWidget(m_text, 1, 1, 1, 2);
    grid->addWidget(m_files, 1, 1, 1, 2);
    grid->addWidget(empty, 2, 1);
    grid->addWidget(add, 2, 2);
    grid->setColumnStretch(1, 1);
    m_keywords->setFixedWidth(170);
    m_text->setMinimumSize(280, 220);
    m_files->setMinimumSize(280, 220);
    grid->setSizeConstraint(QLayout::SetFixedSize); // not resizable

    setTabOrder(m_keywords, m_tabs);
    setTabOrder(m_tabs, m_text);
    setTabOrder(m_text, m_files);
    setTabOrder(m_files, empty);
    setTabOrder(empty, add);

    // The highlighted keyword counts, not the current row: the list makes its
    // first row current, unhighlighted, when it takes the focus.
    connect(m_keywords, &QListWidget::itemSelectionChanged, this, &CommandsWindow::List1_Click);
    connect(m_tabs, &QTabBar::currentChanged, this, &CommandsWindow::TabStrip1_Click);
    connect(empty, &QPushButton::clicked, this, &CommandsWindow::Command1_Click);
    connect(add, &QPushButton::clicked, this, &CommandsWindow::OKButton_Click);
}

void CommandsWindow::Form_Load()
{
    LoadCaptions(this);
    show();
    SetTopmost(this, true);
    // Keys meant for the builder must never go into the script.
    raise();
    activateWindow();
    m_keywords->setFocus(Qt::ActiveWindowFocusReason);
}

bool CommandsWindow::listTabSelected() const
{
    return m_tabs->tabText(m_tabs->currentIndex()) == u"LIST";
}

ActionBuilder::View CommandsWindow::view() const
{
    return {m_tabs->isVisibleTo(this), m_files->isVisibleTo(this), m_text->isVisibleTo(this),
            m_text->isReadOnly(), m_text->toPlainText()};
}

void CommandsWindow::apply(const ActionBuilder::View& v)
{
    m_tabs->setVisible(v.tabsVisible);
    m_files->setVisible(v.listVisible);
    m_text->setVisible(v.textVisible);
    m_text->setReadOnly(v.textLocked);
    if (m_text->toPlainText() != v.text)
        m_text->setPlainText(v.text);
}

QString CommandsWindow::keyword() const
{
    const QList<QListWidgetItem*> chosen = m_keywords->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

void CommandsWindow::List1_Click()
{
    apply(ActionBuilder::keywordChosen(view(), keyword(), listTabSelected()));
}

void CommandsWindow::TabStrip1_Click()
{
    apply(ActionBuilder::tabChosen(view(), listTabSelected()));
}

void CommandsWindow::Command1_Click()
{
    m_text->clear();
}

void CommandsWindow::OKButton_Click()
{
    QString value;
    if (m_files->isVisibleTo(this)) {
        if (const QListWidgetItem* file = m_files->currentItem())
            value = file->text();
    } else {
        value = m_text->toPlainText();
    }
    emit addBlock(ActionBuilder::buildBlock(keyword(), value));
}

void CommandsWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes the builder, as it closes a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    // Return is Add, the default, as in a dialog; on another button it is
    // that button. The text takes its own Returns: code has lines.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            OKButton_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace Quillwright
