#pragma once

#include <string_view>

class QWidget;

namespace solvara {

// The message boxes of the database editors, on top of the editor: a refusal or a note with
// OK, and a question with OK and Cancel (true for OK).
void showEditorMessage(QWidget* editor, std::string_view text);
bool confirmEditorChange(QWidget* editor, std::string_view question);

}  // namespace solvara
