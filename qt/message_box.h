// The viewer's message boxes and save dialog as Qt dialogs: a QMessageBox
// with the buttons, icon and default button the style asks for, answering
// with the button pressed; a QFileDialog for saving with the page's filters,
// its default extension and the overwrite prompt.
#pragma once

#include <optional>
#include <string>

int AskWithMessageBox(const std::string& text, const std::string& caption, unsigned style);
std::optional<std::string> ChooseWithFileDialog(const std::string& filter, const std::string& defaultExtension);
