// SPDX-License-Identifier: MIT
#pragma once

#include "window/choices.h"

// The View menu's switches that say what the bench draws.
struct ViewSwitches {
    bool centres = false;            // "Show Centers": the centres of curvature
    bool refraction = true;          // "Show Refraction": rays go on past the left surface
    bool principalAxis = true;       // "Show Principal Axis"
    bool lightSource = true;         // "Show Light Source": the torches
    bool normals = true;             // "Show Normal"
    bool extendRay = false;          // "Extend Refracted Ray" / "Extend Reflected Ray"
    bool extendIncidentRay = false;  // "Extend Incident Ray", while a handle is held
    bool grid = true;                // "Show Grid Lines"
    bool followReflections = false;  // "Follow Internal Reflections"
    bool focalPoints = false;        // "Show Focal Points"
    bool directions = false;         // "Show Ray Directions": arrowheads along the rays
    bool operator==(const ViewSwitches&) const = default;
};

// Everything the window's controls say about how the bench is drawn and traced, as one
// value: the bench takes it with each redraw and reads no control itself.
struct BenchSettings {
    Edition device = Edition::Refraction;
    ViewSwitches view;
    // The kind boxes' item indices: 0 plane, 1 convex, 2 concave.
    int leftKindIndex = 1;
    int rightKindIndex = 1;
    int leftRadiusPosition = 20;  // tenths of a radius unit
    int rightRadiusPosition = 20;
    int widthPosition = 5;         // the device's width in pixels at a zoom of 1
    int slitSpacingPosition = 15;  // pixels between slits at a zoom of 1
    int sourceCount = 1;
    int slitCount = 1;
    bool pointSource = false;
    ColourScheme colourScheme = ColourScheme::Colour;
    bool threeColours = false;

    bool mirror() const { return device == Edition::Reflection; }
    // A point source sends three rays, one towards each aim handle.
    int tracedSources() const { return pointSource ? 3 : sourceCount; }
    bool operator==(const BenchSettings&) const = default;
};
