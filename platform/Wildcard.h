#pragma once

#include <QStringView>

namespace kestrom {

// Windows directory-search matching, without regard to case: "*" any run, "?" one character
// (or none at the end of the name or before a dot), "*.*" every name including names without
// a dot, and a trailing "." only names without an extension.
bool WildcardMatch(QStringView pattern, QStringView name);

// True when text holds "*" or "?".
bool HasWildcardChars(QStringView text);

} // namespace kestrom
