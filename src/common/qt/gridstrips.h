#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QStandardItemModel;
class QTableView;
class QWidget;

namespace quorin {

class GridView;

// Two read-only strips of text beside a grid's cells: one cell per data row
// at their right and one per data column below them, each in line with its
// row or column as the grid scrolls and its rows and columns change size. A
// footer (a legend, a switch) may lie under the column strip. Each strip is
// a table assistive technology reads by its name; neither takes the focus.
class GridStrips : public QObject {
    Q_OBJECT
public:
    GridStrips(GridView& grid, const QString& rowsName, const QString& columnsName);

    // Texts for rows 1 on and columns 1 on; missing ones are empty.
    void setTexts(const std::vector<QString>& rows, const std::vector<QString>& columns);
    // The footer, a widget of the grid's window, lies under the column strip.
    void setFooter(QWidget* footer);

    QTableView* rowStrip() const { return rows_; }
    QTableView* columnStrip() const { return columns_; }

private:
    QTableView* makeStrip(const QString& name, QStandardItemModel* model);
    void reserveRoom();
    void place();
    void matchSections();

    GridView& grid_;
    QStandardItemModel* rowTexts_;
    QStandardItemModel* columnTexts_;
    QWidget* rowClip_; // the strips scroll inside these, as the cells do
    QWidget* columnClip_;
    QTableView* rows_;
    QTableView* columns_;
    QWidget* footer_ = nullptr;
};

} // namespace quorin
