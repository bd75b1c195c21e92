// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"
#include "controls/controls.h"
#include "practice/grade.h"

// One page of the practice window's notebook: an exercise with its figure, what the mouse
// does over the picture, and how Check judges the answer. The window hands each event to
// the page that is showing.
class PracticePage {
  public:
    PracticePage() = default;
    PracticePage(const PracticePage&) = delete;
    PracticePage& operator=(const PracticePage&) = delete;
    virtual ~PracticePage() = default;

    // Runs when the notebook turns to this page, before the page's first new exercise.
    virtual void enter() {}
    // A new exercise, for Next (and for the page's choice of figure).
    virtual void generate() = 0;
    // Clears the picture and draws the page's figure, with its tool where there is one.
    virtual void draw() = 0;
    // The mouse over the picture, in picture coordinates.
    virtual void pictureMouseMove(Point mouse) = 0;
    // Whether the mouse over the picture turns the ruler first, seen or not: its reading is
    // the one a Check on the ruler page judges.
    virtual bool turnsTheRuler() const { return false; }
    // How many states the on-screen tool cycles through, one release of the button each.
    virtual int toolStates() const = 0;
    virtual Verdict check() const = 0;

    virtual Cursor pictureCursor() const { return Cursor::Cross; }
    virtual bool showsHandles() const { return false; }
};
