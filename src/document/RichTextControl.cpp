#include "RichTextControl.h"
#include "ScriptFile.h"
#include "Windows1252.h"

RichTextControl::~RichTextControl() = default;

int RichTextControl::snapPosition(const QString& text, int pos)
{
    if (pos > 0 && pos < text.size() && text[pos] == u'\n' && text[pos - 1] == u'\r')
        return pos - 1;
    return pos;
}

bool RichTextControl::loadFile(const QString& path, QString* error)
{
    ScriptFile::ReadResult r = ScriptFile::read(path);
    if (!r.ok) {
        if (error)
            *error = r.error;
        return false;
    }
    setStyledText(r.content);
    return true;
}

bool RichTextControl::saveFile(const QString& path, QString* error) const
{
    const ScriptFile::WriteResult r = ScriptFile::write(path, Windows1252::encode(text()).bytes);
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}
