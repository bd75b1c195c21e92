// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "controls/controls.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QAbstractButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QWidget;

// A caption as assistive technology should say it: without the Alt-key marks ("&Reset"
// says "Reset") and without the blanks some captions are padded with (" One").
QString spokenName(const QString& caption);

// Pairs each control model with its real widget. A user's action on a widget is forwarded
// to the control model (which runs the window model's handler), then the whole window is
// synced: every widget is set from its model under a QSignalBlocker, so that setting a
// widget never feeds back into the model. The binder makes no decision of its own.
class ModelBinder : public QObject {
  public:
    // afterEvent runs after every forwarded user action; it syncs the window.
    explicit ModelBinder(std::function<void()> afterEvent);

    void bindPlain(Control& control, QWidget* widget);
    void bindLabel(Label& label, QLabel* widget);
    void bindGroupBox(GroupBox& group, QGroupBox* widget);
    void bindButton(Button& button, QAbstractButton* widget);
    void bindScrollBar(ScrollBar& bar, QScrollBar* widget);
    void bindComboBox(ComboBox& box, QComboBox* widget);
    void bindCheckBox(CheckBox& box, QCheckBox* widget);
    void bindRadioButton(RadioButton& button, QRadioButton* widget);
    void bindNotebook(Notebook& book, QTabWidget* widget);
    void bindMenuItem(MenuItem& item, QAction* action);

    // Pushes every bound model into its widget.
    void syncAll();

    // The focus moved to this widget: the control models follow, running exit handlers.
    void focusMovedTo(QWidget* widget, FocusTracker& tracker);

    // Runs a window-model call made from a widget event, then syncs.
    void forward(const std::function<void()>& call);

  private:
    void syncGeometry(const Control& control, QWidget* widget);
    void syncGeometry(const Control& control, QWidget* widget, int width);
    // The Qt button group that shows a model's radio group.
    QButtonGroup* buttonGroupOf(const RadioButton& button);

    std::function<void()> afterEvent_;
    std::vector<std::function<void()>> syncs_;
    QHash<QWidget*, Control*> focusable_;
    QHash<const void*, QButtonGroup*> buttonGroups_;
    // A focus holder for widgets that have no control model (the tab bar, say), so that
    // moving the focus onto them still ends the editing of the control that had it.
    Control elsewhere_;
};
