#include "core/install/InstallReport.h"

#include <QCoreApplication>
#include <algorithm>

namespace Quillwright {

namespace Install {

using Checker::Severity;

QStringList reportLines(const std::vector<Script>& scripts, const Result& result)
{
    QStringList out;
    for (const Finding& f : result.findings) {
        const QString& name = scripts[size_t(f.script)].name;
        out << Checker::compilerLine(name, f.finding);
        // As compilers write what explains an error: a line of its own, no rule.
        for (const Note& n : f.notes)
            out << QStringLiteral("%1:%2:1: note: %3")
                       .arg(n.file.isEmpty() ? name : n.file)
                       .arg(n.line)
                       .arg(n.message);
    }
    for (const ToDo& t : result.todo) {
        const bool oneLine = !t.text.contains(u'\n');
        const Checker::Finding note{
            t.line,
            1,
            0,
            Severity::Note,
            QStringLiteral("todo-") + t.kind,
            oneLine ? QCoreApplication::translate("Install", "to do by hand: %1").arg(t.text)
                    : QCoreApplication::translate(
                          "Install", "to do by hand, the lines below as the script writes them:")};
        out << Checker::compilerLine(scripts[size_t(t.script)].name, note);
        if (!oneLine)
            out << t.text.split(u'\n');
    }
    return out;
}

QString summary(const Result& r)
{
    const int applied = r.applied;
    const int changed = int(r.files.size());
    const int left = int(r.todo.size());
    return QCoreApplication::translate("Install", "%1, %2; %3; %4")
        .arg(applied == 1
                 ? QCoreApplication::translate("Install", "%n action applied", nullptr, applied)
                 : QCoreApplication::translate("Install", "%n actions applied", nullptr, applied),
             QCoreApplication::translate("Install", "%n failed", nullptr, r.failed),
             changed == 1
                 ? QCoreApplication::translate("Install", "%n file changed", nullptr, changed)
                 : QCoreApplication::translate("Install", "%n files changed", nullptr, changed),
             left == 1 ? QCoreApplication::translate("Install", "%n thing left to do by hand",
                                                     nullptr, left)
                       : QCoreApplication::translate("Install", "%n things left to do by hand",
                                                     nullptr, left));
}

bool failedIn(const Result& result, const QString& path)
{
    return std::any_of(result.findings.begin(), result.findings.end(),
                       [&](const Finding& f) { return f.path == path; });
}

bool hasErrors(const Result& result)
{
    return std::any_of(result.findings.begin(), result.findings.end(),
                       [](const Finding& f) { return f.finding.severity == Severity::Error; });
}

} // namespace Install

} // namespace Quillwright
