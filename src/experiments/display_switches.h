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
};
