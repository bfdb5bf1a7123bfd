#include "ui/document/SaveScript.h"

#include "core/control/RichTextControl.h"
#include "core/script/ModFormat.h"
#include "core/script/ScriptFile.h"
#include "ui/platform/DialogService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Quillwright {

namespace SaveScript {

ScriptFile::WriteResult write(QWidget* parent, DialogService& dialogs,
                              const RichTextControl& control, const QString& path,
                              TextEncoding& encoding)
{
    EncodedText encoded = encodeLines(control.lineSnapshot(), encoding);
    if (encoded.unmappable > 0) {
        const int line = control.lineAt(encoded.firstUnmappable) + 1;
        const QString warning =
            encoding == TextEncoding::Windows1252
                ? QCoreApplication::translate(
                      "SaveScript",
                      "%1 contains %2 character(s) that a MOD script file cannot hold "
                      "(Windows-1252), the first on line %3.\n\nSave anyway, writing \"?\" "
                      "in their place?")
                      .arg(QDir::toNativeSeparators(path))
                      .arg(encoded.unmappable)
                      .arg(line)
                : QCoreApplication::translate(
                      "SaveScript",
                      "%1 contains %2 character(s) that its encoding, %4, cannot hold, the "
                      "first on line %3.\n\nSave anyway, writing \"?\" in their place?")
                      .arg(QDir::toNativeSeparators(path))
                      .arg(encoded.unmappable)
                      .arg(line)
                      .arg(encodingName(encoding));
        // Return must not write "?" over the user's characters.
        const int choice =
            dialogs.choose(parent, ModFormat::programTitle(), warning,
                           {QCoreApplication::translate("SaveScript", "Save"),
                            QCoreApplication::translate("SaveScript", "Save as UTF-8"),
                            QCoreApplication::translate("SaveScript", "Cancel")},
                           2, DialogService::Icon::Warning);
        if (choice == 1) {
            encoding = TextEncoding::Utf8; // nothing lost, from now on
            encoded = encodeLines(control.lineSnapshot(), encoding);
        } else if (choice != 0) {
            return {};
        }
    }
    const ScriptFile::WriteResult r = ScriptFile::write(path, encoded.bytes);
    if (!r.ok)
        dialogs.message(parent, ModFormat::programTitle(),
                        QCoreApplication::translate("SaveScript", "Could not save %1.\n\n%2")
                            .arg(QDir::toNativeSeparators(path), r.error),
                        DialogService::Icon::Critical);
    return r;
}

bool confirmReplace(QWidget* parent, DialogService& dialogs, const QString& path,
                    const QString& ownFile)
{
    const QFileInfo target(path);
    if (!target.exists() || target.isDir())
        return true;
    if (!ownFile.isEmpty() && target.absoluteFilePath() == QFileInfo(ownFile).absoluteFilePath())
        return true;
    return dialogs.ask(parent, ModFormat::programTitle(),
                       QCoreApplication::translate("SaveScript",
                                                   "%1 already exists.\nDo you want to replace it?")
                           .arg(QDir::toNativeSeparators(path)),
                       DialogService::Buttons::YesNo,
                       DialogService::Icon::Warning) == DialogService::Button::Yes;
}

} // namespace SaveScript

} // namespace Quillwright
