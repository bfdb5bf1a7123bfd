#pragma once

#include <QStringList>

namespace Quillwright {

// The address list of a browser window, most recent first. An address the
// browser reports moves to the top, once; the start address enters as it
// was given, so a differently written report of it stands beside it.
class AddressHistory {
public:
    void addStart(const QString& address) { m_entries.append(address); }
    // Navigation complete: the first entry equal to the reported address
    // (exact comparison) is removed, and the address goes on top.
    void navigated(const QString& reported)
    {
        const qsizetype at = m_entries.indexOf(reported);
        if (at >= 0)
            m_entries.removeAt(at);
        m_entries.prepend(reported);
    }
    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
};

} // namespace Quillwright
