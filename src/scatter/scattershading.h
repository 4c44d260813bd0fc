#pragma once

#include "common/qt/queuedrefresh.h"
#include "scatter/scattershares.h"

#include <QObject>

class QCheckBox;

namespace quorin {

class GridStrips;
class GridView;
class ShareLegend;

// What the scatter editor shows around the diagram's cells, as they change:
// each occupied cell shaded by its share of the diagram total (its tool tip
// gives both), the totals of each row beside the grid and of each column
// below it, and under them a legend of the shades and the switch between
// occurrences and parts per thousand. A display only: the cells' texts, and
// so what Save writes, are never touched.
class ScatterShading : public QObject {
    Q_OBJECT
public:
    ScatterShading(GridView& grid, char decimalSymbol);

    // Shows the diagram as the cells hold it now (otherwise it follows them
    // once the events that changed them have been handled).
    void refresh();

    QCheckBox* unitSwitch() const { return perThousand_; }
    GridStrips* strips() const { return strips_; }

private:
    ShareUnit unit() const;

    GridView& grid_;
    const char decimalSymbol_;
    GridStrips* strips_;
    ShareLegend* legend_;
    QCheckBox* perThousand_;
    QueuedRefresh queued_ { this, [this] { refresh(); } };
};

} // namespace quorin
