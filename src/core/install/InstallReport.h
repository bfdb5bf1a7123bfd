#pragma once

#include "core/install/ModInstaller.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Quillwright {

// How an installation's result is told: the report's lines, the one-line
// summary, and the questions the windows ask of it.
namespace Install {

// The report in the compiler form: each finding with its notes, then what
// is left to do, its lines as the script writes them.
QStringList reportLines(const std::vector<Script>& scripts, const Result& result);
// "12 actions applied, 1 failed; 3 files changed; 1 thing left to do by hand".
QString summary(const Result& result);
// Whether an action on the file failed.
bool failedIn(const Result& result, const QString& path);
// Whether a finding is an error (a warning is a language or template the forum lacks).
bool hasErrors(const Result& result);

} // namespace Install

} // namespace Quillwright
