#pragma once
// Screenshots of windows and dialogs for people to look at: written under
// <build>/screenshots/, never compared by the tests.

#include <string>

class QWidget;

// Shows the widget (offscreen), lets it lay out and paint, and saves it as <nom>.png.
// Returns the file written.
std::string Capturer(QWidget* widget, const std::string& nom);
