#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace Quillwright {

// Reading and writing whole files in tests.
inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

} // namespace Quillwright
