// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "devices/devices_layer.h"
#include "interaction/handle_dragging.h"

// The interaction layer of the main window: dragging the handles, zoom and Reset, the View
// switches, the redraw speed, Auto Hide and the options group's hints.
class InteractionLayer : public DevicesLayer {
  public:
    explicit InteractionLayer(const CanvasFactory& makeCanvas);

    // Mouse coordinates are relative to the handle that receives the event.
    void dsh1MouseDown(Shape& sender, MouseButton button, int x, int y);
    void dsh1MouseMove(Shape& sender, int x, int y);
    void mid1MouseMove(Shape& sender, int x, int y);
    void centergMouseMove(Shape& sender, int x, int y);
    void dsh1MouseUp(Shape& sender, MouseButton button, int x, int y);
    // The move handlers above are one: what a move does is decided by the handle grabbed.
    void handleMouseMove(Shape& handle, int x, int y);
    void scalesbChange(Control& sender);
    void rdbtClick();
    void resetbtClick(Control& sender);
    void ShowCenters1Click(Control& sender);
    void Slow1Click(Control& sender);
    void On1Click(Control& sender);
    void Panel2MouseMove(int x, int y);
    void resetbtMouseMove();
    void zoomlbMouseMove();
    void taboptionsChange(int newTab);

    // The arrow keys on a focused handle: the drag that moves it by (dx, dy).
    void moveHandleByKeys(Shape& handle, int dx, int dy);
    // What assistive technology calls a handle, and how it describes it (its hint).
    std::string accessibleName(const Shape& handle) const;
    static std::string accessibleDescription(const Shape& handle);

  protected:
    // With Auto Hide on, the options group slides away while the mouse is on the bench.
    void slideOptionsGroupAway();

    // The bench's mouse while neither measuring nor copy-selecting; a copy selection hands
    // it the handles.
    DraggingHandles draggingHandles_;

  private:
    int shownOptionsTop() const;
    void resizeBench(int height);
};
