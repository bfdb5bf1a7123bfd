#include "ui/platform/DialogService.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

DialogService::~DialogService() = default;

DialogService::Button QtDialogService::ask(QWidget* parent, const QString& title,
                                           const QString& text, Buttons buttons, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
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

QString QtDialogService::openFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& startName)
{
    return QFileDialog::getOpenFileName(parent, title, startName, filter);
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
    dialog.setWindowTitle(QStringLiteral("Print"));
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
    dialog.setWindowTitle(QStringLiteral("Page Setup"));
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
