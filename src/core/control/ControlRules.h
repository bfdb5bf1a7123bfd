#pragma once

#include "core/text/StyledText.h"

#include <QString>
#include <QStringView>
#include <functional>

namespace Quillwright {

// What a control is told from above about the files it holds: how long a
// line may grow and how a file is read and written. The control knows no
// script format; the script layer hands it these (ScriptFile::controlRules)
// and every document's control gets them. A control without them takes
// any line and reads and writes no file.
struct ControlRules {
    int lineLimit = 0; // 0: none
    // A line's length once written out as the program writes it.
    std::function<int(QStringView line)> settledLength;
    // Why an edit (an edit) or a text (a paste) whose line `line`, from 1,
    // would be `length` long is refused.
    std::function<QString(int line, int length)> overlongEdit;
    std::function<QString(int line, int length)> overlongText;
    std::function<bool(const QString& path, StyledText& content, QString& error)> read;
    std::function<bool(const QString& path, const QString& text, QString& error)> write;
};

} // namespace Quillwright
