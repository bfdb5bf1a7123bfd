#pragma once

#include <QStringList>

// The script checker on the command line: `quillwright-check ARGS` and
// `quillwright-mod check ARGS`. Returns the exit status.
int runCheck(const QString& program, const QStringList& args);
