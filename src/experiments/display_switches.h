// SPDX-License-Identifier: MIT
#pragma once

// The View switches (and Point Source) an experiment leaves on.
struct DisplaySwitches {
    bool centres = false;
    bool grid = false;
    bool lightSource = true;
    bool extendRefracted = false;
    bool extendIncident = false;
    bool principalAxis = false;
    bool normals = false;
    bool refraction = false;
    bool pointSource = false;
    // The teaching aids: no experiment turns them on, so that each
    // shows the picture it always has.
    bool followReflections = false;
    bool focalPoints = false;
    bool directions = false;
};
