#pragma once

#include "ui/platform/DialogService.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace Quillwright {

// A dialog service whose answers the test writes in advance. Every question
// is recorded; a question with no answer left counts as unexpected and is
// answered Cancel, so a test never blocks.
class ScriptedDialogs : public DialogService {
public:
    struct Question {
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
        std::optional<Button> defaultButton;
        QStringList ownButtons; // of a choice
        int defaultChoice = -1;
        QStringList items; // of a choice from a list
        int currentItem = -1;
    };
    QList<Question> questions;
    QList<Button> answers;
    QList<int> choices;     // answers of the questions with buttons of their own
    QList<int> itemChoices; // answers of the choices from a list
    // Answers before the scripted ones when it has an answer of its own.
    std::function<std::optional<Button>(const Question&)> responder;
    QStringList fileNames; // answers of the file dialogs, in order
    QStringList fileDialogTitles;
    QStringList fileDialogFilters;
    QStringList fileDialogStartNames;
    bool printAccepted = true;
    int printCalls = 0;
    bool lastPrintSelectionOnly = false;
    int unexpected = 0;

    Button ask(QWidget*, const QString& title, const QString& text, Buttons buttons, Icon icon,
               std::optional<Button> defaultButton = std::nullopt) override
    {
        questions.append({title, text, buttons, icon, defaultButton, {}, -1, {}, -1});
        // A responder sees messages too: what is on disk as one shows, say.
        if (responder)
            if (const std::optional<Button> b = responder(questions.last()))
                return *b;
        if (buttons == Buttons::Ok)
            return Button::Ok;
        if (answers.isEmpty()) {
            ++unexpected;
            return Button::Cancel;
        }
        return answers.takeFirst();
    }
    int choose(QWidget*, const QString& title, const QString& text, const QStringList& buttons,
               int defaultButton, Icon icon) override
    {
        questions.append(
            {title, text, Buttons::Ok, icon, std::nullopt, buttons, defaultButton, {}, -1});
        if (choices.isEmpty()) {
            ++unexpected;
            return -1;
        }
        return choices.takeFirst();
    }
    int chooseItem(QWidget*, const QString& title, const QString& text, const QStringList& items,
                   int current) override
    {
        questions.append(
            {title, text, Buttons::OkCancel, Icon::None, std::nullopt, {}, -1, items, current});
        if (itemChoices.isEmpty()) {
            ++unexpected;
            return -1;
        }
        return itemChoices.takeFirst();
    }
    QString openFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& start) override
    {
        return nextFile(title, filter, start);
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& start) override
    {
        return nextFile(title, filter, start);
    }
    QString folderName(QWidget*, const QString& title, const QString& start) override
    {
        return nextFile(title, QString(), start);
    }
    QString newFolderName(QWidget*, const QString& title, const QString& start) override
    {
        return nextFile(title, QString(), start);
    }
    bool print(QWidget*, QPrinter*, bool selectionOnly) override
    {
        ++printCalls;
        lastPrintSelectionOnly = selectionOnly;
        return printAccepted;
    }
    bool pageSetup(QWidget*, QPrinter*) override { return true; }

    QString lastText() const { return questions.isEmpty() ? QString() : questions.last().text; }

private:
    QString nextFile(const QString& title, const QString& filter, const QString& start)
    {
        fileDialogTitles << title;
        fileDialogFilters << filter;
        fileDialogStartNames << start;
        if (fileNames.isEmpty()) {
            ++unexpected;
            return QString();
        }
        return fileNames.takeFirst();
    }
};

} // namespace Quillwright
