#pragma once
// The program from its start to its end: one stand per user, the language, the
// meeting, the main window and its message loop. main() is this; the start's
// benchmark runs it up to the first painted board.

#include <functional>

class QApplication;

// `premierDessin` runs once the board has been painted the first time.
int LancerKoralis(QApplication& application, std::function<void()> premierDessin = {});
