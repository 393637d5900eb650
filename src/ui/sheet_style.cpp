#include "ui/sheet_style.h"

#include "layout/twips.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace {

constexpr int IndicatorSize = 13;
constexpr int LabelSpacing = 4;
constexpr int CaptionIndent = 6;
constexpr int CaptionPadding = 2;

// A classic etched frame: a dark line with a light one just inside and below it, each as
// thick as the zoom makes a pixel.
void drawEtchedFrame(QPainter& painter, const QRect& frame, const QPalette& palette, int zoom) {
    const int width = std::max(1, zoom / ActualZoom);
    const int inset = width / 2; // a thick pen straddles its path
    painter.save();
    painter.setPen(QPen(palette.color(QPalette::Mid), width));
    painter.drawRect(frame.adjusted(inset, inset, -2 * width + inset, -2 * width + inset));
    painter.setPen(QPen(palette.color(QPalette::Light), width));
    painter.drawRect(frame.adjusted(width + inset, width + inset, -width + inset, -width + inset));
    painter.restore();
}

// Whether any of the area, in the painter's coordinates, lies in the region being painted.
// A painter that was given no such region paints everywhere.
bool beingPainted(QPainter& painter, const QRect& area) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr) {
        return true;
    }
    const QRegion painted = engine->systemClip();
    if (painted.isEmpty()) {
        return true;
    }
    // The region is in device pixels; a pixel of margin covers the rounding of scaled screens.
    const QRect onDevice =
        painter.deviceTransform().mapRect(QRectF(area)).toAlignedRect().adjusted(-1, -1, 1, 1);
    return painted.intersects(onDevice);
}

} // namespace

SheetStyle::SheetStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

SheetStyle* SheetStyle::active() {
    return qobject_cast<SheetStyle*>(QApplication::style());
}

void SheetStyle::setZoom(const QWidget& window, int zoom) {
    const auto [entry, added] = zooms_.try_emplace(&window, zoom);
    entry->second = zoom;
    if (added) {
        connect(&window, &QObject::destroyed, this, [this](QObject* gone) { zooms_.erase(gone); });
    }
}

// The zoom of the window the widget stands in; actual size in a window that has none.
int SheetStyle::zoomOf(const QWidget* widget) const {
    if (widget == nullptr) {
        return ActualZoom;
    }
    const auto found = zooms_.find(widget->window());
    return found != zooms_.end() ? found->second : ActualZoom;
}

int SheetStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return zoomed(IndicatorSize, zoomOf(widget));
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return zoomed(LabelSpacing, zoomOf(widget));
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int SheetStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect SheetStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                 SubControl subControl, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
    const int captionHeight = box->fontMetrics.height();
    const QRect frame = box->rect.adjusted(0, captionHeight / 2, 0, 0);
    switch (subControl) {
    case SC_GroupBoxLabel: {
        QString caption = box->text;
        caption.remove('&');
        const int zoom = zoomOf(widget);
        return {zoomed(CaptionIndent, zoom), 0,
                box->fontMetrics.horizontalAdvance(caption) + 2 * zoomed(CaptionPadding, zoom),
                captionHeight};
    }
    case SC_GroupBoxFrame:
        return frame;
    case SC_GroupBoxContents:
        return frame.adjusted(2, captionHeight / 2 + 2, -2, -2);
    default:
        return {};
    }
}

void SheetStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (control == CC_GroupBox && option != nullptr && painter != nullptr) {
        drawPanel(*option, *painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void SheetStyle::drawPanel(const QStyleOptionComplex& option, QPainter& painter,
                           const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(&option);
    // A flat group box only holds an option group together for screen readers.
    if (box == nullptr || (box->features & QStyleOptionFrame::Flat)) {
        return;
    }
    const QRect frame = subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);
    // A click on a box inside the panel repaints the panel just around that box; the caption
    // then lies outside what is painted, and laying out its text would be work for nothing.
    const QRect captionStrip(box->rect.left(), box->rect.top(), box->rect.width(),
                             box->fontMetrics.height());
    const int zoom = zoomOf(widget);
    if (box->text.isEmpty() || !beingPainted(painter, captionStrip)) {
        drawEtchedFrame(painter, frame, box->palette, zoom);
        return;
    }
    const QRect caption = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    painter.save();
    painter.setClipRegion(QRegion(box->rect) - caption);
    drawEtchedFrame(painter, frame, box->palette, zoom);
    painter.restore();
    drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                 box->state & State_Enabled, box->text, QPalette::WindowText);
}
