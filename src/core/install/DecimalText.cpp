#include "core/install/DecimalText.h"

namespace Quillwright {

namespace Install {
namespace {

QString withoutLeadingZeros(const QString& digits)
{
    qsizetype i = 0;
    while (i + 1 < digits.size() && digits[i] == u'0')
        ++i;
    return digits.isEmpty() ? QStringLiteral("0") : digits.sliced(i);
}

// Which is larger, both without leading zeros.
int compareDigits(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

QString sum(const QString& a, const QString& b)
{
    QString out;
    int carry = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0 || j >= 0 || carry; --i, --j) {
        const int d = (i >= 0 ? a[i].digitValue() : 0) + (j >= 0 ? b[j].digitValue() : 0) + carry;
        out.prepend(QChar(u'0' + d % 10));
        carry = d / 10;
    }
    return out;
}

// a - b, a not below b.
QString difference(const QString& a, const QString& b)
{
    QString out;
    int borrow = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0; --i, --j) {
        int d = a[i].digitValue() - (j >= 0 ? b[j].digitValue() : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        out.prepend(QChar(u'0' + (d + 10) % 10));
    }
    return withoutLeadingZeros(out);
}

} // namespace

QString addDecimal(const QString& number, const QString& by, bool down)
{
    const QString a = withoutLeadingZeros(number);
    const QString b = withoutLeadingZeros(by);
    QString out;
    if (!down)
        out = sum(a, b);
    else if (compareDigits(a, b) >= 0)
        out = difference(a, b);
    else
        out = u'-' + difference(b, a);
    if (number.size() > 1 && number.startsWith(u'0') && !out.startsWith(u'-'))
        out = out.rightJustified(number.size(), u'0');
    return out;
}

} // namespace Install

} // namespace Quillwright
