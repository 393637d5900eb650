#include "ui/about_dialog.h"

#include "ui/pixel_rect.h"
#include "ui/program_look.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QtMath>

#include <algorithm>

namespace {

// A control of the box under the name it had on the form, which names its widget.
struct Placement {
    const char* form;
    int left, top, width, height;
};

constexpr int ClientWidth = 5865;
constexpr int ClientHeight = 3630;

constexpr Placement Layout[] = {
    {"picIcon", 240, 240, 540, 540},          {"lblTitle", 1050, 240, 4092, 480},
    {"lblVersion", 1050, 720, 4095, 225},     {"Text1", 1080, 960, 4095, 1455},
    {"copyrightLabel", 240, 2625, 3990, 345}, {"cmdOK", 4245, 2625, 1467, 345},
    {"cmdSysInfo", 4260, 3075, 1452, 345},    {"Label1", 240, 3120, 3135, 255},
};

// The etched rule under the disclaimer: a white line and a grey one.
struct RuleLine {
    int left, right, top, width;
    QColor colour;
};

const RuleLine Rule[] = {
    {240, 5657, 2445, 2, Qt::white},
    {240, 5670, 2520, 1, QColor(0x80, 0x80, 0x80)},
};

QRect placementOf(const char* form, int zoom) {
    for (const auto& place : Layout) {
        if (qstrcmp(place.form, form) == 0) {
            return pixelRect(place.left, place.top, place.width, place.height, zoom);
        }
    }
    return {};
}

QFont titleFont(int zoom) {
    QFont font = sheetFont(zoom);
    font.setPixelSize(zoomed(16, zoom)); // 12 point
    font.setBold(true);
    return font;
}

// The model keeps the disclaimer's line ends as CR LF; the edit box wants bare line feeds.
QString toScreen(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The disclaimer's lines were laid out for a narrow face. In a wider one each line would wrap
// and strand its last word on a line of its own; so the box takes the first of these cuts of
// the sheet's face in which every line stays whole.
struct FaceCut {
    int stretch;
    int pixels;
};
constexpr FaceCut DisclaimerCuts[] = {{QFont::Unstretched, 11},
                                      {QFont::SemiCondensed, 11},
                                      {QFont::Unstretched, 10},
                                      {QFont::SemiCondensed, 10}};

void fitDisclaimer(QPlainTextEdit* text, int zoom) {
    const int margins = 2 * text->frameWidth() + 2 * qCeil(text->document()->documentMargin());
    const int scrollBar = text->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, text);
    const int room = text->width() - margins - scrollBar;
    const QStringList lines = text->toPlainText().split('\n');
    QFont font = text->font();
    for (const FaceCut& cut : DisclaimerCuts) {
        font.setStretch(cut.stretch);
        font.setPixelSize(zoomed(cut.pixels, zoom));
        const QFontMetrics metrics(font);
        // Blanks at a line's end hang in the margin and never wrap it.
        const bool fits = std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line.trimmed()) <= room;
        });
        if (fits) {
            break;
        }
    }
    text->setFont(font);
}

std::string fromScreen(const QString& text) {
    return QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

} // namespace

AboutDialog::AboutDialog(platform::PlatformServices& services, QWidget* owner, int zoom)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      box_(services), zoom_(zoom) {
    setWindowTitle(AboutBox::Caption);
    setWindowModality(Qt::ApplicationModal);
    showAtZoom(*this, zoom); // the same face as the sheets, at the zoom of the one it came from
    setFixedSize(pixels(ClientWidth, zoom), pixels(ClientHeight, zoom));

    auto* icon = new QLabel(this);
    icon->setObjectName("picIcon");
    icon->setGeometry(placementOf("picIcon", zoom));
    icon->setAlignment(Qt::AlignCenter);
    if (const QIcon appIcon = QApplication::windowIcon(); !appIcon.isNull()) {
        icon->setPixmap(appIcon.pixmap(icon->size()));
    }

    addLabel("lblTitle", box_.lblTitle)->setFont(titleFont(zoom));
    addLabel("lblVersion", box_.lblVersion);
    QWidget* disclaimer = addDisclaimer();
    addLabel("copyrightLabel", box_.copyrightLabel)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLabel("Label1", box_.warningLabel);
    QPushButton* ok = addButton("cmdOK", box_.cmdOK);
    ok->setDefault(true);
    QPushButton* sysInfo = addButton("cmdSysInfo", box_.cmdSysInfo);
    QWidget::setTabOrder(ok, sysInfo);
    QWidget::setTabOrder(sysInfo, disclaimer);
    ok->setFocus();

    box_.onClose([this] { done(QDialog::Accepted); });
}

QLabel* AboutDialog::addLabel(const char* form, const TextBox& text) {
    auto* label = new QLabel(QString::fromStdString(text.text()), this);
    label->setObjectName(form);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(placementOf(form, zoom_));
    return label;
}

QPushButton* AboutDialog::addButton(const char* form, Command& command) {
    auto* button = new QPushButton(QString::fromStdString(command.caption()), this);
    button->setObjectName(form);
    button->setGeometry(placementOf(form, zoom_));
    connect(button, &QPushButton::clicked, this, [&command] { command.userClick(); });
    return button;
}

QWidget* AboutDialog::addDisclaimer() {
    auto* text = new QPlainTextEdit(toScreen(box_.disclaimerBox.text()), this);
    text->setObjectName("Text1");
    text->setGeometry(placementOf("Text1", zoom_));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setTabChangesFocus(true);
    fitDisclaimer(text, zoom_);
    // The user may edit the text; it lives only as long as the box.
    connect(text, &QPlainTextEdit::textChanged, this,
            [this, text] { box_.disclaimerBox.userType(fromScreen(text->toPlainText())); });
    return text;
}

void AboutDialog::reject() {
    box_.cmdOK.userClick();
    if (isVisible()) {
        QDialog::reject();
    }
}

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const auto& line : Rule) {
        painter.setPen(QPen(line.colour, zoomed(line.width, zoom_)));
        painter.drawLine(pixels(line.left, zoom_), pixels(line.top, zoom_),
                         pixels(line.right, zoom_), pixels(line.top, zoom_));
    }
}
