#pragma once

#include <QByteArrayList>
#include <QStringList>

namespace Quillwright {

// The script checker on the command line: `quillwright-check ARGS` and
// `quillwright-mod check ARGS`. Returns the exit status.
// `raw`, when given, holds the arguments as the bytes they were: a file name
// that is not valid text in the user's locale is still opened.
int runCheck(const QString& program, const QStringList& args, const QByteArrayList& raw = {});

} // namespace Quillwright
