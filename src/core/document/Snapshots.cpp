#include "core/document/Snapshots.h"

namespace Quillwright {

TextSnapshot::TextSnapshot(const QString& text)
{
    m_lines.assign(StyledText{normalizeLineEnds(text), {}});
}

bool Snapshots::tick(const QString& currentText, bool refreshFlag)
{
    return tick(
        currentText.size(), [&currentText] { return TextSnapshot(currentText); }, refreshFlag);
}

bool Snapshots::tick(qsizetype currentLength, const std::function<TextSnapshot()>& current,
                     bool refreshFlag)
{
    const qsizetype growth = currentLength - Text1.size();
    if (growth < 1 && !refreshFlag)
        return false;
    Text4 = Text3;
    Text3 = Text2;
    Text2 = Text1;
    Text1 = current();
    return true;
}

const TextSnapshot& Snapshots::undo(int levels)
{
    switch (levels) {
    case 1:
        Text1 = Text2;
        Text2 = Text3;
        Text3 = Text4;
        Text4.clear();
        break;
    case 2:
        Text1 = Text3;
        Text2 = Text4;
        Text3.clear();
        Text4.clear();
        break;
    case 3:
        Text1 = Text4;
        Text2.clear();
        Text3.clear();
        Text4.clear();
        break;
    default:
        break;
    }
    return Text1;
}

} // namespace Quillwright
