#pragma once

// The writer's messages in the user's language, under one translation context.
#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace Quillwright {

namespace Writer {

inline QString tr(const char* text)
{
    return QCoreApplication::translate("Quillwright::Writer", text);
}

// A path as the user's system writes it, for messages.
inline QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace Writer

} // namespace Quillwright
