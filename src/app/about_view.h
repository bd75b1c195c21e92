// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

struct InformationDialog;

// The "About" window: the edition's caption, product line and version line.
class AboutView : public QDialog {
  public:
    AboutView(InformationDialog& model, QWidget* parent);
    // Shows the window modally with the model's current texts.
    void showModally();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    InformationDialog& model_;
    class QLabel* product_;
    class QLabel* version_;
};
