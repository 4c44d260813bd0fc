#include "common/qt/gridstrips.h"

#include "common/qt/gridview.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace quorin {

namespace {

// The widest text a strip cell is laid out for at least.
constexpr const char* kSampleTotal = "00000.0";

void setText(QStandardItemModel& model, int row, int col, const QString& text)
{
    QStandardItem* item = model.item(row, col);
    if (item->text() != text)
        item->setText(text);
}

} // namespace

GridStrips::GridStrips(GridView& grid, const QString& rowsName, const QString& columnsName)
    : QObject(&grid)
    , grid_(grid)
    , rowTexts_(new QStandardItemModel(grid.model()->rowCount(), 1, this))
    , columnTexts_(new QStandardItemModel(1, grid.model()->columnCount(), this))
    , rowClip_(new QWidget(&grid))
    , columnClip_(new QWidget(&grid))
    , rows_(makeStrip(rowsName, rowTexts_))
    , columns_(makeStrip(columnsName, columnTexts_))
{
    rows_->setParent(rowClip_);
    columns_->setParent(columnClip_);
    for (QStandardItemModel* model : { rowTexts_, columnTexts_ })
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c) {
                auto* item = new QStandardItem;
                item->setEditable(false);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                model->setItem(r, c, item);
            }
    connect(&grid, &GridView::cellAreaMoved, this, &GridStrips::place);
    connect(grid.horizontalHeader(), &QHeaderView::sectionResized, this, &GridStrips::place);
    connect(grid.verticalHeader(), &QHeaderView::sectionResized, this, &GridStrips::place);
    reserveRoom();
}

QTableView* GridStrips::makeStrip(const QString& name, QStandardItemModel* model)
{
    auto* strip = new QTableView;
    strip->setObjectName(QString(name).remove(QLatin1Char(' ')));
    strip->setAccessibleName(name);
    strip->setModel(model);
    strip->horizontalHeader()->hide();
    strip->verticalHeader()->hide();
    strip->horizontalHeader()->setMinimumSectionSize(0);
    strip->verticalHeader()->setMinimumSectionSize(0);
    strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip->setFrameShape(QFrame::NoFrame);
    strip->setFocusPolicy(Qt::NoFocus);
    strip->setSelectionMode(QAbstractItemView::NoSelection);
    strip->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Read-only: drawn on the headings' colours rather than the cells'.
    QPalette colours = strip->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    strip->setPalette(colours);
    return strip;
}

void GridStrips::setTexts(const std::vector<QString>& rows, const std::vector<QString>& columns)
{
    const auto textAt = [](const std::vector<QString>& texts, int i) {
        return static_cast<std::size_t>(i) < texts.size() ? texts[static_cast<std::size_t>(i)]
                                                          : QString();
    };
    for (int r = 0; r < rowTexts_->rowCount(); ++r)
        setText(*rowTexts_, r, 0, textAt(rows, r));
    for (int c = 0; c < columnTexts_->columnCount(); ++c)
        setText(*columnTexts_, 0, c, textAt(columns, c));
}

void GridStrips::setFooter(QWidget* footer)
{
    footer_ = footer;
    footer_->setParent(&grid_);
    reserveRoom();
}

void GridStrips::reserveRoom()
{
    const QFontMetrics metrics = rows_->fontMetrics();
    const int margin = 2 * rows_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 6;
    const int width
        = std::max(grid_.columnWidth(0), metrics.horizontalAdvance(kSampleTotal) + margin);
    const int height = grid_.verticalHeader()->defaultSectionSize();
    rows_->horizontalHeader()->setDefaultSectionSize(width);
    columns_->verticalHeader()->setDefaultSectionSize(height);
    const int footer = footer_ ? footer_->sizeHint().height() : 0;
    grid_.setTrailingMargins(QSize(width, height + footer));
    place();
}

void GridStrips::matchSections()
{
    const QHeaderView& gridRows = *grid_.verticalHeader();
    const QHeaderView& gridColumns = *grid_.horizontalHeader();
    for (int r = 0; r < rowTexts_->rowCount(); ++r)
        if (rows_->rowHeight(r) != gridRows.sectionSize(r))
            rows_->setRowHeight(r, gridRows.sectionSize(r));
    for (int c = 0; c < columnTexts_->columnCount(); ++c)
        if (columns_->columnWidth(c) != gridColumns.sectionSize(c))
            columns_->setColumnWidth(c, gridColumns.sectionSize(c));
}

// The strips stand right after the last column and under the last row, or at
// the cells' edges when those lie beyond the view.
void GridStrips::place()
{
    matchSections();
    const QRect area = grid_.viewport()->geometry();
    const QHeaderView& gridRows = *grid_.verticalHeader();
    const QHeaderView& gridColumns = *grid_.horizontalHeader();
    const QSize room = grid_.trailingMargins();
    const int right
        = std::min(area.x() + gridColumns.length() - gridColumns.offset(), area.right() + 1);
    const int below = std::min(area.y() + gridRows.length() - gridRows.offset(), area.bottom() + 1);
    const int stripHeight = columns_->verticalHeader()->defaultSectionSize();

    rowClip_->setGeometry(right, area.y(), room.width(), std::max(0, below - area.y()));
    rows_->setGeometry(0, -gridRows.offset(), room.width(), gridRows.length());
    columnClip_->setGeometry(area.x(), below, std::max(0, right - area.x()), stripHeight);
    columns_->setGeometry(-gridColumns.offset(), 0, gridColumns.length(), stripHeight);
    if (footer_)
        footer_->setGeometry(area.x(), below + stripHeight, area.width() + room.width(),
            footer_->sizeHint().height());
    for (QWidget* widget : { rowClip_, columnClip_, footer_ })
        if (widget) {
            widget->show();
            widget->raise();
        }
}

} // namespace quorin
