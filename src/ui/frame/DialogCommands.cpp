// The main window's own dialogs and its Help menu.
#include "ui/frame/DialogCommands.h"

#include "ui/frame/CommandRoutes.h"

#include "core/script/ModFormat.h"
#include "ui/dialogs/AuthorDialog.h"
#include "ui/dialogs/CommandsWindow.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/DialogService.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace Quillwright {

namespace {
// Modal without a nested event loop, so commands return at once.
void showModal(QDialog* dialog)
{
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
} // namespace

DialogCommands::DialogCommands(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    routeCommands(frame, this,
                  {{Command::HelpContents, &DialogCommands::mnuHelpContents_Click},
                   {Command::HelpSearchForHelpOn, &DialogCommands::mnuHelpSearchForHelpOn_Click},
                   {Command::HelpAbout, &DialogCommands::mnuHelpAbout_Click}});
}

PropertiesDialog* DialogCommands::loadProperties()
{
    DocumentWindow* doc = m_frame.activeDocument();
    m_properties = new PropertiesDialog(doc ? &doc->control() : nullptr, m_frame.widget());
    connect(m_properties, &PropertiesDialog::authorDetailsRequested, this,
            [this](QLineEdit* field) { showAuthorDetails(field); });
    return m_properties;
}

PropertiesDialog* DialogCommands::propertiesDialog() const
{
    return m_properties;
}

CommandsWindow* DialogCommands::actionBuilder() const
{
    return m_commands;
}

PropertiesDialog* DialogCommands::showProperties()
{
    PropertiesDialog* dialog = loadProperties();
    showModal(dialog);
    return dialog;
}

AuthorDialog* DialogCommands::showAuthorDetails(QLineEdit* authorField)
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

CommandsWindow* DialogCommands::showActionBuilder()
{
    if (m_commands)
        return m_commands; // already open: nothing more
    m_commands = new CommandsWindow(m_frame.widget());
    connect(m_commands, &CommandsWindow::addBlock, this, &DialogCommands::appendActionBlock);
    m_commands->Form_Load();
    return m_commands;
}

void DialogCommands::appendActionBlock(const QString& block)
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc) {
        m_frame.showStatus(tr("No script is open: open or create one to add the action to."));
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

OptionsDialog* DialogCommands::showOptions()
{
    DocumentWindow* doc = m_frame.activeDocument();
    auto* dialog = new OptionsDialog(m_frame.services().settings, doc ? &doc->control() : nullptr,
                                     m_frame.widget());
    showModal(dialog);
    return dialog;
}

void DialogCommands::mnuHelpContents_Click()
{
    // What to do and the keys to do it with, in a message a screen reader
    // reads whole; the manual page says the rest.
    m_frame.services().dialogs->message(
        m_frame.widget(), m_frame.widget()->windowTitle(),
        tr("Quillwright writes phpBB2 MOD scripts and checks them as you type.\n\n"
           "File, Properties fills in the header; the action builder (Ctrl+Shift+A) adds "
           "actions at the end of the script; Tools, Preview Installation (F9) shows what the "
           "script changes in a forum's files, and Install into Folder writes a copy of the "
           "forum with the changes.\n\n"
           "Keys: Ctrl+F finds, Ctrl+H replaces, Ctrl+G goes to a line; F8 and Shift+F8 go to "
           "the next and the previous problem the checker found; F6 and Shift+F6 go from the "
           "script to its find bar, its outline, the Problems list and the status bar's "
           "buttons; Shift+F10 or the Menu key opens a context menu; Esc closes a bar or a "
           "dialog.\n\n"
           "The README and the manual page (man quillwright) say more."),
        DialogService::Icon::Information);
}

void DialogCommands::mnuHelpSearchForHelpOn_Click()
{
    mnuHelpContents_Click();
}

void DialogCommands::mnuHelpAbout_Click()
{
    m_frame.services().dialogs->message(m_frame.widget(), ModFormat::programTitle(),
                                        ModFormat::versionLine());
}

} // namespace Quillwright
