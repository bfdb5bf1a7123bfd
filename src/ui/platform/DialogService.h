#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace Quillwright {

// Every modal question the program asks goes through here, so that tests
// can script the answers and no test ever blocks on a dialog.
class DialogService {
public:
    enum class Button { Ok, Cancel, Yes, No };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Information, Warning, Critical, Question };

    virtual ~DialogService();

    // `defaultButton` is the one Return presses; without it the toolkit's
    // usual choice (the first accepting button).
    virtual Button ask(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                       Icon icon, std::optional<Button> defaultButton = std::nullopt) = 0;
    // A question with buttons of its own: the index of the one chosen, or
    // -1 when the box was closed without a choice.
    virtual int choose(QWidget* parent, const QString& title, const QString& text,
                       const QStringList& buttons, int defaultButton, Icon icon) = 0;
    // One of a list of items (a package's scripts, say), `current` chosen
    // when the list shows: the index of the one chosen, or -1 when the
    // user cancelled.
    virtual int chooseItem(QWidget* parent, const QString& title, const QString& text,
                           const QStringList& items, int current) = 0;
    // The file name chosen, or an empty text when the user cancelled.
    // Filters are in Qt's syntax. The save dialog does not confirm an
    // overwrite itself: the caller decides whether to ask.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& startName) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& startName) = 0;
    // The folder chosen, or an empty text when the user cancelled.
    virtual QString folderName(QWidget* parent, const QString& title, const QString& start) = 0;
    // A folder to write into: an existing one, or the name of a new one
    // typed in a folder that exists (the caller makes it). Empty when the
    // user cancelled.
    virtual QString newFolderName(QWidget* parent, const QString& title, const QString& start) = 0;
    // False when the user cancelled.
    virtual bool print(QWidget* parent, QPrinter* printer, bool selectionOnly) = 0;
    virtual bool pageSetup(QWidget* parent, QPrinter* printer) = 0;

    void message(QWidget* parent, const QString& title, const QString& text, Icon icon = Icon::None)
    {
        ask(parent, title, text, Buttons::Ok, icon);
    }
};

// The real dialogs.
class QtDialogService : public DialogService {
public:
    Button ask(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
               Icon icon, std::optional<Button> defaultButton = std::nullopt) override;
    int choose(QWidget* parent, const QString& title, const QString& text,
               const QStringList& buttons, int defaultButton, Icon icon) override;
    int chooseItem(QWidget* parent, const QString& title, const QString& text,
                   const QStringList& items, int current) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& startName) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& startName) override;
    QString folderName(QWidget* parent, const QString& title, const QString& start) override;
    QString newFolderName(QWidget* parent, const QString& title, const QString& start) override;
    bool print(QWidget* parent, QPrinter* printer, bool selectionOnly) override;
    bool pageSetup(QWidget* parent, QPrinter* printer) override;
};

// "desc|pattern;pattern|desc|pattern" to Qt's "desc (pattern pattern);;...".
QString qtFileFilter(const QString& barSeparatedFilter);

} // namespace Quillwright
