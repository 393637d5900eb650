#pragma once

#include <QColor>
#include <QProxyStyle>

#include <unordered_map>

// Results worked out before their inputs last changed: grey on pale amber, dimmed, yet well
// above the contrast that text needs.
inline const QColor StaleText(0x59, 0x59, 0x59);
inline const QColor StaleBase(0xff, 0xf3, 0xcd);

// Fusion everywhere, with the changes that the sheet's fixed layout needs: check and option
// indicators of 13 pixels, which fit its 13-pixel-high boxes, and panels whose caption sits
// on the frame's top edge, so that contents placed just below the caption clear the frame.
// Indicators, spacings and frame lines grow with the zoom of the window a widget stands in.
// Dialog buttons carry words only, whatever the desktop's theme.
class SheetStyle : public QProxyStyle {
    Q_OBJECT
public:
    SheetStyle();

    // The program's style, or null while another style is in use.
    static SheetStyle* active();
    // The zoom of a window and of everything in it, in percent of its actual size, until the
    // window is gone.
    void setZoom(const QWidget& window, int zoom);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    int zoomOf(const QWidget* widget) const;
    void drawPanel(const QStyleOptionComplex& option, QPainter& painter,
                   const QWidget* widget) const;

    std::unordered_map<const QObject*, int> zooms_;
};
