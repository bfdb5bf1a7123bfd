#pragma once

#include <QObject>
#include <QPointer>

class QLineEdit;

namespace Quillwright {

class AuthorDialog;
class CommandsWindow;
class Frame;
class OptionsDialog;
class PropertiesDialog;

// The main window's own dialogs for the active script (header properties,
// author details, options, the action builder) and the Help menu.
class DialogCommands : public QObject {
    Q_OBJECT
public:
    explicit DialogCommands(Frame& frame);

    // The header dialog for the active script, shown modal.
    PropertiesDialog* showProperties();
    // The author dialog for an author field; without one, for the field of
    // the open header dialog, or of a header dialog loaded for the active
    // script and shown beside it.
    AuthorDialog* showAuthorDetails(QLineEdit* authorField = nullptr);
    PropertiesDialog* propertiesDialog() const;
    // The action builder: opened once, kept above all windows.
    CommandsWindow* showActionBuilder();
    CommandsWindow* actionBuilder() const;
    // Appends an action block to the very end of the active script.
    void appendActionBlock(const QString& block);
    OptionsDialog* showOptions();

public slots:
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();

private:
    // The header dialog, loaded (its boxes read) for the active script.
    PropertiesDialog* loadProperties();

    Frame& m_frame;
    QPointer<PropertiesDialog> m_properties;
    QPointer<CommandsWindow> m_commands;
};

} // namespace Quillwright
