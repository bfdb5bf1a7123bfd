#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace Quillwright {

// What the script checker reports: a place in the script, how bad it is, a
// rule id that stays the same from version to version, and a message.
namespace Checker {

enum class Severity { Error, Warning, Note };

struct Finding {
    int line = 1;   // 1-based
    int column = 1; // 1-based, in characters of the line
    int length = 0; // characters the finding covers on its line; 0: none in particular
    Severity severity = Severity::Warning;
    QString rule;
    QString message;
    friend bool operator==(const Finding&, const Finding&) = default;
};

QString severityName(Severity severity); // "error", "warning", "note"

// The compiler form that editors and CI systems parse:
// FILE:LINE:COL: error|warning|note: MESSAGE [rule-id]
QString compilerLine(const QString& file, const Finding& finding);
// A JSON array of the findings of each file, in order.
QByteArray json(const std::vector<std::pair<QString, std::vector<Finding>>>& files);

struct Counts {
    int errors = 0;
    int warnings = 0;
    int notes = 0;
};
Counts count(const std::vector<Finding>& findings);
// "2 errors, 1 warning", or "No problems".
QString summary(const Counts& counts);

// Findings sorted by place, each kept once.
void sortFindings(std::vector<Finding>& findings);

} // namespace Checker

} // namespace Quillwright
