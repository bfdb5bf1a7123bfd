#include "document/ControlContract.h"
#include "platform/QtRichTextControl.h"

#include <QApplication>
#include <QTest>

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
    ControlContract contract(makeQtControl);
    return QTest::qExec(&contract, argc, argv);
}
