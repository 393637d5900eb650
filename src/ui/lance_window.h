#pragma once

#include "layout/lance_scene.h"

#include <QWidget>

class Lance;
class LanceTableModel;
class QPushButton;
class QTableView;

// The lance view in a window of its own, drawn from its scene: a line per open sheet and the
// buttons of the lance's commands. Whoever shows the sheets calls refresh() after every change
// on any of them; activating a line (a double click, or Enter) asks for that sheet.
class LanceWindow : public QWidget {
    Q_OBJECT
public:
    explicit LanceWindow(Lance& lance, QWidget* parent = nullptr);
    ~LanceWindow() override;

    QTableView* table() const { return table_; }
    const LanceScene& scene() const { return scene_; }
    // Reads every sheet again and redraws what changed.
    void refresh();

signals:
    void lineActivated(std::size_t line);
    // After one of the lance's commands ran from a button.
    void commandRun();

private:
    QWidget* buildButtons();
    QPushButton* commandButton(Command& command, const char* name, const char* tip);

    Lance& lance_;
    LanceScene scene_;
    LanceTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    std::vector<std::pair<QPushButton*, const Command*>> buttons_;
};
