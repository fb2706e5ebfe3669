#pragma once

#include <QString>

#include <exception>

namespace kestrom {

// The caption of every error alert: the application's title, taken when first asked for.
QString& ErrorTitle();
// Empties the caption, as when the program ends.
void ClearErrorTitle();

// Shows message as an error alert under ErrorTitle. Until the alert dialog is there, alerts
// go to the user-notice sink (standard error by default).
void ShowError(const QString& message);

// Turns a caught failure into the program's wording and shows it; an empty text shows nothing.
void ReportException(const std::exception& e);
// The wording ReportException would show for e.
QString ExceptionText(const std::exception& e);

} // namespace kestrom
