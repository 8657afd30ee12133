#pragma once
// Screenshots of windows and dialogs for people to look at: written under
// <build>/screenshots/, never compared by the tests.

#include <string>
#include <vector>

class QWidget;

// Shows the widget (offscreen), lets it lay out and paint, and saves it as <nom>.png.
// Returns the file written.
std::string Capturer(QWidget* widget, const std::string& nom);

// The visible labels and buttons whose text does not fit them, by objectName:
// empty when nothing is cut off.
std::vector<std::string> TextesCoupes(QWidget* widget);
