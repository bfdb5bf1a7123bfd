// The main window's own dialogs: header properties and author details.
#include "MainWindow.h"

#include "aids/AuthorDialog.h"
#include "document/DocumentWindow.h"
#include "header/PropertiesDialog.h"
#include "platform/QtRichTextControl.h"

#include <QLineEdit>

namespace {
// Modal without a nested event loop, so commands return at once.
void showModal(QDialog* dialog)
{
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}
} // namespace

PropertiesDialog* MainWindow::showProperties()
{
    DocumentWindow* doc = activeDocument();
    auto* dialog = new PropertiesDialog(doc ? &doc->control() : nullptr, this);
    connect(dialog, &PropertiesDialog::authorDetailsRequested, this,
            [this](QLineEdit* field) { showAuthorDetails(field); });
    m_properties = dialog;
    showModal(dialog);
    return dialog;
}

AuthorDialog* MainWindow::showAuthorDetails(QLineEdit* authorField)
{
    if (!authorField) {
        if (!m_properties) {
            DocumentWindow* doc = activeDocument();
            m_properties = new PropertiesDialog(doc ? &doc->control() : nullptr, this);
            connect(m_properties, &PropertiesDialog::authorDetailsRequested, this,
                    [this](QLineEdit* field) { showAuthorDetails(field); });
            m_properties->show(); // beside the author dialog, not modal
        }
        authorField = m_properties->mod_author();
    }
    auto* dialog = new AuthorDialog(authorField, authorField->window());
    showModal(dialog);
    return dialog;
}

PropertiesDialog* MainWindow::propertiesDialog() const { return m_properties; }
