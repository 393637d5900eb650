#pragma once

#include "ui/twips.h"

class QApplication;
class QFont;
class QIcon;

// The program's look, the same on every desktop: the Fusion-based sheet style, one
// sans-serif font for all text, and the application icon.
void applyProgramLook(QApplication& application);
// The sheets' face at the size for the zoom.
QFont sheetFont(int zoom = ActualZoom);
QIcon programIcon();
