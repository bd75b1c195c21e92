// SPDX-License-Identifier: MIT
// The number of sources and slits, the slit width, the point source, and which handles show.
#include <string>

#include "controls/translation.h"
#include "sources/sources_layer.h"
#include "window/option_captions.h"

void SourcesLayer::N02Click(Control& sender) {
    const int sources = carriedValue(sender);
    sourceCount = sources;
    rays11.caption = rayCountCaption(sender.caption);
    for (int i = 1; i <= 3; ++i) {
        const bool shown = i <= sources;
        aimHandle(i).visible = sourceHandle(i).visible = middleHandle(i).visible = shown;
    }
    ianglelb.visible = sources == 1 && slitCount == 1;
    keepHandlesOffTheBenchWhileMeasuring();
    plotbtClick();
}

// While measuring no handle may lie on the bench to catch the tool's clicks, whatever
// the number of sources chosen meanwhile.
void SourcesLayer::keepHandlesOffTheBenchWhileMeasuring() {
    if (mouseMode().keepsHandlesOffTheBench()) {
        showHandlesForMeasuring(true);
    }
}

void SourcesLayer::N24Click(Control& sender) {
    const int slits = carriedValue(sender);
    slitCount = slits;
    Slits11.caption = slitCountCaption(slits);
    ianglelb.visible = sourceCount == 1 && slits == 1;
    slitlb.visible = slb.visible = slitsb.visible = slits >= 2;
    plotbtClick();
}

void SourcesLayer::slitsbChange(Control&) {
    mouseMode().abandon();
    slb.caption = std::to_string(slitsb.position());
    drawlensbtClick();
}

void SourcesLayer::Pointsource1Click(Control&) {
    Pointsource1.checked = !Pointsource1.checked;
    sourceCount = 1;
    slitCount = 1;
    //: The Options menu's item once a point source is chosen.
    Slits11.caption = text::translate("MainMenu", "Number of &Slits(1)");
    //: The Options menu's item once a point source is chosen.
    rays11.caption = text::translate("MainMenu", "Number of &Rays(1)");
    rays11.enabled = Slits11.enabled = !Pointsource1.checked;
    // One source with one slit either way: the read-out describes its first ray, and the
    // slit width has nothing to space.
    ianglelb.visible = true;
    slitlb.visible = slb.visible = slitsb.visible = false;
    if (Pointsource1.checked) {
        for (int i = 1; i <= 3; ++i) {
            sourceHandle(i).visible = false;
            aimHandle(i).visible = true;
            middleHandle(i).visible = false;
            sourceHandle(i).left = dsh1.left;
            sourceHandle(i).top = dsh1.top;
        }
        dsh1.visible = true;
    } else {
        // Back to one source: every handle of source 1 shows, whatever hid them meanwhile.
        dsh1.visible = ssh1.visible = mid1.visible = true;
        rays11.enabled = Slits11.enabled = true;
        ssh2.visible = ssh3.visible = false;
    }
    keepHandlesOffTheBenchWhileMeasuring();
    drawlensbtClick();
}

// While measuring no handle lies on the bench, so that every click reaches the tool and
// none starts a drag; the torches still show where the sources are. Switching off shows
// the handles of the sources in use again: n sources with their aim and middle handles, or
// in point-source mode the one source with its three aim handles.
void SourcesLayer::showHandlesForMeasuring(bool measuring) {
    centerg.visible = !measuring;
    for (int i = 1; i <= 3; ++i) {
        const bool inUse = Pointsource1.checked || i <= sourceCount;
        aimHandle(i).visible = !measuring && inUse;
        sourceHandle(i).visible = !measuring && inUse && (i == 1 || !Pointsource1.checked);
        middleHandle(i).visible = !measuring && inUse && !Pointsource1.checked;
    }
}
