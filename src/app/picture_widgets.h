// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>

#include "canvas/canvas.h"
#include "controls/controls.h"

// Mouse events of a widget, with coordinates relative to that widget.
struct MouseForwarding {
    std::function<void(MouseButton, int, int)> press;
    std::function<void(int, int)> move;
    std::function<void(MouseButton, int, int)> release;
};

MouseButton modelButton(Qt::MouseButton button);
QColor toQColor(TColor colour);

// Shows a picture control's canvas 1:1 and forwards the mouse.
class PictureWidget : public QWidget {
  public:
    PictureWidget(const Picture& picture, QWidget* parent);
    MouseForwarding mouse;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const Picture& picture_;
};

// How a 5 x 5 handle looks.
struct HandleLook {
    ShapeKind kind = ShapeKind::Square;
    QColor pen = Qt::black;
    QColor brush = Qt::white;  // transparent for a hollow handle
};

// A drag handle: a small shape above the picture. While a button is held the handle keeps
// the mouse (Qt grabs it for the pressed widget), so moves far outside still reach it,
// with coordinates relative to the handle.
class HandleWidget : public QWidget {
  public:
    HandleWidget(HandleLook look, QWidget* parent);
    MouseForwarding mouse;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    HandleLook look_;
};

// A panel with a raised outer bevel, a coloured border and a lowered inner bevel.
class BevelPanel : public QWidget {
  public:
    BevelPanel(QColor colour, int bevelWidth, int borderWidth, QWidget* parent);
    std::function<void(int, int)> mouseMove;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QColor colour_;
    int bevelWidth_;
    int borderWidth_;
};

// A plain coloured area that reports mouse moves (the window's frame, the options group).
void fillBackground(QWidget* widget, QColor colour);
