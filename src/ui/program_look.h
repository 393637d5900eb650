#pragma once

class QApplication;
class QFont;
class QIcon;

// The program's look, the same on every desktop: the Fusion-based sheet style, one
// sans-serif font for all text, and the application icon.
void applyProgramLook(QApplication& application);
QFont sheetFont();
QIcon programIcon();
