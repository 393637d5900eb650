#include "ui/range_chart_window.h"

#include "assembly/wire_combat_sheet.h"
#include "layout/range_chart_look.h"
#include "ui/enter_presses_button.h"
#include "ui/program_look.h"
#include "ui/range_chart_delegate.h"
#include "ui/range_chart_table_model.h"

#include <QBuffer>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Sizes in pixels at actual size; they grow with the zoom.
constexpr int SwatchWidth = 22;
constexpr int SwatchHeight = 14;
constexpr int LegendColumns = 3;
constexpr int ColumnPadding = 10;
constexpr int RowPadding = 4;
constexpr int PictureMargin = 10;
// The notice stands in for a grid several times as wide; the window stays a window.
constexpr int NoticeWidth = 420;
constexpr int NoticeMargin = 12;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A sample of a cell for the legend: its background, and the marks the delegate draws.
QPixmap swatch(const QBrush& brush, int zoom, bool edge = false, bool frame = false) {
    const int width = zoomed(SwatchWidth, zoom), height = zoomed(SwatchHeight, zoom);
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.fillRect(pixmap.rect(), brush);
    if (frame) {
        const int side = RangeChartDelegate::FrameWidth;
        painter.fillRect(0, 0, side, height, RangeChartDelegate::frameColour());
        painter.fillRect(width - side, 0, side, height, RangeChartDelegate::frameColour());
    }
    if (edge) {
        painter.fillRect(width / 2 - 1, 0, RangeChartDelegate::EdgeWidth, height,
                         RangeChartDelegate::edgeColour());
    }
    painter.setPen(Qt::gray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

// The legend's sample of a scene's legend entry.
QPixmap swatch(const RangeChartScene::LegendEntry& entry, int zoom) {
    using Sample = RangeChartScene::Sample;
    switch (entry.sample) {
    case Sample::Band:
    case Sample::OutOfRange:
        return swatch(
            RangeChartTableModel::brushOf(entry.colour, entry.sample == Sample::OutOfRange), zoom);
    case Sample::BracketEdge:
        return swatch(Qt::white, zoom, true);
    case Sample::PresentRange:
        break;
    }
    return swatch(Qt::white, zoom, false, true);
}

} // namespace

RangeChartWindow::RangeChartWindow(const CombatSheet& sheet, platform::PlatformServices& services,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), sheet_(sheet), services_(services),
      scene_(services, wireCombatSheet) {
    setObjectName("rangeChart");
    setAttribute(Qt::WA_DeleteOnClose);
    // A chart is looked at beside its sheet; the program ends with the last sheet.
    setAttribute(Qt::WA_QuitOnClose, false);
    notice_ = new QLabel(this);
    notice_->setObjectName("rangeChartNotice");
    notice_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildChartArea());
    layout->addWidget(notice_);
    layout->addWidget(buildButtons());
    // The window always fits its grid whole, so that the picture shows every line.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    new QShortcut(QKeySequence::Copy, this, this, &RangeChartWindow::copyToClipboard);
    new QShortcut(QKeySequence::Save, this, this, &RangeChartWindow::choosePictureFile);
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
    showZoom();
    refresh();
}

// The table reads the scene, which goes before the window's children would: the table goes
// first.
RangeChartWindow::~RangeChartWindow() {
    delete chartArea_;
    delete model_;
}

QWidget* RangeChartWindow::buildChartArea() {
    chartArea_ = new QWidget(this);
    model_ = new RangeChartTableModel(scene_, this);
    table_ = new QTableView(chartArea_);
    table_->setObjectName("rangeChartTable");
    table_->setAccessibleName("Range chart");
    table_->setAccessibleDescription("To-hit number and chance of each weapon at each range");
    table_->setModel(model_);
    table_->setItemDelegate(new RangeChartDelegate(table_));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setTabKeyNavigation(false);
    table_->setCornerButtonEnabled(false);
    table_->setWordWrap(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // Lines of one height: every cell holds one line of text.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto* layout = new QVBoxLayout(chartArea_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    layout->addWidget(buildLegend());
    return chartArea_;
}

// The range columns share one width, so that the ranges read as an even scale: that of the
// longest text in the bold of the present range, at least an expected damage such as "88.8".
// It is measured with its digits as 8s, the widest: measuring each cell's text after every
// change would cost more than the rest of the window's refresh.
void RangeChartWindow::sizeColumns() {
    std::string longest = "88.8";
    for (const RangeChartScene::Line& line : scene_.lines()) {
        for (const RangeChartScene::Cell& cell : line.cells) {
            longest = cell.text.size() > longest.size() ? cell.text : longest;
        }
    }
    std::replace_if(
        longest.begin(), longest.end(), [](char c) { return c >= '0' && c <= '9'; }, '8');
    QFont bold = table_->font();
    bold.setBold(true);
    const int width =
        QFontMetrics(bold).horizontalAdvance(qt(longest)) + zoomed(ColumnPadding, sheet_.zoom);
    QHeaderView* header = table_->horizontalHeader();
    if (header->defaultSectionSize() != width) {
        header->setMinimumSectionSize(std::min(width, header->minimumSectionSize()));
        header->setDefaultSectionSize(width);
    }
}

QWidget* RangeChartWindow::buildLegend() {
    auto* legend = new QWidget(chartArea_);
    legend->setObjectName("rangeChartLegend");
    auto* grid = new QGridLayout(legend);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(6);
    auto* heading = new QLabel(QString::fromUtf8(chart::LegendHeading), legend);
    grid->addWidget(heading, 0, 0, 1, 2 * LegendColumns);
    const std::vector<RangeChartScene::LegendEntry> entries = RangeChartScene::legend();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int row = 1 + static_cast<int>(i) / LegendColumns;
        const int column = 2 * (static_cast<int>(i) % LegendColumns);
        auto* sample = new QLabel(legend);
        grid->addWidget(sample, row, column);
        swatches_.push_back(sample);
        grid->addWidget(new QLabel(qt(entries[i].text), legend), row, column + 1);
    }
    grid->setColumnStretch(2 * LegendColumns - 1, 1);
    return legend;
}

// The chart grows and shrinks with its sheet: its text, its lines and the legend's samples.
void RangeChartWindow::showZoom() {
    zoom_ = sheet_.zoom;
    showAtZoom(*this, zoom_);
    notice_->setMargin(zoomed(NoticeMargin, zoom_));
    notice_->setMinimumWidth(zoomed(NoticeWidth, zoom_));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() +
                                                    zoomed(RowPadding, zoom_));
    const std::vector<RangeChartScene::LegendEntry> entries = RangeChartScene::legend();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        swatches_[i]->setPixmap(swatch(entries[i], zoom_));
    }
}

QWidget* RangeChartWindow::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    copy_ = new QPushButton("Copy", buttons);
    copy_->setObjectName("rangeChartCopy");
    copy_->setToolTip("Put the chart on the clipboard as tab-separated text (Ctrl+C)");
    save_ = new QPushButton("Save Picture...", buttons);
    save_->setObjectName("rangeChartSave");
    save_->setToolTip("Save the chart and its legend as a PNG picture (Ctrl+S)");
    row->addWidget(copy_);
    row->addWidget(save_);
    new EnterPressesButton(*copy_);
    new EnterPressesButton(*save_);
    connect(copy_, &QPushButton::clicked, this, &RangeChartWindow::copyToClipboard);
    connect(save_, &QPushButton::clicked, this, &RangeChartWindow::choosePictureFile);
    return buttons;
}

void RangeChartWindow::refresh() {
    if (zoom_ != sheet_.zoom) {
        showZoom();
    }
    model_->sceneChanged(scene_.update(sheet_));
    setWindowTitle(qt(scene_.title()));
    sizeColumns();
    const bool drawn = scene_.notice().empty();
    notice_->setText(qt(scene_.notice()));
    notice_->setVisible(!drawn);
    chartArea_->setVisible(drawn);
    copy_->setEnabled(drawn);
    save_->setEnabled(drawn);
}

// Like the sheet's Copy, a clipboard that cannot be written leaves everything as it was.
void RangeChartWindow::copyToClipboard() {
    if (scene_.notice().empty()) {
        platform::copyToClipboard(services_.clipboard, scene_.chart().tabSeparated());
    }
}

void RangeChartWindow::choosePictureFile() {
    if (!scene_.notice().empty()) {
        return;
    }
    std::string path = services_.fileDialog.choosePictureToSave(
        QDir::home().filePath("range-chart.png").toStdString());
    if (path.empty()) {
        return;
    }
    if (!QString::fromStdString(path).endsWith(".png", Qt::CaseInsensitive)) {
        path += ".png";
    }
    // Written as a Mech is, so that a refusal says why in the same words.
    const std::string refused = services_.fileStore.write(path, pictureBytes());
    if (!refused.empty()) {
        services_.messageBox.show(
            "Cannot save the picture to \"" +
            QDir::toNativeSeparators(QString::fromStdString(path)).toStdString() + "\":\n" +
            refused);
    }
}

std::string RangeChartWindow::pictureBytes() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture().save(&buffer, "PNG");
    return bytes.toStdString();
}

// Under the window's title, so that a picture passed on says whose chart it is.
QPixmap RangeChartWindow::picture() const {
    const QPixmap chart = chartArea_->grab();
    const QSize chartSize = chart.deviceIndependentSize().toSize();
    const int titleHeight = fontMetrics().height() + PictureMargin;
    const QSize size = chartSize + QSize(2 * PictureMargin, 2 * PictureMargin + titleHeight);
    QPixmap picture(size * chart.devicePixelRatio());
    picture.setDevicePixelRatio(chart.devicePixelRatio());
    picture.fill(palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(PictureMargin, PictureMargin, chartSize.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignTop, windowTitle());
    painter.drawPixmap(PictureMargin, PictureMargin + titleHeight, chart);
    painter.end();
    return picture;
}
