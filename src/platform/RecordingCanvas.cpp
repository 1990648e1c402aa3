// Recording canvas: each call becomes one entry with the drawing state of the moment.
#include "platform/RecordingCanvas.h"

namespace jamlog {

CanvasCall& RecordingCanvas::add(CanvasOp op, const CanvasPoint* points, int count) {
    CanvasCall c{op, currentPen, currentBrush, {}, {}, font, align, opaque, textColour, backColour, 0};
    if (points)
        c.points.assign(points, points + count);
    calls.push_back(std::move(c));
    return calls.back();
}

void RecordingCanvas::line(CanvasPoint from, CanvasPoint to) {
    CanvasPoint p[2] = {from, to};
    add(CanvasOp::Line, p, 2);
}

void RecordingCanvas::arc(int left, int top, int right, int bottom, CanvasPoint from, CanvasPoint to) {
    CanvasPoint p[4] = {{left, top}, {right, bottom}, from, to};
    add(CanvasOp::Arc, p, 4);
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
    CanvasPoint p[2] = {{left, top}, {right, bottom}};
    add(CanvasOp::Ellipse, p, 2);
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom) {
    CanvasPoint p[2] = {{left, top}, {right, bottom}};
    add(CanvasOp::Rectangle, p, 2);
}

void RecordingCanvas::fillSurface(Colour colour) {
    add(CanvasOp::FillSurface, nullptr, 0).fill = colour;
}

void RecordingCanvas::text(int x, int y, const std::string& str) {
    CanvasPoint p{x, y};
    add(CanvasOp::Text, &p, 1).text = str;
}

void RecordingCanvas::scroll(int dx, int dy) {
    CanvasPoint p{dx, dy};
    add(CanvasOp::Scroll, &p, 1);
}

std::vector<CanvasCall> RecordingCanvas::of(CanvasOp op) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls)
        if (c.op == op)
            out.push_back(c);
    return out;
}

} // namespace jamlog
