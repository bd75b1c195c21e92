// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

#include "canvas/colours.h"

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
    bool operator==(const OneBased&) const = default;
};

enum SurfaceKind : int { kPlane = 1, kConvex = 2, kConcave = 3 };
enum SurfaceSide : int { kLeftSide = 1, kRightSide = 2 };

// The bench's numbers. Pixel values are bench pixels (the picture planeim: x right, y
// down) unless a name says otherwise; the device frame is the bench shifted so that the
// device centre sits at (benchMidX, benchMidY).

// The zoom bar's position for a zoom of 1: the zoom factor is the position over this.
inline constexpr int kZoomUnity = 12;
// A radius bar's position counts tenths of a radius unit: 20 is 2.0 units.
inline constexpr double kRadiusPositionsPerUnit = 10.0;

// At a zoom of 1 the device stops this many pixels inside the bench's top and bottom.
inline constexpr int kApertureMargin = 10;

// The geometry and optics of the bench: everything the tracer and the device drawing
// compute from, and nothing else, so that two frames compare equal exactly when they trace
// alike.
struct BenchFrame {
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
    OneBased<int, 5> slitOffset{{0, -1, 1, -2, 2}};

    double& airIndex() { return mediumIndex[1]; }
    double& glassIndex() { return mediumIndex[2]; }
    double airIndex() const { return mediumIndex[1]; }
    double glassIndex() const { return mediumIndex[2]; }
    bool operator==(const BenchFrame&) const = default;
};

// The colours the bench is painted and traced in, for the chosen scheme.
struct BenchColours {
    int colourCount = 1;  // traced colours per ray: 1 or 3
    OneBased<TColor, 3> rayColours{{colours::orange, colours::green, colours::blue}};
    TColor sourceColour = colours::orange;
    TColor deviceOutlineColour = colours::lightGrey;
    TColor benchBackColour = colours::cream;
    TColor deviceFillColour = colours::white;
    bool operator==(const BenchColours&) const = default;
};

// Where the sources point and stand, which the handlers keep for the bench between redraws.
struct BenchHandles {
    // 1..3 source handles, 4..6 aim handles, 7..9 middle handles.
    OneBased<Shape*, 9> handleShapes{};
    // Each source's direction towards its aim (radians, y down), kept so that the source
    // can be re-placed behind its aim after a change of geometry.
    OneBased<double, 3> sourceAngle{};
    // Each aim's height on the device as a share of the aperture, kept so that a zoom can
    // put it back at the same height.
    OneBased<double, 3> aimHeightRatio{};
    // The geometry changed since the last trace, which re-places every source.
    bool geometryChanged = false;
    // The leftmost x of the device as last drawn: the sources stay left of it.
    int deviceLeftX = 0;
    // Pixels between the outline's vertices ("Redraw Speed").
    int redrawSpeed = 15;
};

// The main window's shared bench state, as the window holds it; each operation takes the
// part it needs.
struct BenchState : BenchFrame, BenchColours, BenchHandles {};

// The bench as the window creates it for a picture of this size, before the edition's
// set-up: zoom 1, two convex surfaces through the aperture ends with the radii the radius
// bars show (Position 20: 2.0 radius units), air 1.0 and glass 1.5, one colour.
BenchState createdBench(int pictureWidth, int pictureHeight, int leftRadiusPosition,
                        int rightRadiusPosition);

// The zoom for a zoom bar position, and the aperture it scales about the axis.
void setZoom(BenchFrame& bench, int scalePosition);

// The square root of a difference of squares (the half-chord of a circle), never of a
// negative number: a geometry that reached its limit by rounding stays at its edge.
double rootOfDifference(double squareA, double squareB);

// A surface's radius in pixels, zoom included.
double surfaceRadius(const BenchFrame& bench, int side);
// The left surface's base line: its x (device frame) at the aperture's ends for a convex
// lens surface, at the vertex for a concave one, and the face itself for a plane.
int leftBaseLine(const BenchFrame& bench);

// Horizontal offset, in pixels, of a curved surface at row y of the device frame, relative
// to the surface's position at its base line. Shared by the tracer and the device drawing,
// so that rays meet the device where it is drawn. Never called for a plane surface.
int surfaceOffset(const BenchFrame& bench, int y, int kind, int side);

// Centre distance of a convex lens surface: its centre of curvature lies this far inside
// the chord through the aperture ends, so the surface passes through both ends.
double chordCentreDistance(double radiusPixels, int halfAperture);
