#include "ui/lance_window.h"

#include "ui/enter_presses_button.h"
#include "ui/lance_table_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Room for a few lines at least, and for the declarations beside the damage.
constexpr int StartWidth = 1100;
constexpr int StartHeight = 260;

} // namespace

LanceWindow::LanceWindow(Lance& lance, QWidget* parent)
    : QWidget(parent, Qt::Window), lance_(lance), scene_(lance) {
    setObjectName("lance");
    setWindowTitle(QString::fromUtf8(LanceScene::Title.data(),
                                     static_cast<qsizetype>(LanceScene::Title.size())));
    // The lance is looked at beside its sheets; the program ends with the last sheet.
    setAttribute(Qt::WA_QuitOnClose, false);
    model_ = new LanceTableModel(scene_, this);
    table_ = new QTableView(this);
    table_->setObjectName("lanceTable");
    table_->setAccessibleName("Lance");
    table_->setAccessibleDescription("Every open sheet, a line each; Enter brings it to the front");
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        emit lineActivated(static_cast<std::size_t>(index.row()));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buildButtons());
    new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
    resize(StartWidth, StartHeight);
    refresh();
}

// The table reads the scene, which goes before the window's children would: the table goes
// first.
LanceWindow::~LanceWindow() {
    delete table_;
}

QWidget* LanceWindow::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(commandButton(lance_.nextTurnCommand, "lanceNextTurn",
                                 "Clear every sheet for the next turn"));
    row->addWidget(commandButton(lance_.undoCommand, "lanceUndo",
                                 "Bring every sheet back as it was before Next Turn"));
    row->addWidget(commandButton(lance_.copyDeclarationCommand, "lanceCopy",
                                 "Put every sheet's declaration on the clipboard"));
    return buttons;
}

QPushButton* LanceWindow::commandButton(Command& command, const char* name, const char* tip) {
    auto* button = new QPushButton(QString::fromStdString(command.caption()), this);
    button->setObjectName(name);
    button->setToolTip(tip);
    new EnterPressesButton(*button);
    connect(button, &QPushButton::clicked, this, [this, &command] {
        command.userClick();
        emit commandRun();
    });
    buttons_.emplace_back(button, &command);
    return button;
}

void LanceWindow::refresh() {
    const LanceScene::Changes changes = scene_.update();
    model_->sceneChanged(changes);
    if (changes.countChanged || !changes.lines.empty()) {
        table_->resizeColumnsToContents();
    }
    for (const auto& [button, command] : buttons_) {
        button->setEnabled(command->enabled());
    }
}
