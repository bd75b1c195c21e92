// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string>

#include "canvas/canvas.h"
#include "canvas/pixel.h"

// A canvas that keeps nothing and checks every operation it is given: coordinates within
// the range every pixel conversion holds them to, pens of a width the canvas can draw.
// It lets a test drive the windows for a long time cheaply and still see every call.
class CheckingCanvas : public Canvas {
  public:
    CheckingCanvas(int width, int height) : width_(width), height_(height) {}

    int operations = 0;
    std::string firstFault;  // empty while every call was sound

    void ellipse(int l, int t, int r, int b) override { check("ellipse", {l, t, r, b}); }
    void rectangle(int l, int t, int r, int b) override { check("rectangle", {l, t, r, b}); }
    void polygon(std::span<const Point> points) override {
        for (const Point& p : points) {
            check("polygon", {p.x, p.y});
        }
    }
    void arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
        check("arc", {l, t, r, b, x3, y3, x4, y4});
    }
    void textOut(int x, int y, const std::string&) override { check("text", {x, y}); }
    void floodFill(int x, int y, TColor) override { check("floodFill", {x, y}); }
    void copyRect(const Rect& d, const Canvas&, const Rect& s) override {
        check("copyRect", {d.left, d.top, d.right, d.bottom, s.left, s.top, s.right, s.bottom});
    }
    TColor pixel(int, int) const override { return colours::white; }
    int width() const override { return width_; }
    int height() const override { return height_; }
    void resize(int width, int height) override {
        check("resize", {width, height});
        width_ = width;
        height_ = height;
    }

  protected:
    void drawLine(Point from, Point to) override { check("line", {from.x, from.y, to.x, to.y}); }

  private:
    void check(const char* operation, std::initializer_list<int> values) {
        ++operations;
        if (!firstFault.empty()) {
            return;
        }
        for (int value : values) {
            if (std::abs(value) > 2 * static_cast<int>(kPixelLimit)) {
                firstFault = std::string(operation) + " with coordinate " + std::to_string(value);
                return;
            }
        }
        if (pen.width < 1 || pen.width > 3) {
            firstFault = std::string(operation) + " with pen width " + std::to_string(pen.width);
        }
    }

    int width_;
    int height_;
};
