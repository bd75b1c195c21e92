// SPDX-License-Identifier: MIT
#include "devices/device_painter.h"
#include "devices/devices_layer.h"

void DevicesLayer::drawlensbtClick() {
    const SchemeColours scheme = schemeColours(colourScheme, threeclrb.checked());
    bench.sourceColour = scheme.source;
    bench.deviceOutlineColour = scheme.outline;
    bench.benchBackColour = scheme.back;
    bench.deviceFillColour = scheme.fill;

    DeviceDrawing drawing;
    drawing.widthPosition = widthsb.position();
    drawing.deviceCentre = benchCentre(centerg);
    drawing.mirror = mirror();
    drawing.showGrid = ShowGridlines1.checked;
    drawing.showAxis = ShowPrincipalaxis1.checked;
    drawing.colours = scheme;
    bench.deviceLeftX = paintDevice(lensCanvas(), bench, drawing);

    plotbtClick();
}
