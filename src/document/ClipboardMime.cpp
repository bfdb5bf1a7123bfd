#include "ClipboardMime.h"
#include "RichTextControl.h"
#include "Rtf.h"
#include "Windows1252.h"

#include <QMimeData>

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

bool canPaste(const QMimeData* mime)
{
    return mime && (mime->hasText() || mime->hasFormat(RtfType) || mime->hasFormat(AppRtfType));
}

void paste(RichTextControl& control, const QMimeData* mime)
{
    if (!mime)
        return;
    for (const QString& type : {RtfType, AppRtfType}) {
        if (mime->hasFormat(type)) {
            const QString rtf = Windows1252::decode(mime->data(type));
            if (Rtf::looksLikeRtf(rtf)) {
                control.setSelRtf(rtf);
                return;
            }
        }
    }
    if (mime->hasText())
        control.setSelRtf(mime->text()); // RTF markup as text still arrives formatted
}

} // namespace ClipboardMime
