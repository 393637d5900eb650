#pragma once

#include <memory>

class QMainWindow;
class QWidget;

// The toolkit's floor: a main window with an empty client area of the sheet's size
// (773 by 576 pixels) and nothing else.
std::unique_ptr<QMainWindow> makeBareWindow();

// Shows the window and handles events until the window system has exposed it and the
// paints and layouts that the exposure set off are done. False if that takes more than
// a few seconds.
bool showUntilExposed(QWidget& window);
