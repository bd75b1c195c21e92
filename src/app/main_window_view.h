// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <array>
#include <string>

#include "app/model_binder.h"
#include "app/picture_widgets.h"

class QLabel;
class QMenu;
class QTabWidget;
class FocusMark;
class HandleGrabber;
class SpokenScrollBar;
class Treframain;

// The main window's widgets, built from the model's layout. Every user event goes to a
// handler of the model; after it the whole model is pushed back into the widgets.
class MainWindowView : public QMainWindow {
  public:
    explicit MainWindowView(Treframain& model);
    ~MainWindowView() override;

    void sync();

    // Shrinks the window to what a screen's free area `available` leaves, its content
    // scrolling, and places it inside that area; a window that fits keeps its size.
    void fitInto(const QRect& available);

    PictureWidget* benchPicture() const { return benchPicture_; }
    HandleWidget* handleFor(const Shape& shape) const;
    QWidget* optionsGroup() const { return optionsGroup_; }
    QWidget* frame() const { return frame_; }
    QLabel* hintLine() const { return hintLine_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenuBar();
    QMenu* buildMenu(MenuItem& parent, QWidget* owner);
    void buildFrame();
    void buildHintLine();
    void buildHandles(QWidget* panel);
    void buildOptionsGroup(QWidget* frame);
    void buildDevicePage(QWidget* page);
    void buildMeasurementPage(QWidget* page);
    void buildBesideTheNotebook(QWidget* group);
    void buildBenchPicture(QWidget* panel);
    void buildHandleTargets(QWidget* panel);
    bool torchCoversAt(const Shape& source, const Shape& aim, QPoint inPanel) const;
    void buildKeyboardUse(QWidget* panel);
    void spokenScrollBar(ScrollBar& bar, const Label& shownBy, const std::string& name,
                         double shownPerPosition, QWidget* parent);
    bool isHandle(const QWidget* widget) const;
    bool mayMarkOver(QPoint inPanel) const;
    void syncAccessibleTexts();
    void activateOnce();
    QSize shownSize() const;

    Treframain& model_;
    ModelBinder binder_;
    bool activated_ = false;
    QWidget* client_ = nullptr;
    QWidget* clientHolder_ = nullptr;
    // The size the screen leaves the window; none until it has been fitted to one.
    QSize fittedSize_;
    QWidget* frame_ = nullptr;
    QLabel* hintLine_ = nullptr;
    PictureWidget* benchPicture_ = nullptr;
    QWidget* optionsGroup_ = nullptr;
    QWidget* resetButton_ = nullptr;
    QWidget* zoomLabel_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    FocusMark* focusMark_ = nullptr;
    HandleGrabber* grabber_ = nullptr;
    std::vector<std::pair<const Shape*, HandleWidget*>> handles_;
    // Each scroll bar with the label that shows its value.
    std::vector<std::pair<const Label*, SpokenScrollBar*>> spokenBars_;
};
