#pragma once
// Runs one event handler so that an error raised by the data layer or a conversion ends that
// handler and shows the general error box, while the window goes on.
#include <functional>

class QWidget;

namespace widgets {

// Returns false when the handler stopped on an error (already shown).
bool guarded(QWidget *parent, const std::function<void()> &handler);

} // namespace widgets
