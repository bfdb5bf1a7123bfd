#include "ui/platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace Quillwright {

namespace {
// Qt's own texts that its French, as Debian ships it, lacks: Qt 6's file
// dialog names a folder's type in a context the older translations do not
// have. Ours carries them; Qt's file is asked first, so they step in only
// where it says nothing.
struct QtText {
    const char* source;
    const char* comment;
};
[[maybe_unused]] const QtText QtTextsItLacks[] = {
    QT_TRANSLATE_NOOP3("QAbstractFileIconProvider", "Folder", "All other platforms"),
};
[[maybe_unused]] const char* const QtTextItLacks =
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive");
} // namespace

namespace Translations {

void use(StringTable::Language language)
{
    static std::unique_ptr<QTranslator> own;
    static std::unique_ptr<QTranslator> qt;
    for (auto* t : {&own, &qt}) {
        if (*t)
            QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    if (language != StringTable::Language::French)
        return;
    own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/quillwright_fr.qm")))
        QCoreApplication::installTranslator(own.get());
    // The buttons and dialogs Qt draws itself, where the system has them.
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
}

} // namespace Translations

} // namespace Quillwright
