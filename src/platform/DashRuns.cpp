// Dash runs along polylines and the flattening of arcs for them.
#include "platform/DashRuns.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace jamlog {

namespace {

constexpr qreal arcTolerance = 0.125; // pixels between a chord and the curve
constexpr int maxArcSegments = 4096;

} // namespace

void dashRuns(const QPointF* p, int count, std::span<const qreal> pattern, std::vector<QPointF>& run,
              const std::function<void(const QPointF*, int)>& onRun) {
    if (count < 2 || pattern.empty())
        return;
    size_t k = 0;            // the pattern element in force; even elements are on
    qreal left = pattern[0]; // what remains of it
    run.clear();
    run.push_back(p[0]);
    for (int i = 0; i + 1 < count; ++i) {
        const QPointF a = p[i], d = p[i + 1] - p[i];
        const qreal length = std::max(std::abs(d.x()), std::abs(d.y()));
        if (length == 0)
            continue;
        qreal t = 0;
        while (length - t > left) { // the element ends inside this segment
            t += left;
            const QPointF q = a + d * (t / length);
            if (k % 2 == 0) {
                run.push_back(q);
                onRun(run.data(), static_cast<int>(run.size()));
            }
            run.clear();
            run.push_back(q);
            k = (k + 1) % pattern.size();
            left = pattern[k];
        }
        left -= length - t;
        if (k % 2 == 0)
            run.push_back(p[i + 1]);
    }
    if (k % 2 == 0 && run.size() >= 2)
        onRun(run.data(), static_cast<int>(run.size()));
}

void arcPolyline(const QRectF& box, qreal startDeg, qreal spanDeg, std::vector<QPointF>& out) {
    const qreal rx = box.width() / 2, ry = box.height() / 2, cx = box.x() + rx, cy = box.y() + ry;
    const qreal radius = std::max({std::abs(rx), std::abs(ry), qreal(1)});
    const qreal step = 2 * std::acos(1 - arcTolerance / radius);
    const qreal span = spanDeg * std::numbers::pi / 180, start = startDeg * std::numbers::pi / 180;
    const int n = std::clamp(static_cast<int>(std::ceil(std::abs(span) / step)), 1, maxArcSegments);
    out.clear();
    for (int i = 0; i <= n; ++i) {
        const qreal a = start + span * i / n;
        out.emplace_back(cx + rx * std::cos(a), cy - ry * std::sin(a));
    }
}

} // namespace jamlog
