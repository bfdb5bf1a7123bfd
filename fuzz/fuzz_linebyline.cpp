// The line-by-line change handler against the literal whole-text one: the
// bytes are a list of edits, done to two in-memory documents, one handled
// each way; text, colours, selection and outline must agree after each.
#include "FuzzInput.h"
#include "core/control/MemoryRichTextControl.h"
#include "core/document/DocumentModel.h"
#include "core/rtf/Rtf.h"

#include <QStringList>
#include <memory>

using namespace Quillwright;

namespace {

struct Side {
    MemoryRichTextControl control;
    DocumentModel model{control};
    explicit Side(bool reference)
    {
        model.setReferenceHandler(reference);
        model.initialise(QString(), QStringLiteral("F"));
    }
};

const QStringList Pieces = {
    "x",     " OPEN ", "#EoM",         "# EoM", "\r\n",       "\r\n#\r\n",       "#-----[ ",
    " ]---", " OR ",   "IN-LINE FIND", "\t",    "Mod Title:", "## MOD Author: ", " FIND ",
    "{\\}"};
const TextColor Colors[] = {TextColor(), MarkerColors::Blue, MarkerColors::Green,
                            MarkerColors::DarkRed, TextColor::rgb(255, 0, 0)};

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool more() const { return m_at < m_size; }
    int next() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

bool same(const Side& a, const Side& b)
{
    const StyledText x = a.control.styledText();
    const StyledText y = b.control.styledText();
    return x.text == y.text && x.runs == y.runs && a.control.selStart() == b.control.selStart() &&
           a.control.selLength() == b.control.selLength() &&
           a.model.outline().nodes() == b.model.outline().nodes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 400)
        return 0;
    Side fast(false);
    Side reference(true);
    Bytes in(data, size);
    while (in.more()) {
        const int op = in.next() % 6;
        const int length = fast.control.textLength();
        const int pos = ((in.next() << 8) | in.next()) % (length + 1);
        const int span = std::min(in.next() % 24, length - pos);
        const QString piece = Pieces[in.next() % Pieces.size()];
        const TextColor color = Colors[in.next() % std::size(Colors)];
        StyledText coloured{piece, {}};
        if (!color.isDefault())
            coloured.runs.push_back({0, int(piece.size()), color});
        const QString rtf = Rtf::write(normalizedStyledText(coloured), QStringLiteral("F"));
        for (Side* s : {&fast, &reference}) {
            RichTextControl& c = s->control;
            c.setSelStart(pos);
            c.setSelLength(span);
            switch (op) {
            case 0:
                c.setSelText(piece);
                break;
            case 1:
                c.setSelText(QString());
                break;
            case 2:
                c.setSelRtf(rtf);
                break;
            case 3:
                c.setSelColor(color);
                break;
            case 4:
                s->model.Timer1_Timer();
                s->model.undo(1 + span % 3);
                break;
            default:
                s->model.setUpdateBrowserTF(true);
                c.setText(c.text() + piece);
            }
        }
        FUZZ_CHECK(same(fast, reference));
    }
    return 0;
}
