#pragma once

#include "layout/sheet_scene.h"
#include "layout/twips.h"

#include <QString>

class QApplication;
class QFont;
class QIcon;
class QWidget;

// The program's look, the same on every desktop: the Fusion-based sheet style, one
// sans-serif font for all text, the application icon, and lists that screen readers name as
// the sheet does.
void applyProgramLook(QApplication& application);
// The sheets' face at the size for the zoom.
QFont sheetFont(int zoom = ActualZoom);
QIcon programIcon();
// Shows the window and everything in it at the zoom: the sheets' face at that size, and the
// style's marks and lines to match. A window that a zoomed sheet opens takes its zoom.
void showAtZoom(QWidget& window, int zoom);
// A caption as the toolkit takes it: its mnemonic letter marked with "&", any "&" of its own
// doubled.
QString markedCaption(const SheetScene::Caption& caption);
