#include "core/checker/Finding.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace Quillwright {

namespace Checker {

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Note:
        break;
    }
    return QStringLiteral("note");
}

QString compilerLine(const QString& file, const Finding& f)
{
    return QStringLiteral("%1:%2:%3: %4: %5 [%6]")
        .arg(file)
        .arg(f.line)
        .arg(f.column)
        .arg(severityName(f.severity), f.message, f.rule);
}

QByteArray json(const std::vector<std::pair<QString, std::vector<Finding>>>& files)
{
    QJsonArray out;
    for (const auto& [file, findings] : files)
        for (const Finding& f : findings)
            out.append(QJsonObject{{"file", file},
                                   {"line", f.line},
                                   {"column", f.column},
                                   {"length", f.length},
                                   {"severity", severityName(f.severity)},
                                   {"rule", f.rule},
                                   {"message", f.message}});
    return QJsonDocument(out).toJson(QJsonDocument::Indented);
}

Counts count(const std::vector<Finding>& findings)
{
    Counts c;
    for (const Finding& f : findings)
        ++(f.severity == Severity::Error     ? c.errors
           : f.severity == Severity::Warning ? c.warnings
                                             : c.notes);
    return c;
}

QString summary(const Counts& c)
{
    if (c.errors == 0 && c.warnings == 0 && c.notes == 0)
        return QCoreApplication::translate("Checker", "No problems");
    QStringList parts;
    if (c.errors > 0)
        parts << (c.errors == 1
                      ? QCoreApplication::translate("Checker", "1 error")
                      : QCoreApplication::translate("Checker", "%1 errors").arg(c.errors));
    if (c.warnings > 0)
        parts << (c.warnings == 1
                      ? QCoreApplication::translate("Checker", "1 warning")
                      : QCoreApplication::translate("Checker", "%1 warnings").arg(c.warnings));
    if (c.notes > 0)
        parts << (c.notes == 1 ? QCoreApplication::translate("Checker", "1 note")
                               : QCoreApplication::translate("Checker", "%1 notes").arg(c.notes));
    return parts.join(QStringLiteral(", "));
}

void sortFindings(std::vector<Finding>& findings)
{
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::tie(a.line, a.column) < std::tie(b.line, b.column);
    });
    findings.erase(std::unique(findings.begin(), findings.end()), findings.end());
}

} // namespace Checker

} // namespace Quillwright
