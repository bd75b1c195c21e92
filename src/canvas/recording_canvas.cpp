// SPDX-License-Identifier: MIT
#include "canvas/recording_canvas.h"

#include <algorithm>

DrawCall RecordingCanvas::record(DrawOp op, std::vector<int> args) const {
    return DrawCall{op, std::move(args), {}, {}, pen, brush, font};
}

void RecordingCanvas::drawLine(Point from, Point to) {
    calls.push_back(record(DrawOp::Line, {from.x, from.y, to.x, to.y}));
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
    calls.push_back(record(DrawOp::Ellipse, {left, top, right, bottom}));
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom) {
    calls.push_back(record(DrawOp::Rectangle, {left, top, right, bottom}));
}

void RecordingCanvas::polygon(std::span<const Point> points) {
    DrawCall call = record(DrawOp::Polygon, {});
    call.points.assign(points.begin(), points.end());
    calls.push_back(std::move(call));
}

void RecordingCanvas::arc(int left, int top, int right, int bottom, int startX, int startY,
                          int endX, int endY) {
    calls.push_back(record(DrawOp::Arc, {left, top, right, bottom, startX, startY, endX, endY}));
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    DrawCall call = record(DrawOp::Text, {x, y});
    call.text = text;
    calls.push_back(std::move(call));
}

void RecordingCanvas::floodFill(int x, int y, TColor border) {
    calls.push_back(record(DrawOp::FloodFill, {x, y, static_cast<int>(border)}));
}

void RecordingCanvas::copyRect(const Rect& destRect, const Canvas&, const Rect& sourceRect) {
    calls.push_back(record(DrawOp::CopyRect,
                           {destRect.left, destRect.top, destRect.right, destRect.bottom,
                            sourceRect.left, sourceRect.top, sourceRect.right, sourceRect.bottom}));
}

TColor RecordingCanvas::pixel(int, int) const {
    return colours::white;
}

void RecordingCanvas::resize(int width, int height) {
    width_ = width;
    height_ = height;
}

std::vector<DrawCall> RecordingCanvas::callsOf(DrawOp op) const {
    std::vector<DrawCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [op](const DrawCall& call) { return call.op == op; });
    return found;
}

std::vector<DrawCall> RecordingCanvas::linesIn(TColor colour) const {
    std::vector<DrawCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [colour](const DrawCall& call) {
                     return call.op == DrawOp::Line && call.pen.color == colour;
                 });
    return found;
}
