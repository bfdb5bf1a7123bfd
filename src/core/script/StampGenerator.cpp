#include "core/script/StampGenerator.h"

#include "core/control/RichTextControl.h"
#include "core/script/ModFormat.h"

namespace Quillwright {

void StampGenerator(RichTextControl& c)
{
    const QString current = ModFormat::generatorLine();
    const QString notice = ModFormat::noticeSeparator() + QStringLiteral("\r\n") +
                           QStringLiteral("## For Security Purposes, Please Check: ") +
                           ModFormat::modDatabaseUrl() + QStringLiteral(" for the ");

    // A selection would narrow the searches below to itself: a line the
    // header already holds would not be found, and another would be added.
    c.setSelLength(0);
    c.setSelStart(0);
    c.find(current);
    if (c.selText() != current) {
        const int a = c.find(ModFormat::generatorLabel().trimmed());
        c.setSelLength(0);
        c.setSelStart(0);
        const int b = c.find(notice);
        c.setSelStart(0);
        if (b > 0 && !(a > b)) {
            int separatorAt = b;
            if (a > 0) {
                c.setSelStart(a);
                c.setSelLength(b - a);
                c.setSelText(QString());
                separatorAt = a;
            }
            const QString text = c.text();
            if (separatorAt >= 2 && QStringView(text).sliced(separatorAt - 2, 2) == u"\r\n") {
                c.setSelStart(separatorAt - 2);
                c.setSelText(QStringLiteral("\r\n") + current);
            } else {
                c.setSelStart(separatorAt);
                c.setSelText(current + QStringLiteral("\r\n"));
            }
        }
    }
    c.setSelStart(0);
    c.setSelLength(0);
}

} // namespace Quillwright
