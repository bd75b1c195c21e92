// SPDX-License-Identifier: MIT
#include "app/practice_view.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/focus_mark.h"
#include "app/handle_grabber.h"
#include "app/picture_widgets.h"
#include "app/spoken_tab_widget.h"
#include "app/window_look.h"
#include "canvas/qt_canvas.h"
#include "canvas/torch_icon.h"
#include "controls/handle_geometry.h"
#include "controls/translation.h"
#include "practice/tprofrm.h"

namespace {

constexpr int kGlyphSize = 18;
constexpr int kFormFontPixels = 13;
constexpr int kPanelFontPixels = 13;
constexpr int kTabFontPixels = 11;

// The green tick of the Check button; Qt greys it by itself when the button is disabled.
QIcon tickGlyph() {
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QPen pen(toQColor(colours::green), 3);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const QPoint tick[] = {{3, 9}, {7, 13}, {15, 4}};
    painter.drawPolyline(tick, 3);
    return QIcon(pixmap);
}

QIcon helpGlyph(const QStyle* style) {
    const QIcon icon = style->standardIcon(QStyle::SP_MessageBoxQuestion);
    return QIcon(icon.pixmap(kGlyphSize, kGlyphSize));
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

PracticeView::PracticeView(TProfrm& model, QWidget* parent)
    : QDialog(parent), model_(model), binder_([this] { sync(); }) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(model_.form.clientWidth, model_.form.clientHeight);
    setFont(look::systemFont(kFormFontPixels));
    // Everything lies on one content widget that scrolls on a screen too small for it.
    content_ = new QWidget;
    look::fillBackground(content_, look::kCream);
    auto* holder = look::scrollingHolder(
        content_, QSize(model_.form.clientWidth, model_.form.clientHeight), this);
    holder->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(holder);

    auto* pictureArea = named(new QFrame(content_), "Panel1");
    pictureArea->setFrameStyle(QFrame::Panel | QFrame::Raised);
    look::fillBackground(pictureArea, QApplication::palette().color(QPalette::Button));
    binder_.bindPlain(model_.Panel1, pictureArea);
    buildPictureArea(pictureArea);

    auto* controlArea = named(new QFrame(content_), "Panel2");
    controlArea->setFrameStyle(QFrame::Panel | QFrame::Raised);
    look::fillBackground(controlArea, look::kOptionsBrown);
    controlArea->setFont(look::pixelFont(QStringLiteral("Arial"), kPanelFontPixels, true));
    binder_.bindPlain(model_.Panel2, controlArea);
    buildNotebook(controlArea);
    buildButtons(controlArea);
    buildMethodGroup();
    buildKeyboardUse(pictureArea, lastButton_);

    model_.closeRequested = [this] { accept(); };
    sync();
}

// Taking the widgets down moves the focus from one to the next; by then the handles and the
// focus mark the focus handler reaches are gone.
PracticeView::~PracticeView() {
    disconnect(qApp, nullptr, this, nullptr);
}

void PracticeView::buildPictureArea(QWidget* panel) {
    picture_ = named(new PictureWidget(model_.proim, panel), "proim");
    binder_.bindPlain(model_.proim, picture_);
    picture_->mouse.press = [this](MouseButton button, int x, int y) {
        binder_.forward([=, this] { model_.proimMouseDown(button, x, y); });
    };
    picture_->mouse.move = [this](int x, int y) {
        binder_.forward([=, this] { model_.proimMouseMove(x, y); });
    };
    picture_->mouse.release = [this](MouseButton button, int x, int y) {
        binder_.forward([=, this] { model_.proimMouseUp(button, x, y); });
    };

    const std::pair<Shape*, const char*> handles[] = {
        {&model_.csh, "csh"}, {&model_.msh, "msh"}, {&model_.lsh, "lsh"}, {&model_.dsh, "dsh"}};
    for (const auto& [shape, name] : handles) {
        const HandleLook look{shape->kind, toQColor(model_.handleOutline(*shape)),
                              toQColor(colours::white)};
        auto* handle = named(new HandleWidget(look, panel), name);
        binder_.bindPlain(*shape, handle);
        Shape& sender = *shape;
        handle->mouse.press = [this, &sender](MouseButton button, int x, int y) {
            binder_.forward([=, this, &sender] { model_.dshMouseDown(sender, button, x, y); });
        };
        handle->mouse.move = [this, &sender](int x, int y) {
            binder_.forward([=, this, &sender] { model_.handleMouseMove(sender, x, y); });
        };
        handle->mouse.release = [this, &sender](MouseButton button, int x, int y) {
            binder_.forward([=, this, &sender] { model_.dshMouseUp(sender, button, x, y); });
        };
        handle->keys.move = [this, &sender](int dx, int dy) {
            binder_.forward([=, this, &sender] { model_.moveHandleByKeys(sender, dx, dy); });
        };
        handle->setAccessibleDescription(
            QString::fromStdString(model_.accessibleDescription(sender)));
        handles_.emplace_back(shape, handle);
    }
    buildHandleTargets(panel);
}

// Every handle can be taken in a target around it, and the torch's end of the ray anywhere on
// the torch; each handle's drag moves it by the pointer's own way, so none has a grip.
void PracticeView::buildHandleTargets(QWidget* panel) {
    grabber_ = new HandleGrabber(panel, {picture_, panel});
    for (const auto& [shape, widget] : handles_) {
        if (shape == &model_.dsh) {
            grabber_->add(widget, {0, 0},
                          [this](QPoint inPanel) { return torchCoversAt(inPanel); });
        } else {
            grabber_->add(widget, {0, 0});
        }
    }
}

bool PracticeView::torchCoversAt(QPoint inPanel) const {
    const Shape& end = model_.dsh;
    if (!end.visible) {
        return false;
    }
    const Point lens = lampOnPicture(end, model_.proim);
    const Point at{inPanel.x() - model_.proim.left, inPanel.y() - model_.proim.top};
    return torchCovers(lens, model_.rayMovement.rayDirection(), TorchLook{}, at);
}

// The handles, and the picture for the on-screen tools, take the keyboard focus by Tab
// (not by a click) after the window's buttons: the torch end, the hit point, the middle, the
// line, then the picture.
void PracticeView::buildKeyboardUse(QWidget* panel, QWidget* lastControl) {
    focusMark_ = new FocusMark(panel, [this](QPoint inPanel) {
        // Never over the red ray or the grey target; over the torch and the lines it shows.
        const QPoint onPicture = inPanel - picture_->pos();
        const auto* canvas = dynamic_cast<const QtCanvas*>(model_.proim.canvas.get());
        if (canvas == nullptr || !canvas->image().rect().contains(onPicture)) {
            return true;
        }
        const QRgb shown = canvas->image().pixel(onPicture);
        return shown != toQRgb(colours::red) && shown != toQRgb(colours::grey);
    });
    QWidget* previous = lastControl;
    for (const char* name : {"dsh", "lsh", "msh", "csh"}) {
        auto* handle = findChild<HandleWidget*>(name);
        handle->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, handle);
        previous = handle;
    }
    picture_->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(previous, picture_);
    //: Spoken name of the picture an exercise is worked on.
    picture_->setAccessibleName(
        QString::fromStdString(text::translate("PracticeWindow", "Exercise picture")));
    //: Spoken description of the exercise picture: Home, the arrow keys and Space are keys.
    picture_->setAccessibleDescription(QString::fromStdString(text::translate(
        "PracticeWindow",
        "Home puts a pointer on the figure, the arrow keys move it, Space clicks")));
    picture_->keys.move = [this](int dx, int dy) {
        binder_.forward([=, this] { model_.movePointerByKeys(dx, dy); });
    };
    picture_->keys.start = [this] { binder_.forward([this] { model_.startPointerByKey(); }); };
    picture_->keys.click = [this] { binder_.forward([this] { model_.clickPointerByKey(); }); };
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        QWidget* ringed = now == picture_ ? now : nullptr;
        for (const auto& entry : handles_) {
            if (entry.second == now) {
                ringed = now;
            }
        }
        focusMark_->follow(ringed);
    });
}

void PracticeView::buildNotebook(QWidget* panel) {
    auto* notebook = named(new SpokenTabWidget(panel), "practicenb");
    notebook->setAccessibleName(
        //: Spoken name of the tabs, one for each kind of exercise.
        QString::fromStdString(text::translate("PracticeWindow", "Exercises")));
    notebook->tabBar()->setFont(
        look::pixelFont(QStringLiteral("MS Sans Serif"), kTabFontPixels, false));
    // The pages keep the ordinary dialog colour; Panel2's colour frames the notebook.
    QPalette pagePalette = notebook->palette();
    pagePalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    notebook->setPalette(pagePalette);

    auto* protractor = new QWidget;
    binder_.bindLabel(model_.Label1, named(new QLabel(protractor), "Label1"));
    binder_.bindRadioButton(model_.Normalrb, named(new QRadioButton(protractor), "Normalrb"));
    binder_.bindRadioButton(model_.linerb, named(new QRadioButton(protractor), "linerb"));
    auto* angles = named(new QGroupBox(protractor), "anggb");
    binder_.bindGroupBox(model_.anggb, angles);
    binder_.bindRadioButton(model_.Ang1rb, named(new QRadioButton(angles), "Ang1rb"));
    binder_.bindRadioButton(model_.ang2rb, named(new QRadioButton(angles), "ang2rb"));

    auto* ruler = new QWidget;
    binder_.bindLabel(model_.Label2, named(new QLabel(ruler), "Label2"));
    binder_.bindLabel(model_.anallb, named(new QLabel(ruler), "anallb"));
    binder_.bindRadioButton(model_.pointsrb, named(new QRadioButton(ruler), "pointsrb"));
    binder_.bindRadioButton(model_.wavefrontrb, named(new QRadioButton(ruler), "wavefrontrb"));
    binder_.bindRadioButton(model_.pandlrb, named(new QRadioButton(ruler), "pandlrb"));

    auto* rayMovement = new QWidget;
    auto* instructions = named(new QLabel(rayMovement), "Label3");
    instructions->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    instructions->setWordWrap(true);
    binder_.bindLabel(model_.Label3, instructions);
    auto* hint = named(new QLabel(rayMovement), "hintlb");
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setFont(look::pixelFont(QStringLiteral("Arial"), kPanelFontPixels, false));
    binder_.bindLabel(model_.hintlb, hint);

    for (QWidget* page : {protractor, ruler, rayMovement}) {
        notebook->addTab(page, {});
    }
    binder_.bindNotebook(model_.practicenb, notebook);
}

QPushButton* PracticeView::pushButton(QWidget* parent, Button& control, const char* name) {
    auto* button = named(new QPushButton(parent), name);
    binder_.bindButton(control, button);
    return button;
}

void PracticeView::buildButtons(QWidget* panel) {
    QPushButton* check = pushButton(panel, model_.Checkbt, "Checkbt");
    check->setIcon(tickGlyph());
    check->setIconSize({kGlyphSize, kGlyphSize});
    check->setDefault(true);
    QPushButton* next = pushButton(panel, model_.nextbt, "nextbt");
    next->setIcon(helpGlyph(style()));
    next->setIconSize({kGlyphSize, kGlyphSize});
    // Right to left puts the glyph after the caption; the caption itself reads as before.
    next->setLayoutDirection(Qt::RightToLeft);
    lastButton_ = pushButton(panel, model_.Returnbt, "Returnbt");
    pushButton(panel, model_.resetbt, "resetbt");
}

void PracticeView::buildMethodGroup() {
    auto* methods = named(new QGroupBox(content_), "GroupBox1");
    binder_.bindGroupBox(model_.GroupBox1, methods);
    binder_.bindRadioButton(model_.m1rb, named(new QRadioButton(methods), "m1rb"));
    binder_.bindRadioButton(model_.m2rb, named(new QRadioButton(methods), "m2rb"));
}

void PracticeView::sync() {
    setWindowTitle(QString::fromStdString(model_.form.caption));
    binder_.syncAll();
    picture_->setCursor(model_.proim.cursor == Cursor::Cross ? Qt::CrossCursor : Qt::ArrowCursor);
    picture_->showChanges();
    for (const auto& [shape, widget] : handles_) {
        const QString name = QString::fromStdString(model_.accessibleName(*shape));
        if (widget->accessibleName() != name) {
            widget->setAccessibleName(name);
        }
    }
    focusMark_->refresh();
}

void PracticeView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    fitInto(look::availableAreaOf(this));
    binder_.forward([this] { model_.FormActivate(); });
}

void PracticeView::fitInto(const QRect& available) {
    const QSize wanted(model_.form.clientWidth, model_.form.clientHeight);
    if (available.isEmpty()) {
        setFixedSize(wanted);
        return;
    }
    setFixedSize(look::fittedWindowSize(wanted, available, look::frameMarginsOf(this),
                                        look::scrollBarExtent(this)));
    look::centreInArea(this, available);
}

void PracticeView::keyPressEvent(QKeyEvent* event) {
    // Only Return and the close box close this window, not Escape.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
