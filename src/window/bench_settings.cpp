// SPDX-License-Identifier: MIT
// The one place where the bench's settings are read off the window's controls.
#include "window/bench_settings.h"

#include "window/main_window_controls.h"

BenchSettings MainWindowControls::benchSettings() const {
    BenchSettings settings;
    settings.device = edition;
    settings.view.centres = ShowCenters1.checked;
    settings.view.refraction = ShowRefraction1.checked;
    settings.view.principalAxis = ShowPrincipalaxis1.checked;
    settings.view.lightSource = ShowLightsource1.checked;
    settings.view.normals = ShowNormals1.checked;
    settings.view.extendRay = Extendray1.checked;
    settings.view.extendIncidentRay = incidentray1.checked;
    settings.view.grid = ShowGridlines1.checked;
    settings.view.followReflections = FollowReflections1.checked;
    settings.view.focalPoints = ShowFocalPoints1.checked;
    settings.view.directions = ShowDirections1.checked;
    settings.leftKindIndex = leftcb.itemIndex;
    settings.rightKindIndex = rightcb.itemIndex;
    settings.leftRadiusPosition = lradiussb.position();
    settings.rightRadiusPosition = rradiussb.position();
    settings.widthPosition = widthsb.position();
    settings.slitSpacingPosition = slitsb.position();
    settings.sourceCount = sourceCount;
    settings.slitCount = slitCount;
    settings.pointSource = Pointsource1.checked;
    settings.colourScheme = colourScheme;
    settings.threeColours = threeclrb.checked();
    return settings;
}
