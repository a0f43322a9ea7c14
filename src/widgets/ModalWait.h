#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace birch {

// Runs `work` on a worker thread and waits for it in a plain event loop behind a modal progress
// dialog showing `text`, so the windows stay painted while input to them is blocked. An
// exception thrown by `work` is rethrown here.
void Wait_Modally(QWidget* parent, const QString& text, const std::function<void()>& work);

} // namespace birch
