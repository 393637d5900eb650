#pragma once

class QWidget;

// Whether a control's caption shows whole within the control's fixed size.
bool captionFits(const QWidget& widget);

// Narrows the control's font, first in width and then in size, until its caption fits.
// The sheet's places are fixed, so the text gives way rather than the control.
void fitCaption(QWidget& widget);
