#include "app/RepeatedOverlay.h"

#include <algorithm>
#include <limits>

#include "app/ForwardingCanvas.h"

namespace jamlog {

TextBox TextBoxes::of(const Font& font, TextAlign align, const std::string& text) {
    std::string key = font.face;
    for (int n : {font.height, font.width, font.weight, static_cast<int>(align)})
        key += '|' + std::to_string(n);
    key += '|' + text;
    auto it = known.find(key);
    if (it == known.end()) {
        if (known.size() >= capacity)
            known.clear(); // a handful of sizes and limits in use; never more than a few hundred
        it = known.emplace(std::move(key), unrotatedTextBox(font, align, text)).first;
    }
    return it->second;
}

namespace {

// The logical box a recorded call may reach: shapes as the tracking canvas marks them, unrotated texts by the
// metrics of their font.
PointBox reachOf(const CanvasCall& call, TextBoxes& texts) {
    if (call.op == CanvasOp::Text) {
        const CanvasPoint at = call.points[0];
        if (call.font.escapement != 0) {
            const long reach = textReach(call.font, call.text.size());
            return {at.x - reach, at.y - reach, at.x + reach, at.y + reach};
        }
        const TextBox b = texts.of(call.font, call.align, call.text);
        return {at.x + b.left, at.y + b.top, at.x + b.right, at.y + b.bottom};
    }
    const int count = call.op == CanvasOp::Arc ? 2 : static_cast<int>(call.points.size());
    PointBox b = boxOf(call.points.data(), count);
    const long reach = strokeReach(call.pen);
    return {b.left - reach, b.top - reach, b.right + reach, b.bottom + reach};
}

// Draws a recorded call with the drawing state it was recorded with.
void replay(const CanvasCall& call, Canvas& c) {
    const CanvasPoint* p = call.points.data();
    const int count = static_cast<int>(call.points.size());
    if (call.op == CanvasOp::Text) {
        c.setFont(call.font);
        c.setTextAlign(call.align);
        c.setBackgroundOpaque(call.opaque);
        if (call.opaque)
            c.setBackgroundColour(call.backColour);
        c.setTextColour(call.textColour);
        c.text(p[0].x, p[0].y, call.text);
        return;
    }
    c.setPen(call.pen);
    c.setBrush(call.brush);
    switch (call.op) {
    case CanvasOp::Polygon:
        return c.polygon(p, count);
    case CanvasOp::Polyline:
        return c.polyline(p, count);
    case CanvasOp::Line:
        return c.line(p[0], p[1]);
    case CanvasOp::Arc:
        return c.arc(p[0].x, p[0].y, p[1].x, p[1].y, p[2], p[3]);
    case CanvasOp::Ellipse:
        return c.ellipse(p[0].x, p[0].y, p[1].x, p[1].y);
    case CanvasOp::Rectangle:
        return c.rectangle(p[0].x, p[0].y, p[1].x, p[1].y);
    default: // the items neither fill the surface, clip nor scroll
        return;
    }
}

} // namespace

void RepeatedOverlay::resize(int width, int height) {
    drawnOver.resize(width, height);
    known = false;
}

void RepeatedOverlay::record(int items, const ItemDrawing& drawItem, int originX, int originY) {
    now.resize(static_cast<size_t>(std::max(0, items)));
    for (size_t i = 0; i < now.size(); ++i) {
        // A fresh recorder for each item, so that its calls carry no state left by the item before.
        RecordingCanvas recorder;
        Item& r = now[i];
        recorder.calls.swap(r.calls);
        recorder.clear();
        drawItem(recorder, static_cast<int>(i));
        r.calls.swap(recorder.calls);
        r.left = r.top = std::numeric_limits<long>::max(); // empty until a call grows it
        r.right = r.bottom = std::numeric_limits<long>::min();
        for (const CanvasCall& call : r.calls) {
            if (call.points.empty())
                continue;
            const PointBox b = reachOf(call, textBoxes);
            r.left = std::min(r.left, b.left - originX), r.top = std::min(r.top, b.top - originY);
            r.right = std::max(r.right, b.right - originX), r.bottom = std::max(r.bottom, b.bottom - originY);
        }
    }
}

void RepeatedOverlay::draw(Canvas& c, int items, const ItemDrawing& drawItem, int originX, int originY) {
    record(items, drawItem, originX, originY);
    const size_t count = now.size();
    due.assign(count, 0);
    const bool all = !known || last.size() != count;
    for (size_t i = 0; i < count; ++i)
        due[i] = all || now[i].calls != last[i].calls || touched(now[i]);
    // An item drawn again covers whatever of its neighbours it overlaps, so they are drawn again with it.
    for (bool grown = !all; grown;) {
        grown = false;
        for (size_t i = 0; i < count; ++i)
            if (due[i] && now[i].right >= now[i].left)
                drawnOver.mark(now[i].left, now[i].top, now[i].right, now[i].bottom);
        for (size_t i = 0; i < count; ++i)
            if (!due[i] && touched(now[i]))
                due[i] = grown = true;
    }
    const Pen pen = c.pen();
    const Brush brush = c.brush();
    for (size_t i = 0; i < count; ++i)
        if (due[i])
            for (const CanvasCall& call : now[i].calls)
                replay(call, c);
    c.setPen(pen);
    c.setBrush(brush);
    now.swap(last);
    drawnOver.clear();
    known = true;
}

} // namespace jamlog
