#pragma once

#include "core/encoding/Windows1252.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace Quillwright {

// Fuzz bytes as the program would see them: a script file's bytes decoded
// from Windows-1252.
inline QString fuzzText(const uint8_t* data, size_t size)
{
    return Windows1252::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
}

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            __builtin_trap();                                                                      \
    } while (0)

} // namespace Quillwright
