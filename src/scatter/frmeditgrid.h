#pragma once

#include "common/gridmodel.h"
#include "common/platform.h"
#include "scatter/gridedit.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace quorin {

class GridHistory;

class GridView;

// What the editor needs of the run: the model file stem its files are named
// by and the spectrum type code ("1" to "3") a saved diagram records.
struct ScatterRun {
    std::string modelName;
    std::string spectrumType;
};

// The scatter diagram editor: one direction's diagram at a time, opened from
// and saved to its file through the store, edited by cell and clipboard. A
// fresh editor starts with the default headings and an empty body whatever
// the store holds; the store keeps the last diagram read or saved.
class frmEditGrid : public QDialog {
    Q_OBJECT
public:
    frmEditGrid(
        GridEdit& store, ScatterRun run, const Platform& platform, QWidget* parent = nullptr);
    ~frmEditGrid() override;

    GridView* gridView() const { return grid; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // frmeditgridlayout.cpp: the controls and their places.
    void buildControls();
    void bindShortcuts();
    void placeControls();
    int rowWidth() const; // the top row's controls and a margin
    void sizeGrid();
    void fitWindow();

    void Form_Load();
    void Open();
    void Save();
    void Cut();
    void Copy();
    void Paste();
    void stepDirection(bool up);

    ScatterContext context(ScatterBoxes& boxes);
    ScatterBoxes boxes() const;
    void showBoxes(const ScatterBoxes& boxes);
    void showTotals(const std::string& line);

    GridEdit& store_;
    const ScatterRun run_;
    Prompter& prompter_;
    Clipboard& clipboard_;
    FileLayer& files_;
    const char decimalSymbol_;
    GridModel model_ { kScatterGridRows, kScatterGridCols };

    std::array<QToolButton*, 2> Command2 {};
    std::array<QToolButton*, 3> Command3 {};
    std::array<QLabel*, 4> Label1 {};
    QLineEdit* Text2 = nullptr;
    QWidget* UpDown1 = nullptr;
    QToolButton* directionUp_ = nullptr;
    QToolButton* directionDown_ = nullptr;
    std::array<QLineEdit*, 2> Text3 {};
    QCheckBox* Check1 = nullptr;
    GridView* grid = nullptr;
    QWidget* undoRedoBox_ = nullptr; // Undo over Redo, as the spin buttons stand
    std::array<QToolButton*, 2> undoRedo_ {}; // Undo, Redo
    GridHistory* history_ = nullptr; // lives as long as the editor is open
};

} // namespace quorin
