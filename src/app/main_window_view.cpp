// SPDX-License-Identifier: MIT
#include "app/main_window_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QtMath>

#include "app/focus_mark.h"
#include "app/handle_grabber.h"
#include "app/spoken_scroll_bar.h"
#include "app/spoken_tab_widget.h"
#include "app/window_look.h"
#include "canvas/qt_canvas.h"
#include "canvas/screen_geometry.h"
#include "canvas/torch_icon.h"
#include "controls/handle_geometry.h"
#include "controls/translation.h"
#include "interaction/hints.h"
#include "shell/treframain.h"

namespace {

// What one position of a bar is worth in what its label shows: the indices show hundredths,
// the zoom shows a percentage of the bar's whole range.
constexpr double kHundredth = 0.01;
constexpr double kWhole = 1.0;
constexpr double kPercent = 100.0;

// The copy selection's frame: a dashed rectangle that lets the mouse through.
class SelectionFrame : public QWidget {
  public:
    explicit SelectionFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

class TrackingGroupBox : public QGroupBox {
  public:
    explicit TrackingGroupBox(QWidget* parent) : QGroupBox(parent) { setMouseTracking(true); }
    std::function<void(int, int)> mouseMove;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        if (mouseMove) {
            mouseMove(qFloor(event->position().x()), qFloor(event->position().y()));
        }
        QGroupBox::mouseMoveEvent(event);
        // Passed on, the move would reach the frame behind the group, which reports it as a
        // move over the bench and slides the group away again.
        event->accept();
    }
};

HandleLook lookOf(const Shape& shape) {
    switch (handleOf(shape).role) {
        case HandleRole::Centre:
            return {ShapeKind::Square, toQColor(colours::red), toQColor(colours::white)};
        case HandleRole::Middle:
            return {ShapeKind::Square, toQColor(colours::black), toQColor(colours::white)};
        case HandleRole::Source:
            return {ShapeKind::Circle, toQColor(colours::black), toQColor(colours::yellow)};
        default:
            // Aim handles are hollow, showing the ray beneath.
            return {ShapeKind::Circle, toQColor(colours::black), Qt::transparent};
    }
}

}  // namespace

MainWindowView::MainWindowView(Treframain& model) : model_(model), binder_([this] { sync(); }) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(look::systemFont(13));
    buildMenuBar();
    buildHintLine();
    buildFrame();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && isAncestorOf(now)) {
            binder_.focusMovedTo(now, model_.focus);
        }
    });
    sync();
}

// Taking the widgets down moves the focus from one to the next; by then the handles, the
// focus mark and the binder the focus handlers reach are gone.
MainWindowView::~MainWindowView() {
    disconnect(qApp, nullptr, this, nullptr);
}

void MainWindowView::buildMenuBar() {
    for (MenuItem* item : model_.MainMenu1) {
        if (item->items.empty()) {
            auto* action = menuBar()->addAction(QString());
            binder_.bindMenuItem(*item, action);
        } else {
            QMenu* menu = buildMenu(*item, menuBar());
            menuBar()->addMenu(menu);
        }
    }
    popupMenu_ = new QMenu(this);
    for (MenuItem* item : model_.PopupMenu1) {
        binder_.bindMenuItem(*item, popupMenu_->addAction(QString()));
    }
}

QMenu* MainWindowView::buildMenu(MenuItem& parent, QWidget* owner) {
    auto* menu = new QMenu(owner);
    binder_.bindMenuItem(parent, menu->menuAction());
    for (MenuItem* item : parent.items) {
        if (item->items.empty()) {
            binder_.bindMenuItem(*item, menu->addAction(QString()));
        } else {
            menu->addMenu(buildMenu(*item, menu));
        }
    }
    return menu;
}

void MainWindowView::buildFrame() {
    // Moves over the window, the frame and the bench panel are moves over the bench, told in
    // the bench picture's coordinates wherever the mouse is: in each area's own coordinates
    // the measuring tool jumped by the picture's offset as the mouse left the picture.
    const auto overTheBench = [this](QWidget* area) {
        return [this, area](int x, int y) {
            const QPoint onPicture = benchPicture_->mapFrom(area, QPoint(x, y));
            binder_.forward(
                [this, onPicture] { model_.planeimMouseMove(onPicture.x(), onPicture.y()); });
        };
    };
    // On a screen too small for the window the client area scrolls, so that every control
    // stays within reach.
    auto* client = new MouseReportingWidget(nullptr);
    client_ = client;
    look::fillBackground(client, Qt::white);
    client->mouse.move = overTheBench(client);
    clientHolder_ = look::scrollingHolder(client, QSize(), this);
    clientHolder_->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(clientHolder_);

    auto* frame = new MouseReportingWidget(client);
    frame_ = frame;
    look::fillBackground(frame, look::kCream);
    frame->mouse.move = overTheBench(frame);
    binder_.bindPlain(model_.Panel2, frame);

    auto* panel = new BevelPanel(look::kNavy, 5, 4, frame);
    panel->mouse.move = overTheBench(panel);
    binder_.bindPlain(model_.Panel1, panel);

    // The bench comes after the options group, so that Tab reaches its handles and its
    // picture after the group's controls: a widget's place in Tab order is the order of
    // creation.
    buildOptionsGroup(frame);
    auto* selection = new SelectionFrame(panel);
    binder_.bindPlain(model_.copyshape, selection);
    buildHandles(panel);
    buildBenchPicture(panel);
    buildHandleTargets(panel);
    buildKeyboardUse(panel);
}

// Every handle can be taken in a target around it, and each light source anywhere on its
// torch as well. A dragged source keeps the pointer at its grip; the other handles follow
// the pointer's own rows and columns.
void MainWindowView::buildHandleTargets(QWidget* panel) {
    Treframain& m = model_;
    grabber_ = new HandleGrabber(panel, {benchPicture_, panel});
    const std::pair<const Shape*, const Shape*> torches[] = {
        {&m.dsh1, &m.ssh1}, {&m.dsh2, &m.ssh2}, {&m.dsh3, &m.ssh3}};
    for (const auto& torch : torches) {
        grabber_->add(handleFor(*torch.first), {kSourceGrip, kSourceGrip},
                      [this, torch](QPoint inPanel) {
                          return torchCoversAt(*torch.first, *torch.second, inPanel);
                      });
    }
    for (const Shape* shape : {&m.ssh1, &m.ssh2, &m.ssh3, &m.mid1, &m.mid2, &m.mid3, &m.centerg}) {
        grabber_->add(handleFor(*shape), {0, 0});
    }
}

// The torch as the bench draws it: its lamp by the source handle, shining towards the aim.
bool MainWindowView::torchCoversAt(const Shape& source, const Shape& aim, QPoint inPanel) const {
    if (!model_.ShowLightsource1.checked || !source.visible) {
        return false;
    }
    const Point lens = lampOnPicture(source, model_.planeim);
    const double direction = headingTowards({source.left, source.top}, {aim.left, aim.top});
    const Point at{inPanel.x() - model_.planeim.left, inPanel.y() - model_.planeim.top};
    return torchCovers(lens, direction, TorchLook{!model_.Pointsource1.checked}, at);
}

void MainWindowView::buildBenchPicture(QWidget* panel) {
    benchPicture_ = new PictureWidget(model_.planeim, panel);
    binder_.bindPlain(model_.planeim, benchPicture_);
    benchPicture_->mouse.press = [this](MouseButton button, int x, int y) {
        binder_.forward([=, this] { model_.planeimMouseDown(button, x, y); });
    };
    benchPicture_->mouse.move = [this](int x, int y) {
        binder_.forward([=, this] { model_.planeimMouseMove(x, y); });
    };
    // The bench's pop-up menu opens when the right button comes up, after the release has
    // reached the bench (finishing a selection, advancing the measuring tool); opened on
    // the press, the menu would swallow the release.
    benchPicture_->mouse.release = [this](MouseButton button, int x, int y) {
        binder_.forward([=, this] { model_.planeimMouseUp(button, x, y); });
        if (button == MouseButton::Right) {
            popupMenu_->exec(benchPicture_->mapToGlobal(QPoint(x, y)));
        }
    };
    benchPicture_->setContextMenuPolicy(Qt::PreventContextMenu);

    // Beneath the selection frame and the handles, created before it.
    benchPicture_->lower();
}

// Every handle, and the bench picture for measuring, takes the keyboard focus by Tab (not
// by a click, so that the mouse works as it always has), after the window's other controls:
// source 1, its aim, its middle, source 2, ..., the centre, the bench.
void MainWindowView::buildKeyboardUse(QWidget* panel) {
    Treframain& m = model_;
    focusMark_ = new FocusMark(panel, [this](QPoint inPanel) { return mayMarkOver(inPanel); });
    QWidget* previous = nullptr;
    for (const Shape* shape : {&m.dsh1, &m.ssh1, &m.mid1, &m.dsh2, &m.ssh2, &m.mid2, &m.dsh3,
                               &m.ssh3, &m.mid3, &m.centerg}) {
        HandleWidget* handle = handleFor(*shape);
        handle->setFocusPolicy(Qt::TabFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, handle);
        }
        previous = handle;
    }
    benchPicture_->setFocusPolicy(Qt::TabFocus);
    //: Accessible name of the picture of the optical bench.
    benchPicture_->setAccessibleName(
        QString::fromStdString(text::translate("MainWindow", "Bench")));
    benchPicture_->keys.enterClicks = true;
    benchPicture_->keys.move = [this](int dx, int dy) {
        binder_.forward([=, this] { model_.movePointerByKeys(dx, dy); });
    };
    benchPicture_->keys.start = [this] { binder_.forward([this] { model_.startPointerByKey(); }); };
    benchPicture_->keys.click = [this] { binder_.forward([this] { model_.clickPointerByKey(); }); };
    // The bench picture is ringed too, in the panel's border around it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        focusMark_->follow(isHandle(now) || now == benchPicture_ ? now : nullptr);
    });
}

bool MainWindowView::isHandle(const QWidget* widget) const {
    for (const auto& entry : handles_) {
        if (entry.second == widget) {
            return true;
        }
    }
    return false;
}

// The focus mark may cover the bench wherever it shows no ray: the device picture beneath
// the rays, and what the trace draws in other colours (a torch's body and lamp). Rays,
// their normals and extensions are drawn in the ray colours, the source colour and red.
bool MainWindowView::mayMarkOver(QPoint inPanel) const {
    const QPoint onBench = inPanel - benchPicture_->pos();
    const auto* bench = dynamic_cast<const QtCanvas*>(model_.planeim.canvas.get());
    const auto* device = dynamic_cast<const QtCanvas*>(model_.lensim.canvas.get());
    if (bench == nullptr || device == nullptr || !bench->image().rect().contains(onBench)) {
        return true;
    }
    const QRgb shown = bench->image().pixel(onBench);
    if (shown == device->image().pixel(onBench)) {
        return true;
    }
    const BenchColours& scheme = model_.bench;
    for (const TColor ray : {scheme.rayColours[1], scheme.rayColours[2], scheme.rayColours[3],
                             scheme.sourceColour, colours::red}) {
        if (shown == toQRgb(ray)) {
            return false;
        }
    }
    return true;
}

// The layout keeps its Hints group hidden, because it would cover the Reset button; the
// hint texts show in a status line under the frame instead, which the window's client
// area leaves room for.
void MainWindowView::buildHintLine() {
    QStatusBar* status = statusBar();
    status->setSizeGripEnabled(false);
    hintLine_ = new QLabel(status);
    status->addWidget(hintLine_, 1);
}

void MainWindowView::buildHandles(QWidget* panel) {
    Treframain& m = model_;
    for (Shape* shape : {&m.mid1, &m.mid2, &m.mid3, &m.dsh1, &m.dsh2, &m.dsh3, &m.ssh1, &m.ssh2,
                         &m.ssh3, &m.centerg}) {
        auto* handle = new HandleWidget(lookOf(*shape), panel);
        binder_.bindPlain(*shape, handle);
        handles_.emplace_back(shape, handle);
        handle->mouse.press = [this, shape](MouseButton button, int x, int y) {
            binder_.forward([=, this] { model_.dsh1MouseDown(*shape, button, x, y); });
        };
        handle->mouse.release = [this, shape](MouseButton button, int x, int y) {
            binder_.forward([=, this] { model_.dsh1MouseUp(*shape, button, x, y); });
        };
        handle->keys.move = [this, shape](int dx, int dy) {
            binder_.forward([=, this] { model_.moveHandleByKeys(*shape, dx, dy); });
        };
        handle->keys.focused = [this, shape] {
            binder_.forward([this, shape] { model_.handleFocused(*shape); });
        };
        handle->setAccessibleDescription(
            QString::fromStdString(Treframain::accessibleDescription(*shape)));
        // Every handle's moves go to one handler: what they do is the grab's to decide.
        handle->mouse.move = [this, shape](int x, int y) {
            binder_.forward([=, this] { model_.handleMouseMove(*shape, x, y); });
        };
    }
}

HandleWidget* MainWindowView::handleFor(const Shape& shape) const {
    for (const auto& [model, widget] : handles_) {
        if (model == &shape) {
            return widget;
        }
    }
    return nullptr;
}

void MainWindowView::buildOptionsGroup(QWidget* frame) {
    auto* group = new TrackingGroupBox(frame);
    optionsGroup_ = group;
    look::fillBackground(group, look::kOptionsBrown);
    group->mouseMove = [this](int x, int y) {
        binder_.forward([=, this] { model_.Panel2MouseMove(x, y); });
    };
    binder_.bindGroupBox(model_.GroupBox1, group);

    auto* notebook = new SpokenTabWidget(group);
    notebook->setAutoFillBackground(true);
    auto* devicePage = new QWidget;
    auto* measurementPage = new QWidget;
    notebook->addTab(devicePage, QString());
    notebook->addTab(measurementPage, QString());
    // Tab lands on the tab bar, never on a page, and a tab's tooltip is what assistive
    // technology reads as its description: the pages' hints go there.
    notebook->setTabToolTip(0, QString::fromUtf8(hints::devicePage()));
    notebook->setTabToolTip(1, QString::fromUtf8(hints::measurementPage()));
    binder_.bindNotebook(model_.taboptions, notebook);
    buildDevicePage(devicePage);
    buildMeasurementPage(measurementPage);
    buildBesideTheNotebook(group);
}

void MainWindowView::buildDevicePage(QWidget* page) {
    Treframain& m = model_;
    const auto side = [this, page](GroupBox& box, ComboBox& kind, Label& radius,
                                   ScrollBar& radiusBar, const std::string& name) {
        auto* group = new QGroupBox(page);
        binder_.bindGroupBox(box, group);
        auto* combo = new QComboBox(group);
        binder_.bindComboBox(kind, combo);
        binder_.bindLabel(radius, new QLabel(group));
        spokenScrollBar(radiusBar, radius, name, kWhole, group);
    };
    side(m.leftgb, m.leftcb, m.lradiuslb, m.lradiussb,
         //: Spoken name of the scroll bar setting the radius of the lens's left surface.
         text::translate("MainWindow", "Left radius"));
    side(m.rightgb, m.rightcb, m.Rradiuslb, m.rradiussb,
         //: Spoken name of the scroll bar setting the radius of the lens's right surface.
         text::translate("MainWindow", "Right radius"));
    binder_.bindLabel(m.lenswlb, new QLabel(page));
    binder_.bindLabel(m.llb, new QLabel(page));
    spokenScrollBar(m.widthsb, m.llb,
                    //: Spoken name of the scroll bar setting the lens's thickness.
                    text::translate("MainWindow", "Lens width"), kWhole, page);
    binder_.bindLabel(m.slitlb, new QLabel(page));
    binder_.bindLabel(m.slb, new QLabel(page));
    spokenScrollBar(m.slitsb, m.slb,
                    //: Spoken name of the scroll bar setting the width of the light's slit.
                    text::translate("MainWindow", "Slit width"), kWhole, page);
}

void MainWindowView::buildMeasurementPage(QWidget* page) {
    Treframain& m = model_;
    binder_.bindCheckBox(m.domeasurecb, new QCheckBox(page));
    binder_.bindRadioButton(m.measurerb, new QRadioButton(page));
    binder_.bindRadioButton(m.Anglerb, new QRadioButton(page));
    auto* answer = new QLabel(page);
    answer->setAlignment(Qt::AlignCenter);
    answer->setWordWrap(true);
    binder_.bindLabel(m.anslb, answer);
    binder_.bindLabel(m.ianglelb, new QLabel(page));
}

void MainWindowView::buildBesideTheNotebook(QWidget* group) {
    Treframain& m = model_;
    auto* zoom = new QLabel(group);
    zoom->setFont(look::pixelFont(QStringLiteral("Arial"), 14, true));
    zoom->setMouseTracking(true);
    zoom->installEventFilter(this);
    zoomLabel_ = zoom;
    binder_.bindLabel(m.zoomlb, zoom);
    zoom->setAccessibleDescription(QString::fromStdString(hints::zoom()));
    spokenScrollBar(m.scalesb, m.zoomlb,
                    //: Spoken name of the scroll bar setting the bench's magnification.
                    text::translate("MainWindow", "Zoom"), kPercent / m.scalesb.max, group);

    auto* reset = new QPushButton(group);
    reset->setFont(look::pixelFont(QStringLiteral("Arial"), 14, true));
    reset->setMouseTracking(true);
    reset->installEventFilter(this);
    resetButton_ = reset;
    binder_.bindButton(m.resetbt, reset);
    reset->setAccessibleDescription(QString::fromUtf8(hints::reset()));

    auto* hints = new QGroupBox(group);
    binder_.bindGroupBox(m.hintsgb, hints);
    auto* hintText = new QLabel(hints);
    hintText->setFont(look::pixelFont(QStringLiteral("Arial"), 11, false));
    hintText->setWordWrap(true);
    hintText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    binder_.bindLabel(m.hintslb, hintText);

    auto* indices = new QGroupBox(group);
    binder_.bindGroupBox(m.indexgb, indices);
    binder_.bindLabel(m.glasslb, new QLabel(indices));
    spokenScrollBar(m.glassindex, m.glasslb,
                    //: Spoken name of the scroll bar setting the refractive index of the glass.
                    text::translate("MainWindow", "Glass index"), kHundredth, indices);
    binder_.bindLabel(m.airlb, new QLabel(indices));
    spokenScrollBar(
        m.airindex, m.airlb,
        //: Spoken name of the scroll bar setting the refractive index of the surrounding medium.
        text::translate("MainWindow", "Air index"), kHundredth, indices);

    auto* colours = new QGroupBox(group);
    binder_.bindGroupBox(m.GroupBox2, colours);
    binder_.bindRadioButton(m.Oneclrb, new QRadioButton(colours));
    binder_.bindRadioButton(m.threeclrb, new QRadioButton(colours));
}

void MainWindowView::spokenScrollBar(ScrollBar& bar, const Label& shownBy, const std::string& name,
                                     double shownPerPosition, QWidget* parent) {
    auto* widget = new SpokenScrollBar(QString::fromStdString(name), shownPerPosition, parent);
    binder_.bindScrollBar(bar, widget);
    spokenBars_.emplace_back(&shownBy, widget);
}

void MainWindowView::sync() {
    setWindowTitle(QString::fromStdString(model_.form.caption));
    // The application's name stays as main() set it from the edition: the desktop took the
    // windows' class from it when the first window was made, before the set-up gave the
    // model its title.
    if (size() != shownSize()) {
        setFixedSize(shownSize());
    }
    binder_.syncAll();
    // One line: a line break in a hint becomes a pause.
    const QString hint =
        QString::fromStdString(model_.hintslb.caption).replace(QLatin1Char('\r'), "  ");
    if (hintLine_->text() != hint) {
        hintLine_->setText(hint);
    }
    benchPicture_->setCursor(model_.planeim.cursor == Cursor::Cross ? Qt::CrossCursor
                                                                    : Qt::ArrowCursor);
    benchPicture_->showChanges();
    syncAccessibleTexts();
    focusMark_->refresh();
}

// The handles' names follow them (a source is named with its angle of incidence), the
// scroll bars' values read as their labels show them, and the bench is described by what
// the status line says of it.
void MainWindowView::syncAccessibleTexts() {
    for (const auto& [label, bar] : spokenBars_) {
        bar->setShownValue(shownValueOf(QString::fromStdString(label->caption)));
    }
    for (const auto& [shape, widget] : handles_) {
        const QString name = QString::fromStdString(model_.accessibleName(*shape));
        if (widget->accessibleName() != name) {
            widget->setAccessibleName(name);
        }
    }
    if (const std::optional<std::string> hint = model_.benchHint()) {
        const QString description = QString::fromStdString(*hint).replace(QLatin1Char('\r'), "  ");
        if (benchPicture_->accessibleDescription() != description) {
            benchPicture_->setAccessibleDescription(description);
        }
    }
}

void MainWindowView::activateOnce() {
    if (activated_) {
        return;
    }
    activated_ = true;
    // The hint line takes its final height only once its label is shown; the client area
    // the model centres the frame in must be the one left after it.
    // The client area keeps that size when the window is made smaller than it.
    layout()->activate();
    const QSize clientSize = clientHolder_->size();
    client_->setMinimumSize(clientSize);
    model_.form.clientWidth = clientSize.width();
    model_.form.clientHeight = clientSize.height();
    binder_.forward([this] { model_.FormActivate(); });
    // The model centres the window on the whole screen; on a small or scaled screen that
    // would put the title bar and the menus above its top edge.
    fitInto(look::availableAreaOf(this));
}

void MainWindowView::fitInto(const QRect& available) {
    const QSize wanted(model_.form.width, model_.form.height);
    fittedSize_ = available.isEmpty()
                      ? QSize()
                      : look::fittedWindowSize(wanted, available, look::frameMarginsOf(this),
                                               look::scrollBarExtent(this));
    setFixedSize(shownSize());
    const QPoint preferred(model_.form.left, model_.form.top);
    if (available.isEmpty()) {
        move(preferred);
    } else {
        look::placeInArea(this, preferred, available);
    }
}

QSize MainWindowView::shownSize() const {
    return fittedSize_.isValid() ? fittedSize_ : QSize(model_.form.width, model_.form.height);
}

void MainWindowView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The set-up runs when the window first comes up, before its first paint, whether or
    // not a window manager hands it the focus.
    activateOnce();
}

void MainWindowView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        binder_.forward([this] { model_.WMSize(1); });
    }
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        // Measuring stops when another window of the program takes over without being
        // modal; the program's dialogs are all modal, so in practice it runs on.
        QWidget* active = QApplication::activeWindow();
        if (active != nullptr && active != this && !active->isModal()) {
            binder_.forward([this] { model_.FormDeactivate(); });
        }
    }
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == resetButton_) {
            binder_.forward([this] { model_.resetbtMouseMove(); });
        } else if (watched == zoomLabel_) {
            binder_.forward([this] { model_.zoomlbMouseMove(); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
