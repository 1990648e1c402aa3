// The dashes of a styled pen along a polyline, measured from the polyline's own first point, so that where the
// dashes fall does not depend on which part of the line a surface shows.
#pragma once
#include <QPointF>
#include <QRectF>
#include <functional>
#include <span>
#include <vector>

namespace jamlog {

// Walks the polyline through a repeating pattern of on and off lengths (on first), in pixel steps along each
// segment's major axis as a one-pixel pen steps, and hands every on run to `onRun` as a polyline of its own.
// `run` is working storage, kept by the caller so that it is allocated once.
void dashRuns(const QPointF* points, int count, std::span<const qreal> pattern, std::vector<QPointF>& run,
              const std::function<void(const QPointF*, int)>& onRun);

// The polyline of the elliptic arc inscribed in the box, from startDeg counter-clockwise over spanDeg degrees
// (angles on the ellipse's parameter, as QPainter::drawArc takes them), no point further than a small fraction of
// a pixel from the curve.
void arcPolyline(const QRectF& box, qreal startDeg, qreal spanDeg, std::vector<QPointF>& out);

} // namespace jamlog
