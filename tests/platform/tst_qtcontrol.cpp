#include "document/ControlContract.h"
#include "platform/QtRichTextControl.h"

#include <QApplication>
#include <QTest>
#include <QTextCursor>

namespace {
// The control does not own its widget; the editor lives as long as the control.
std::unique_ptr<RichTextControl> makeQtControl()
{
    auto* editor = new ModEditor;
    auto control = std::make_unique<QtRichTextControl>(editor);
    QObject::connect(control.get(), &QObject::destroyed, editor, [editor] { delete editor; });
    return control;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As a cut or a drop does: straight on the document, past the control.
    const auto outsideEdit = [](RichTextControl& c, int pos, int removed, const QString& insert) {
        auto& qt = static_cast<QtRichTextControl&>(c);
        QTextCursor cursor(qt.editor()->document());
        cursor.setPosition(qt.toDocPosition(pos));
        cursor.setPosition(qt.toDocPosition(pos + removed), QTextCursor::KeepAnchor);
        cursor.insertText(QString(insert).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    };
    ControlContract contract(makeQtControl, outsideEdit);
    return QTest::qExec(&contract, argc, argv);
}
