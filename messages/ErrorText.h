#pragma once

#include <QString>

namespace kestrom {

// The program's wording for an I/O error code of the file layer; "" for 0 and
// "Unknown Error #<code>" for codes it has no text for.
QString ErrorText(int code);

// The texts for the two memory failures.
QString OutOfMemoryText();
QString InvalidPointerText();

} // namespace kestrom
