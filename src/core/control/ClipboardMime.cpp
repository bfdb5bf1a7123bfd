#include "core/control/ClipboardMime.h"
#include "core/control/RichTextControl.h"
#include "core/encoding/Windows1252.h"
#include "core/rtf/Rtf.h"

#include <QMimeData>
#include <QUrl>

namespace Quillwright {

namespace ClipboardMime {
namespace {
const QString RtfType = QStringLiteral("text/rtf");
const QString AppRtfType = QStringLiteral("application/rtf");
} // namespace

QMimeData* fromSelection(const RichTextControl& control)
{
    auto* mime = new QMimeData;
    mime->setText(control.selText());
    const QByteArray rtf = Windows1252::encode(control.selRtf()).bytes;
    mime->setData(RtfType, rtf);
    mime->setData(AppRtfType, rtf);
    return mime;
}

QStringList droppedFiles(const QMimeData* mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

bool canPaste(const QMimeData* mime)
{
    return mime && (mime->hasText() || mime->hasFormat(RtfType) || mime->hasFormat(AppRtfType));
}

PasteResult paste(RichTextControl& control, const QMimeData* mime)
{
    if (!mime)
        return {};
    StyledText content;
    bool found = false;
    bool rich = false;
    for (const QString& type : {RtfType, AppRtfType}) {
        if (!found && mime->hasFormat(type)) {
            const QString rtf = Windows1252::decode(mime->data(type));
            if (Rtf::looksLikeRtf(rtf)) {
                content = Rtf::read(rtf);
                found = rich = true;
            }
        }
    }
    if (!found && mime->hasText()) {
        // RTF markup that arrives as text still arrives formatted.
        rich = Rtf::looksLikeRtf(mime->text());
        content = Rtf::readRichOrPlain(mime->text());
        found = true;
    }
    if (!found)
        return {};
    // A line too long for the rules is refused before anything is pasted.
    if (const ControlRules& rules = control.rules(); rules.lineLimit > 0) {
        int number = 1;
        for (const QString& line : content.text.split(QStringLiteral("\r\n"))) {
            if (line.size() > rules.lineLimit * 3 / 4)
                if (const int settled = rules.settledLength(line); settled > rules.lineLimit)
                    return {false, rules.overlongText(number, settled)};
            ++number;
        }
    }
    // The control refuses what would make a line too long, and says so.
    const quint64 before = control.revision();
    if (rich)
        control.setSelRtf(Rtf::write(content, control.fontName()));
    else
        control.setSelText(content.text); // plain text takes the colour where it lands
    return {control.revision() != before, QString()};
}

} // namespace ClipboardMime

} // namespace Quillwright
