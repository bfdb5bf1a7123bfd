#include "ui/platform/Icons.h"

#include <QHash>
#include <array>

// Qt's resource initialiser is a global function: it cannot be called
// from inside a namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace Quillwright {

namespace Icons {

QIcon byName(const QString& name)
{
    static const bool loaded = (initIconResources(), true);
    Q_UNUSED(loaded);
    // Parsing an SVG costs far more than the outline rebuild that asks for it.
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
    return *it;
}

QIcon outlinePicture(int index)
{
    static const std::array<const char*, 19> names = {
        nullptr,
        "new",
        "open",
        "save",
        "print",
        "cut",
        "copy",
        "paste",
        "find",
        "outline-actions",
        "cmd",
        "outline-header",
        "outline-mod",
        "outline-field",
        "outline-open",
        "outline-find",
        "outline-after",
        "outline-before",
        "outline-replace",
    };
    if (index < 1 || index >= int(names.size()))
        return QIcon();
    return byName(QString::fromLatin1(names[size_t(index)]));
}

} // namespace Icons

} // namespace Quillwright
