// SPDX-License-Identifier: MIT
#include "canvas/canvas.h"

void Canvas::lineTo(int x, int y) {
    drawLine(penPos_, {x, y});
    penPos_ = {x, y};
}

void Canvas::drawFigure(const FigureKey&, const FigureDrawing& draw) {
    const Pen savedPen = pen;
    const Brush savedBrush = brush;
    const Font savedFont = font;
    const Point savedPosition = penPos_;
    draw(*this);
    pen = savedPen;
    brush = savedBrush;
    font = savedFont;
    penPos_ = savedPosition;
}
