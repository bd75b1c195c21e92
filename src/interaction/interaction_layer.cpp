// SPDX-License-Identifier: MIT
#include "interaction/interaction_layer.h"

InteractionLayer::InteractionLayer(const CanvasFactory& makeCanvas)
    : DevicesLayer(makeCanvas), draggingHandles_(*this) {
    setMouseMode(draggingHandles_);
    for (MenuItem* item : {&ShowCenters1, &ShowRefraction1, &ShowPrincipalaxis1, &ShowLightsource1,
                           &ShowNormals1, &Extendray1, &incidentray1, &ShowGridlines1,
                           &FollowReflections1, &ShowFocalPoints1, &ShowDirections1}) {
        item->onClick = [this](Control& sender) { ShowCenters1Click(sender); };
    }
    for (MenuItem* item : REdrawspeed1.items) {
        item->onClick = [this](Control& sender) { Slow1Click(sender); };
    }
    On1.onClick = Off1.onClick = [this](Control& sender) { On1Click(sender); };
    scalesb.onChange = [this](Control& sender) { scalesbChange(sender); };
    rdbt.onClick = [this](Control&) { rdbtClick(); };
    resetbt.onClick = [this](Control& sender) { resetbtClick(sender); };
    taboptions.onPageChange = [this](Notebook&, int newTab) { taboptionsChange(newTab); };
}
