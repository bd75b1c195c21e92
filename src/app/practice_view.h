// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "app/model_binder.h"

class Button;
class FocusMark;
class HandleGrabber;
class HandleWidget;
class Shape;
class PictureWidget;
class TProfrm;
class QPushButton;
class QRect;
class QWidget;

// The "Measurement Practice" window on screen: real widgets laid out from the model, every
// user event forwarded to the model's handler, and the whole model pushed back into the
// widgets after each one. It keeps no state and decides nothing.
class PracticeView : public QDialog {
  public:
    explicit PracticeView(TProfrm& model, QWidget* parent = nullptr);
    ~PracticeView() override;

    // Copies every field of the model into its widget, with the widgets' signals blocked.
    void sync();

    // Shrinks the window to what a screen's free area `available` leaves, its content
    // scrolling, and centres it inside that area; a window that fits keeps its size.
    void fitInto(const QRect& available);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildPictureArea(QWidget* panel);
    void buildNotebook(QWidget* panel);
    void buildButtons(QWidget* panel);
    void buildMethodGroup();
    QPushButton* pushButton(QWidget* parent, Button& control, const char* name);
    void buildKeyboardUse(QWidget* panel, QWidget* lastControl);
    void buildHandleTargets(QWidget* panel);
    bool torchCoversAt(QPoint inPanel) const;

    TProfrm& model_;
    ModelBinder binder_;
    QWidget* content_ = nullptr;
    PictureWidget* picture_ = nullptr;
    QWidget* lastButton_ = nullptr;
    FocusMark* focusMark_ = nullptr;
    HandleGrabber* grabber_ = nullptr;
    std::vector<std::pair<const Shape*, HandleWidget*>> handles_;
};
