#pragma once

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

// Loads the French texts on a French desktop.
void useUserLanguage();

} // namespace Cli

} // namespace Quillwright
