#pragma once

#include <functional>

class QWidget;

namespace solvara {

// Calls `action` when the Delete key is pressed in `widget` (an editor's list or tree), so the
// key acts as the editor's Delete button. The key goes on to the widget when it is not pressed
// alone.
void onDeleteKey(QWidget& widget, std::function<void()> action);

}  // namespace solvara
