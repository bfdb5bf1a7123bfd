#include "ui/platform/DialogService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace Quillwright {

DialogService::~DialogService() = default;

namespace {

QMessageBox::Icon boxIcon(DialogService::Icon icon)
{
    switch (icon) {
    case DialogService::Icon::Information:
        return QMessageBox::Information;
    case DialogService::Icon::Warning:
        return QMessageBox::Warning;
    case DialogService::Icon::Critical:
        return QMessageBox::Critical;
    case DialogService::Icon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton standardButton(DialogService::Button b)
{
    switch (b) {
    case DialogService::Button::Ok:
        return QMessageBox::Ok;
    case DialogService::Button::Yes:
        return QMessageBox::Yes;
    case DialogService::Button::No:
        return QMessageBox::No;
    default:
        return QMessageBox::Cancel;
    }
}

// Messages name files and quote scripts: never read as rich text.
void prepare(QMessageBox& box, const QString& title, const QString& text, DialogService::Icon icon)
{
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(boxIcon(icon));
}

} // namespace

DialogService::Button QtDialogService::ask(QWidget* parent, const QString& title,
                                           const QString& text, Buttons buttons, Icon icon,
                                           std::optional<Button> defaultButton)
{
    QMessageBox box(parent);
    prepare(box, title, text, icon);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (defaultButton)
        box.setDefaultButton(standardButton(*defaultButton));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Button::Ok;
    case QMessageBox::Yes:
        return Button::Yes;
    case QMessageBox::No:
        return Button::No;
    default:
        return Button::Cancel;
    }
}

int QtDialogService::choose(QWidget* parent, const QString& title, const QString& text,
                            const QStringList& buttons, int defaultButton, Icon icon)
{
    QMessageBox box(parent);
    prepare(box, title, text, icon);
    QList<QPushButton*> made;
    for (const QString& label : buttons)
        made << box.addButton(label, QMessageBox::AcceptRole);
    if (defaultButton >= 0 && defaultButton < made.size())
        box.setDefaultButton(made[defaultButton]);
    box.exec();
    return int(made.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

int QtDialogService::chooseItem(QWidget* parent, const QString& title, const QString& text,
                                const QStringList& items, int current)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("chooseItemDialog"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    // A list, all in view: the items are paths, often alike but for a folder.
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    if (current >= 0 && current < items.size())
        dialog.setTextValue(items[current]);
    if (auto* list = dialog.findChild<QListView*>())
        list->setObjectName(QStringLiteral("chooseItemList"));
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return int(items.indexOf(dialog.textValue()));
}

QString QtDialogService::openFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& startName)
{
    return QFileDialog::getOpenFileName(parent, title, startName, filter);
}

QString QtDialogService::folderName(QWidget* parent, const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(parent, title, start);
}

namespace {

// Qt's folder dialog refuses a name that is not there yet ("Directory not
// found"); this one takes a new name typed in a folder that exists.
class NewFolderDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    QString chosen;

    void accept() override
    {
        if (const QStringList names = selectedFiles(); names.size() == 1) {
            const QFileInfo typed(names.front());
            if (!typed.exists() && typed.absoluteDir().exists()) {
                chosen = QDir::cleanPath(typed.absoluteFilePath());
                QDialog::accept();
                return;
            }
        }
        QFileDialog::accept();
        if (result() == QDialog::Accepted)
            chosen = selectedFiles().value(0);
    }
};

} // namespace

QString QtDialogService::newFolderName(QWidget* parent, const QString& title, const QString& start)
{
    NewFolderDialog dialog(parent, title, start);
    dialog.setObjectName(QStringLiteral("newFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // The system's dialog would not let this one take a new name.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.chosen;
}

QString QtDialogService::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& startName)
{
    return QFileDialog::getSaveFileName(parent, title, startName, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtDialogService::print(QWidget* parent, QPrinter* printer, bool selectionOnly)
{
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("DialogService", "Print"));
    QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
    options.setFlag(QAbstractPrintDialog::PrintPageRange, false);
    options.setFlag(QAbstractPrintDialog::PrintSelection, selectionOnly);
    dialog.setOptions(options);
    if (selectionOnly)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogService::pageSetup(QWidget* parent, QPrinter* printer)
{
    QPageSetupDialog dialog(printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("DialogService", "Page Setup"));
    return dialog.exec() == QDialog::Accepted;
}

QString qtFileFilter(const QString& barSeparatedFilter)
{
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace Quillwright
