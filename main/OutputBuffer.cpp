#include "main/OutputBuffer.h"

#include "main/Console.h"

#include <QString>

namespace kestrom {

void OutputBuffer::line(const QString& text) {
    pending_ += text.toUtf8();
    pending_ += '\n';
    if (pending_.size() >= 64 * 1024)
        flush();
}

void OutputBuffer::flush() {
    if (pending_.isEmpty())
        return;
    console_.writeOut(pending_);
    pending_.clear();
}

} // namespace kestrom
