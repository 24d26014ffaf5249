// What a user's hands and files give the window, for its tests and its soak
// (no test framework here: the soak is a program of its own).
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

namespace tolvern::app::testing {

// Key presses for each character of `text`, as a keyboard sends them (QTest
// knows keys for ASCII only; beyond it a key event carries the character).
void TypeKeys(QWidget* widget, const QString& text);

// Processes events until `condition` holds; false after `timeoutMs` without.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000);

// A file's bytes; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
// Writes the whole file (made executable when asked); false when it could not.
[[nodiscard]] bool WriteBytes(const QString& path, const QByteArray& bytes, bool executable = false);

}  // namespace tolvern::app::testing
