// The main window's own dialogs: header properties and author details.
#include "ui/windows/MainWindow.h"

#include "ui/dialogs/AuthorDialog.h"
#include "ui/dialogs/CommandsWindow.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/Accessibility.h"
#include "ui/windows/DocumentWindow.h"

#include <QLabel>
#include <QLineEdit>

namespace {
// Modal without a nested event loop, so commands return at once.
void showModal(QDialog* dialog)
{
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
} // namespace

PropertiesDialog* MainWindow::loadProperties()
{
    DocumentWindow* doc = activeDocument();
    m_properties = new PropertiesDialog(doc ? &doc->control() : nullptr, this);
    connect(m_properties, &PropertiesDialog::authorDetailsRequested, this,
            [this](QLineEdit* field) { showAuthorDetails(field); });
    return m_properties;
}

PropertiesDialog* MainWindow::showProperties()
{
    PropertiesDialog* dialog = loadProperties();
    showModal(dialog);
    return dialog;
}

AuthorDialog* MainWindow::showAuthorDetails(QLineEdit* authorField)
{
    if (!authorField) {
        if (!m_properties)
            loadProperties()->show(); // beside the author dialog, not modal
        authorField = m_properties->mod_author();
    }
    auto* dialog = new AuthorDialog(authorField, authorField->window());
    showModal(dialog);
    return dialog;
}

PropertiesDialog* MainWindow::propertiesDialog() const
{
    return m_properties;
}

CommandsWindow* MainWindow::showActionBuilder()
{
    if (m_commands)
        return m_commands; // already open: nothing more
    m_commands = new CommandsWindow(this);
    connect(m_commands, &CommandsWindow::addBlock, this, &MainWindow::appendActionBlock);
    m_commands->Form_Load();
    return m_commands;
}

CommandsWindow* MainWindow::actionBuilder() const
{
    return m_commands;
}

void MainWindow::appendActionBlock(const QString& block)
{
    DocumentWindow* doc = activeDocument();
    if (!doc) {
        Accessibility::announce(m_statusPanel,
                                tr("No script is open: open or create one to add the action to."));
        return;
    }
    doc->model().setUpdateBrowserTF(true);
    RichTextControl& c = doc->control();
    // The block starts on a line of its own, whatever the script ends with.
    const QString text = c.text();
    const bool ownLine = text.isEmpty() || text.endsWith(QLatin1Char('\n'));
    const QString added = (ownLine ? QString() : QStringLiteral("\r\n")) + normalizeLineEnds(block);
    if (!c.acceptsReplacement(int(text.size()), 0, added))
        return;
    c.setText(text + added);
}

OptionsDialog* MainWindow::showOptions()
{
    DocumentWindow* doc = activeDocument();
    auto* dialog = new OptionsDialog(m_services.settings, doc ? &doc->control() : nullptr, this);
    showModal(dialog);
    return dialog;
}
