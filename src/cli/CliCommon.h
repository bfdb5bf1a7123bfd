#pragma once

#include "core/encoding/TextEncoding.h"
#include "core/package/ScriptPackage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace Quillwright {

// What the command-line tools share: their words in the user's language,
// and lines to standard output or error.
namespace Cli {

// The tools' texts, under one context of the translations.
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

inline void say(FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}

// Option `name` at args[i], as "--name value" or "--name=value"; the
// separate form moves i past the value.
struct OptionValue {
    bool matched = false;
    bool missing = false; // "--name" last, with no value after it
    QString value;
};
OptionValue optionValue(const QStringList& args, qsizetype& i, const QString& name);

// A script named on the command line, as its bytes were read: a MOD
// script, or a zip archive (whatever its name) whose install script is
// taken, `wanted` naming it when there are several. Its package is the
// one on disk that holds it (packageOnDisk), or the archive.
struct NamedScript {
    QString name; // as reports name it: the file, or ARCHIVE/PATH-INSIDE
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;
    ScriptPackage package;
    QString error; // why it cannot be read; then nothing else is set
};
NamedScript readNamedScript(const QString& name, const QByteArray& bytes, const QString& wanted);

// Loads the French texts on a French desktop.
void useUserLanguage();

} // namespace Cli

} // namespace Quillwright
