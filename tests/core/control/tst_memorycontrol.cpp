#include "core/control/ControlContract.h"
#include "core/control/MemoryRichTextControl.h"

#include <QTest>

using namespace Quillwright;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ControlContract contract([] { return std::make_unique<MemoryRichTextControl>(); });
    return QTest::qExec(&contract, argc, argv);
}
