// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "canvas/canvas.h"

class Shape;

// The bench's arrays are indexed the way the optics speak of them: source 1..3,
// surface side 1..2 (left, right), slit 1..5, colour 1..3.
template <typename T, std::size_t N>
struct OneBased {
    std::array<T, N> values{};

    constexpr T& operator[](std::size_t index) {
        assert(index >= 1 && index <= N);
        return values[index - 1];
    }
    constexpr const T& operator[](std::size_t index) const {
        assert(index >= 1 && index <= N);
        return values[index - 1];
    }
    static constexpr std::size_t size() { return N; }
};

enum SurfaceKind : int { kPlane = 1, kConvex = 2, kConcave = 3 };
enum SurfaceSide : int { kLeftSide = 1, kRightSide = 2 };

// The main window's shared state: every bench operation reads and writes these, under
// these names. Pixel values are bench pixels (the picture planeim: x right, y down)
// unless a name says otherwise; the device frame is the bench shifted so that the device
// centre sits at (benchMidX, benchMidY).
struct BenchState {
    int benchMidX = 0;
    int benchMidY = 0;
    double radiusUnit = 0.0;  // pixels per unit of radius: half the bench height
    int apertureTop = 0;      // device frame
    int apertureBottom = 0;   // device frame
    double zoomFactor = 1.0;
    int deviceOffsetX = 0;
    int deviceOffsetY = 0;
    double deviceWidth = 0.0;
    OneBased<int, 2> surfaceKind{{kConvex, kConvex}};
    OneBased<double, 2> radiusFactor{{2.0, 2.0}};  // zoom included
    OneBased<double, 2> surfaceCentreDist{};
    // Air (1) and glass (2) side by side, so that the index sliders address them by Tag.
    OneBased<double, 2> mediumIndex{{1.0, 1.5}};
    int deviceLeftX = 0;
    int redrawSpeed = 15;
    OneBased<int, 5> slitOffset{{0, -1, 1, -2, 2}};
    int colourCount = 1;
    OneBased<TColor, 3> rayColours{{colours::orange, colours::green, colours::blue}};
    TColor sourceColour = colours::orange;
    TColor deviceOutlineColour = colours::lightGrey;
    TColor benchBackColour = colours::cream;
    TColor deviceFillColour = colours::white;
    OneBased<double, 3> sourceAngle{};
    OneBased<double, 3> aimHeightRatio{};
    // 1..3 source handles, 4..6 aim handles, 7..9 middle handles.
    OneBased<Shape*, 9> handleShapes{};
    bool handleDragging = false;
    bool geometryChanged = false;
    int measureStep = 0;
    bool selectDragging = false;
    int markX = 0;
    int markY = 0;
    int dragX = 0;
    int dragY = 0;
    int armX = 0;
    int armY = 0;
    double measureFirstAngle = 0.0;

    double& airIndex() { return mediumIndex[1]; }
    double& glassIndex() { return mediumIndex[2]; }
    double airIndex() const { return mediumIndex[1]; }
    double glassIndex() const { return mediumIndex[2]; }
};

// Horizontal offset, in pixels, of a curved surface at row y of the device frame, relative
// to the surface's position at its base line. Shared by the tracer and the device drawing,
// so that rays meet the device where it is drawn. Never called for a plane surface.
int surfaceOffset(const BenchState& bench, int y, int kind, int side);

// Centre distance of a convex lens surface: its centre of curvature lies this far inside
// the chord through the aperture ends, so the surface passes through both ends.
double chordCentreDistance(double radiusPixels, int halfAperture);
