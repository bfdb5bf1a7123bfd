#pragma once

#include "core/checker/Finding.h"
#include "core/checker/ForumDryRun.h"
#include "core/encoding/TextEncoding.h"
#include "core/script/ModReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

namespace Quillwright {

class LineStore;

// The script checker: a MOD script checked against the conventions of the
// MOD template while it is written (the header's fields, the order of the
// actions, the end marker, characters a script file cannot hold), and each
// FIND tried against the forum's own files. Plain text in, findings out.
namespace Checker {

// `encoding`: what the script is saved in; one saved as UTF-8 holds any character.
std::vector<Finding> checkScript(const std::vector<QStringView>& lines,
                                 TextEncoding encoding = TextEncoding::Windows1252);
std::vector<Finding> checkScript(const QStringList& lines,
                                 TextEncoding encoding = TextEncoding::Windows1252);
std::vector<Finding> checkScript(const LineStore& lines,
                                 TextEncoding encoding = TextEncoding::Windows1252);

} // namespace Checker

} // namespace Quillwright
