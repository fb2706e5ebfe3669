#pragma once

#include "platform/RegFileFormat.h"
#include "platform/Registry.h"
#include "platform/RegistryValue.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <vector>

namespace kestrom {

// A .reg file that cannot be read; the message names the line.
class ERegFileError : public std::runtime_error {
public:
    ERegFileError(int line, const QString& message);
    int line() const { return line_; }
    const QString& message() const { return message_; }

private:
    int line_;
    QString message_;
};

struct RegFileChange {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind;
    RegKeyPath key;
    RegValue value; // the value to set, or the name of the one to delete
};

// Reads the registry's text format: both headers, UTF-16 with a byte-order mark or 8-bit
// text (UTF-8, or Latin-1 where it is not valid UTF-8), sections and their deletions, string,
// dword, hex and hex(N) values, continued lines and comments.
class RegFileReader {
public:
    static std::vector<RegFileChange> parse(const QByteArray& bytes);
    // Parses the whole file first, then applies it with one transaction per root: a file with
    // a fault changes nothing.
    static void import(const QByteArray& bytes);

private:
    static QString decode(const QByteArray& bytes);
};

} // namespace kestrom
