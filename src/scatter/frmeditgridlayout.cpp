// The editor's controls and where they go: the design places in twips,
// converted at the logical DPI and grown where the fonts need more room.
#include "common/qt/gridhistory.h"
#include "common/qt/gridview.h"
#include "common/qt/widgethelpers.h"
#include "scatter/frmeditgrid.h"
#include "scatter/pictureicons.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QToolTip>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace quorin {

namespace {

namespace text {
constexpr const char* directionNo = "Direction No";
constexpr const char* scalingFactor = "Diagram Scaling Factor";
constexpr const char* total = "Total";
constexpr const char* years = "Period (Yrs)";
constexpr const char* steepness = "Ste";
constexpr const char* directionUp = "Direction Up";
constexpr const char* directionDown = "Direction Down";
constexpr const char* grid = "Scatter Diagram";
} // namespace text

// Left, top, width and height in twips.
struct Twips {
    int left, top, width, height;
};

constexpr Twips kCommand2[] = { { 0, 0, 375, 375 }, { 390, 0, 375, 375 } };
constexpr Twips kCommand3[]
    = { { 750, 0, 375, 375 }, { 1140, 0, 375, 375 }, { 1530, 0, 375, 375 } };
// Undo over Redo, after the design's buttons and as narrow as the spin
// buttons: what follows moves right.
constexpr Twips kUndoRedo { 1920, 0, 240, 345 };
constexpr Twips kLabel1[] = { { 1950, 60, 975, 195 }, { 3510, 60, 1695, 195 },
    { 7860, 60, 2625, 225 }, { 5790, 60, 825, 195 } };
constexpr Twips kText2 { 2880, 30, 315, 285 };
constexpr Twips kUpDown1 { 3210, 0, 240, 345 };
constexpr Twips kText3[] = { { 5250, 30, 495, 285 }, { 6690, 30, 465, 285 } };
constexpr Twips kCheck1 { 7170, 60, 555, 225 };
constexpr int kColumnTwips = 550;
constexpr int kRowTwips = 240; // the grid's design row height
constexpr int kWindowTwips[] = { 550 * (18 + 1) + 206, 7070 };

// The least room between the text of a control and the next control, in pixels.
constexpr int kGap = 3;

// The widest text a column shows by default.
constexpr const char* kWidestHeading = "12.25";

QToolButton* pictureButton(QWidget* parent, const QString& name, const char* tip, Picture picture)
{
    auto* button = named(new QToolButton(parent), name);
    button->setIcon(pictureIcon(picture, *button));
    button->setToolTip(qs(tip));
    button->setAccessibleName(qs(tip));
    button->setAutoRaise(false);
    // A click takes the focus, as the cell editor's rules expect of a button.
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLineEdit* box(QWidget* parent, const QString& name, const char* accessible)
{
    auto* edit = named(new QLineEdit(QStringLiteral("1"), parent), name);
    edit->setAccessibleName(qs(accessible));
    return edit;
}

// The size a line edit needs to show the sample text in full.
QSize lineEditSize(const QLineEdit& edit, const QString& sample)
{
    const QFontMetrics metrics = edit.fontMetrics();
    const QMargins margins = edit.textMargins();
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    const QSize content(metrics.horizontalAdvance(sample) + 4 + margins.left() + margins.right(),
        metrics.height() + 2 + margins.top() + margins.bottom());
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, &edit);
}

} // namespace

void frmEditGrid::buildControls()
{
    Command2[0] = pictureButton(this, indexed("Command2", 0), "Open", Picture::Open);
    Command2[1] = pictureButton(this, indexed("Command2", 1), "Save", Picture::Save);
    Command3[0] = pictureButton(this, indexed("Command3", 0), "Cut", Picture::Cut);
    Command3[1] = pictureButton(this, indexed("Command3", 1), "Copy", Picture::Copy);
    Command3[2] = pictureButton(this, indexed("Command3", 2), "Pasts", Picture::Paste);
    undoRedoBox_ = named(new QWidget(this), QStringLiteral("UndoRedo"));
    for (auto*& button : undoRedo_) {
        button = new QToolButton(undoRedoBox_);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setFocusPolicy(Qt::StrongFocus);
    }
    undoRedo_[0]->setObjectName(QStringLiteral("cmdUNDO"));
    undoRedo_[1]->setObjectName(QStringLiteral("cmdREDO"));

    const char* const labels[]
        = { text::directionNo, text::scalingFactor, text::total, text::years };
    for (int i = 0; i < 4; ++i)
        Label1[i] = named(new QLabel(qs(labels[i]), this), indexed("Label1", i));
    // The totals line stands out on the tool tip colours.
    QPalette tipColours = Label1[2]->palette();
    tipColours.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    tipColours.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    Label1[2]->setPalette(tipColours);
    Label1[2]->setAutoFillBackground(true);

    Text2 = box(this, QStringLiteral("Text2"), text::directionNo);
    UpDown1 = named(new QWidget(this), QStringLiteral("UpDown1"));
    directionUp_ = named(new QToolButton(UpDown1), QStringLiteral("UpDown1Up"));
    directionDown_ = named(new QToolButton(UpDown1), QStringLiteral("UpDown1Down"));
    directionUp_->setArrowType(Qt::UpArrow);
    directionDown_->setArrowType(Qt::DownArrow);
    directionUp_->setAccessibleName(qs(text::directionUp));
    directionDown_->setAccessibleName(qs(text::directionDown));
    directionUp_->setFocusPolicy(Qt::StrongFocus);
    directionDown_->setFocusPolicy(Qt::StrongFocus);
    Text3[0] = box(this, indexed("Text3", 0), text::scalingFactor);
    Text3[1] = box(this, indexed("Text3", 1), text::years);
    Check1 = named(new QCheckBox(qs(text::steepness), this), QStringLiteral("Check1"));

    grid = named(new GridView(model_, this), QStringLiteral("grid"));
    grid->setAccessibleName(qs(text::grid));
    grid->editor()->setObjectName(QStringLiteral("Text1"));

    // Tab order: the top row from left to right, then the grid.
    QWidget* order[]
        = { Command2[0], Command2[1], Command3[0], Command3[1], Command3[2], undoRedo_[0],
              undoRedo_[1], Text2, directionUp_, directionDown_, Text3[0], Text3[1], Check1, grid };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmEditGrid::bindShortcuts()
{
    // One undo step per command: the cells, the two boxes and the totals line.
    history_ = new GridHistory(model_, this);
    history_->keepAlso(
        [this] {
            return GridHistory::Texts { Text3[0]->text().toStdString(),
                Text3[1]->text().toStdString(), Label1[2]->text().toStdString() };
        },
        [this](const GridHistory::Texts& texts) {
            Text3[0]->setText(qs(texts[0]));
            Text3[1]->setText(qs(texts[1]));
            Label1[2]->setText(qs(texts[2]));
        });
    grid->setRecorder([this](const QString& what, const std::function<void()>& change) {
        history_->record(what, change);
    });
    connect(grid, &GridView::undoRequested, history_->stack(), &QUndoStack::undo);
    connect(grid, &GridView::redoRequested, history_->stack(), &QUndoStack::redo);
    undoRedo_[0]->setDefaultAction(history_->undoAction());
    undoRedo_[1]->setDefaultAction(history_->redoAction());

    // Ctrl+X, Ctrl+C and Ctrl+V on the grid, and Ctrl+V of a block in the
    // cell editor, act as the buttons do.
    grid->setClipboard(&clipboard_);
    connect(grid, &GridView::rangeCommand, this, [this](GridView::RangeCommand command) {
        switch (command) {
        case GridView::RangeCommand::Cut:
            Cut();
            break;
        case GridView::RangeCommand::Copy:
            Copy();
            break;
        case GridView::RangeCommand::Paste:
            Paste();
            break;
        }
    });
}

void frmEditGrid::placeControls()
{
    const double dpi = logicalDpiX();
    const auto px = [dpi](int twips) { return GridView::twipsToPixels(twips, dpi); };
    struct Place {
        QWidget* widget;
        Twips design;
        QSize needed; // what the fonts need
    };
    const QString direction = QStringLiteral("12");
    const Place row[] = {
        { Command2[0], kCommand2[0], Command2[0]->sizeHint() },
        { Command2[1], kCommand2[1], Command2[1]->sizeHint() },
        { Command3[0], kCommand3[0], Command3[0]->sizeHint() },
        { Command3[1], kCommand3[1], Command3[1]->sizeHint() },
        { Command3[2], kCommand3[2], Command3[2]->sizeHint() },
        { undoRedoBox_, kUndoRedo, {} },
        { Label1[0], kLabel1[0], Label1[0]->sizeHint() },
        { Text2, kText2, lineEditSize(*Text2, direction) },
        { UpDown1, kUpDown1, {} },
        { Label1[1], kLabel1[1], Label1[1]->sizeHint() },
        { Text3[0], kText3[0], lineEditSize(*Text3[0], QStringLiteral("0.25")) },
        { Label1[3], kLabel1[3], Label1[3]->sizeHint() },
        { Text3[1], kText3[1], lineEditSize(*Text3[1], QStringLiteral("100")) },
        { Check1, kCheck1, Check1->sizeHint() },
        { Label1[2], kLabel1[2], Label1[2]->sizeHint() },
    };
    int rowHeight = px(kCommand2[0].height);
    for (const Place& place : row)
        rowHeight = std::max(rowHeight, place.needed.height());
    // A control starts at its design place, moved right by as much as the
    // controls before it grew, and after the end of the text before it.
    int shift = 0;
    int contentEnd = 0;
    for (const Place& place : row) {
        const Twips& d = place.design;
        const bool picture = d.height == kCommand2[0].height;
        int w = std::max(px(d.width), place.needed.width());
        int h = std::max(px(d.height), place.needed.height());
        if (picture)
            w = h = std::max({ w, h, rowHeight });
        const int left = std::max(px(d.left) + shift, contentEnd + (contentEnd ? kGap : 0));
        const int top = px(d.top) + h <= rowHeight ? px(d.top) : (rowHeight - h) / 2;
        place.widget->setGeometry(left, top, w, h);
        shift = left + w - px(d.left + d.width);
        contentEnd = left + (place.needed.width() > 0 ? place.needed.width() : w);
    }
    // Two buttons, one over the other, in each of the two narrow boxes.
    for (const auto& [box, upper, lower] : { std::tuple(UpDown1, directionUp_, directionDown_),
             std::tuple(undoRedoBox_, undoRedo_[0], undoRedo_[1]) }) {
        const QRect area = box->rect();
        upper->setGeometry(0, 0, area.width(), area.height() / 2);
        lower->setGeometry(0, area.height() / 2, area.width(), area.height() - area.height() / 2);
    }
    // A long totals line widens the window rather than being cut off.
    if (isVisible() && rowWidth() > width())
        resize(rowWidth(), height());
}

int frmEditGrid::rowWidth() const
{
    return Label1[2]->geometry().right() + 1 + kGap;
}

void frmEditGrid::sizeGrid()
{
    const double dpi = logicalDpiX();
    const auto px = [dpi](int twips) { return GridView::twipsToPixels(twips, dpi); };
    const QFontMetrics cells = grid->fontMetrics();
    const int margin = 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    const int column = std::max(px(kColumnTwips), cells.horizontalAdvance(kWidestHeading) + margin);
    const int columnTwips = column == px(kColumnTwips)
        ? kColumnTwips
        : static_cast<int>(std::ceil(column * 1440.0 / dpi));
    for (int c = 0; c < kScatterGridCols; ++c)
        grid->setColumnWidthTwips(c, columnTwips);
    const int rowHeight = std::max(px(kRowTwips), cells.height() + 4);
    grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
}

void frmEditGrid::fitWindow()
{
    const double dpi = logicalDpiX();
    const int frame = 2 * grid->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QHeaderView& columns = *grid->horizontalHeader();
    const QHeaderView& rows = *grid->verticalHeader();
    // The whole diagram in view, with its totals, and room for a scroll bar
    // when the screen is small.
    const QSize totals = grid->trailingMargins();
    const int gridWidth = rows.width() + columns.length() + totals.width() + frame + scrollBar;
    const int gridHeight = columns.sizeHint().height() + rows.length() + totals.height() + frame;
    QSize size(std::max({ GridView::twipsToPixels(kWindowTwips[0], dpi), rowWidth(), gridWidth }),
        std::max(
            GridView::twipsToPixels(kWindowTwips[1], dpi), Command2[0]->height() + gridHeight));
    const QRect area = (parentWidget() ? parentWidget()->screen() : screen())->availableGeometry();
    // The window's title bar takes from the screen too; the grid scrolls below that.
    size = size.boundedTo(area.size() - QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight)));
    resize(size);
    move(area.x() + (area.width() - size.width()) / 2,
        area.y() + (area.height() - size.height()) / 2);
}

} // namespace quorin
