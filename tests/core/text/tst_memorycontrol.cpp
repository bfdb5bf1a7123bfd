#include "core/text/ControlContract.h"
#include "core/text/MemoryRichTextControl.h"

#include <QTest>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ControlContract contract([] { return std::make_unique<MemoryRichTextControl>(); });
    return QTest::qExec(&contract, argc, argv);
}
