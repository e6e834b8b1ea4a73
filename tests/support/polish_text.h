#pragma once
// Tests write their texts in UTF-8; the record and the drawing keep cp1250.

#include <string>
#include <string_view>

#include "model/cp1250.h"

namespace lun4::testing {

// The cp1250 bytes of a UTF-8 text; a text the code page cannot carry is a fault of the test.
inline std::string cp(std::string_view utf8) {
    return cp1250::fromUtf8(utf8).value();
}

}  // namespace lun4::testing
