// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

class Button;
class Control;
class RadioButton;
class TProfrm;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The "Measurement Practice" window on screen: real widgets laid out from the model, every
// user event forwarded to the model's handler, and the whole model pushed back into the
// widgets after each one. It keeps no state and decides nothing.
class PracticeView : public QDialog {
    Q_OBJECT

  public:
    explicit PracticeView(TProfrm& model, QWidget* parent = nullptr);

    // Copies every field of the model into its widget, with the widgets' signals blocked.
    void sync();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TProfrm& model_;
    QTabWidget* notebook_ = nullptr;
    QWidget* picture_ = nullptr;
    std::vector<std::pair<const Control*, QWidget*>> placed_;
    std::vector<std::pair<const Control*, QLabel*>> labels_;
    std::vector<std::pair<const Control*, QGroupBox*>> groups_;
    std::vector<std::pair<const RadioButton*, QRadioButton*>> radios_;
    std::vector<std::pair<const Button*, QPushButton*>> pushButtons_;

    void buildPictureArea(QWidget* panel);
    void buildNotebook(QWidget* panel);
    void buildButtons(QWidget* panel);
    void buildMethodGroup();

    void place(QWidget* widget, const Control& control, const char* name);
    QLabel* label(QWidget* parent, const Control& control, const char* name);
    QGroupBox* groupBox(QWidget* parent, const Control& control, const char* name);
    void radioButton(QWidget* parent, RadioButton& control, const char* name);
    QPushButton* pushButton(QWidget* parent, Button& control, const char* name);
};
