#pragma once

#include <QByteArray>

namespace kestrom {

class Console;

// Collects a command's output lines and hands them to the console in large pieces.
class OutputBuffer {
public:
    explicit OutputBuffer(Console& console) : console_(console) {}
    ~OutputBuffer() { flush(); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void line(const QString& text);
    void flush();

private:
    Console& console_;
    QByteArray pending_;
};

} // namespace kestrom
