// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "app/model_binder.h"

class QLineEdit;
class TWhoami;

// The "I am ...." dialog on screen. It closes only through its "Ok" button or Enter in the
// name box: it has no close box, and Escape does not cancel it.
class WhoamiView : public QDialog {
  public:
    explicit WhoamiView(TWhoami& model, QWidget* parent = nullptr);

    void sync();
    // There is nothing to cancel: Escape and the window manager's close leave it open.
    void reject() override {}

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TWhoami& model_;
    ModelBinder binder_;
    QLineEdit* name_ = nullptr;
};
