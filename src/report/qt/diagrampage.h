#pragma once

#include "report/runreport.h"

#include <QRectF>

class QPainter;

namespace quorin {

// A shown scatter diagram's page, with the tables of its web page: the
// heading, the file and facts, the shaded cells with their totals and the
// note on the shades, drawn within the area (in the device's pixels),
// smaller when they would not fit, never cut.
void drawDiagramPage(QPainter& painter, const DiagramReport& diagram, const QRectF& area);

} // namespace quorin
