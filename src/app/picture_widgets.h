// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/shown_pixels.h"
#include "canvas/canvas.h"
#include "controls/controls.h"

// Mouse events of a widget, with coordinates in its own pixels.
struct MouseForwarding {
    std::function<void(MouseButton, int, int)> press;
    std::function<void(int, int)> move;
    std::function<void(MouseButton, int, int)> release;
};

// The keys that stand in for the mouse on a focused handle or picture: the arrows move by
// one pixel, with Shift by ten; Home starts a pointer; Space (and, where asked, Enter)
// clicks.
struct KeyForwarding {
    std::function<void(int dx, int dy)> move;
    std::function<void()> start;
    std::function<void()> click;
    bool enterClicks = false;
    std::function<void()> focused;
};

QColor toQColor(TColor colour);

// A widget that hands its mouse events, and its keys while it has the focus, to whoever
// built it. Events nobody asked for go on to the parent, as they would without this widget.
class MouseReportingWidget : public QWidget {
  public:
    explicit MouseReportingWidget(QWidget* parent);
    MouseForwarding mouse;
    KeyForwarding keys;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

// Shows a picture control's canvas pixel for pixel, each pixel as a whole block of screen
// pixels on a high-density screen.
class PictureWidget : public MouseReportingWidget {
  public:
    PictureWidget(const Picture& picture, QWidget* parent);

    // Repaints what changed on the canvas since it was last shown, and nothing if nothing did.
    void showChanges();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Screen pixels a picture pixel on this widget's screen: a whole number, as the program
    // rounds the screen's scale.
    int screenScale() const;

    const Picture& picture_;
    ShownPixels shown_;
};

// How a 5 x 5 handle looks; a transparent fill leaves the picture showing through.
struct HandleLook {
    ShapeKind kind = ShapeKind::Square;
    QColor outline = Qt::black;
    QColor fill = Qt::white;
};

// A drag handle: a small shape above a picture, drawn pixel by pixel. While a button is
// held the handle keeps the mouse (Qt grabs it for the pressed widget), so moves far
// outside still reach it, relative to the handle. The pointer shows an open hand over it
// and a closed one while it is held.
class HandleWidget : public MouseReportingWidget {
  public:
    HandleWidget(HandleLook look, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The handle's 25 pixels, drawn once: a transparent pixel leaves the picture showing.
    QImage pixels_;
};

// A panel with a raised outer bevel, a coloured border and a lowered inner bevel.
class BevelPanel : public MouseReportingWidget {
  public:
    BevelPanel(QColor colour, int bevelWidth, int borderWidth, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int bevelWidth_;
    int borderWidth_;
};
