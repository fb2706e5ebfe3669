#pragma once

#include <QString>

namespace kestrom {

// True when text holds "*" or "?".
bool HasWildcard(const QString& text);

// The two sides of the first "|"; without one, left is empty and right is the whole text.
void SplitAtBar(const QString& text, QString& left, QString& right);

// The n-th field (from 1) of text: blanks and commas separate fields (a run counts once),
// double quotes group and are dropped. An empty result gives def.
QString GetField(const QString& text, int n, const QString& def);

} // namespace kestrom
