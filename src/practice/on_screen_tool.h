// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"

// The one measuring tool on the practice picture. The protractor page and the ruler page
// both drive it, and neither clears what the other left: Check right after a page change
// judges the last reading of whichever tool was used, and the ruler is drawn where the
// protractor left the tool.
struct OnScreenTool {
    // Each release of the mouse button on the picture moves the tool on to its next state;
    // Next, a page change and showing the window put it back to following the mouse.
    static constexpr int kFollowsMouse = 0;
    static constexpr int kTurnsToMouse = 1;
    // While it follows the mouse the tool lies to the right of it, this far.
    static constexpr int kAimOffset = 20;

    Point origin;           // the protractor's centre or the ruler's zero end
    Point aim;              // the point that fixes the tool's direction
    double angle = 0;       // the direction from the aim towards the origin, radians
    double savedAngle = 0;  // the angle as last placed or turned
    double reading = 0;     // the last valid reading: degrees from the 0° end, or pixels
    int state = kFollowsMouse;

    void startOver() { state = kFollowsMouse; }
    void advance(int states) { state = (state + 1) % states; }

    // Following, the origin goes to the mouse with the aim to its right; turning, the origin
    // stays and the aim goes to the mouse; in any later state the tool keeps its place.
    void moveWithMouse(Point mouse) {
        if (state == kFollowsMouse) {
            origin = mouse;
            aim = {mouse.x + kAimOffset, mouse.y};
        } else if (state == kTurnsToMouse) {
            aim = mouse;
        }
    }
    void turnTo(double direction) {
        angle = direction;
        savedAngle = direction;
    }
};
