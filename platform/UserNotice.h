#pragma once

#include <QString>

#include <functional>

namespace kestrom {

using UserNoticeSink = std::function<void(const QString& title, const QString& message)>;

// Tells the person at the machine something: until a window is there to show it, the
// message goes to standard error. The returned sink is the one replaced.
UserNoticeSink SetUserNoticeSink(UserNoticeSink sink);
void ShowUserNotice(const QString& title, const QString& message);

} // namespace kestrom
