// SPDX-License-Identifier: MIT
#include "app/practice_view.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QtMath>
#include <functional>

#include "canvas/qt_canvas.h"
#include "practice/tprofrm.h"

namespace {

const QColor kFormColour(254, 253, 199);
const QColor kControlPanelColour(169, 150, 109);
constexpr int kGlyphSize = 18;
constexpr int kFormFontPixels = 13;
constexpr int kPanelFontPixels = 13;
constexpr int kTabFontPixels = 11;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The platform's own interface font stands in for the classic "System" font.
QFont systemFont(int pixelSize) {
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    return font;
}

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

MouseButton modelButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

QPoint pixelOf(const QMouseEvent* event) {
    return {qFloor(event->position().x()), qFloor(event->position().y())};
}

// A widget that reports its mouse events, in its own pixels, to whoever built it.
class MouseReporter : public QWidget {
  public:
    using QWidget::QWidget;
    std::function<void(MouseButton, QPoint)> pressed;
    std::function<void(QPoint)> moved;
    std::function<void(MouseButton, QPoint)> released;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (pressed) {
            pressed(modelButton(event->button()), pixelOf(event));
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (moved) {
            moved(pixelOf(event));
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (released) {
            released(modelButton(event->button()), pixelOf(event));
        }
    }
};

// Shows the model's picture pixel for pixel.
class PictureWidget : public MouseReporter {
  public:
    PictureWidget(const Canvas& canvas, QWidget* parent) : MouseReporter(parent), canvas_(canvas) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (const auto* image = dynamic_cast<const QtCanvas*>(&canvas_)) {
            painter.drawImage(0, 0, image->image());
        } else {
            painter.fillRect(rect(), Qt::white);
        }
    }

  private:
    const Canvas& canvas_;
};

// A 5 x 5 drag handle: a white square or circle with a one-pixel outline; the circle's
// corners show what lies beneath.
class HandleWidget : public MouseReporter {
  public:
    HandleWidget(ShapeKind kind, TColor outline, QWidget* parent)
        : MouseReporter(parent), kind_(kind), outline_(QColor::fromRgb(toQRgb(outline))) {
        setMouseTracking(true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        static constexpr const char* kCircle[] = {".###.", "#---#", "#---#", "#---#", ".###."};
        static constexpr const char* kSquare[] = {"#####", "#---#", "#---#", "#---#", "#####"};
        const auto& rows = kind_ == ShapeKind::Circle ? kCircle : kSquare;
        QPainter painter(this);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                if (rows[y][x] != '.') {
                    painter.fillRect(x, y, 1, 1, rows[y][x] == '#' ? outline_ : QColor(Qt::white));
                }
            }
        }
    }

  private:
    ShapeKind kind_;
    QColor outline_;
};

// The green tick of the Check button; Qt greys it by itself when the button is disabled.
QIcon tickGlyph() {
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QPen pen(QColor(0, 128, 0), 3);
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

}  // namespace

PracticeView::PracticeView(TProfrm& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(model_.form.clientWidth, model_.form.clientHeight);
    setFont(systemFont(kFormFontPixels));
    paintBackground(this, kFormColour);

    auto* pictureArea = new QFrame(this);
    pictureArea->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paintBackground(pictureArea, QApplication::palette().color(QPalette::Button));
    place(pictureArea, model_.Panel1, "Panel1");
    buildPictureArea(pictureArea);

    auto* controlArea = new QFrame(this);
    controlArea->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paintBackground(controlArea, kControlPanelColour);
    controlArea->setFont(pixelFont("Arial", kPanelFontPixels, true));
    place(controlArea, model_.Panel2, "Panel2");
    buildNotebook(controlArea);
    buildButtons(controlArea);
    buildMethodGroup();

    model_.closeRequested = [this] { accept(); };
    sync();
}

void PracticeView::place(QWidget* widget, const Control& control, const char* name) {
    widget->setObjectName(name);
    placed_.emplace_back(&control, widget);
}

QLabel* PracticeView::label(QWidget* parent, const Control& control, const char* name) {
    auto* widget = new QLabel(parent);
    place(widget, control, name);
    labels_.emplace_back(&control, widget);
    return widget;
}

QGroupBox* PracticeView::groupBox(QWidget* parent, const Control& control, const char* name) {
    auto* widget = new QGroupBox(parent);
    place(widget, control, name);
    groups_.emplace_back(&control, widget);
    return widget;
}

void PracticeView::radioButton(QWidget* parent, RadioButton& control, const char* name) {
    auto* widget = new QRadioButton(parent);
    // The model keeps its groups exclusive; Qt's own rule would fight its sync.
    widget->setAutoExclusive(false);
    place(widget, control, name);
    radios_.emplace_back(&control, widget);
    connect(widget, &QRadioButton::clicked, this, [this, &control] {
        control.userClick();
        sync();
    });
}

QPushButton* PracticeView::pushButton(QWidget* parent, Button& control, const char* name) {
    auto* widget = new QPushButton(parent);
    place(widget, control, name);
    pushButtons_.emplace_back(&control, widget);
    connect(widget, &QPushButton::clicked, this, [this, &control] {
        control.click();
        sync();
    });
    return widget;
}

void PracticeView::buildPictureArea(QWidget* panel) {
    auto* picture = new PictureWidget(model_.picture(), panel);
    place(picture, model_.proim, "proim");
    picture->pressed = [this](MouseButton button, QPoint at) {
        model_.proimMouseDown(button, at.x(), at.y());
        sync();
    };
    picture->moved = [this](QPoint at) {
        model_.proimMouseMove(at.x(), at.y());
        sync();
    };
    picture->released = [this](MouseButton button, QPoint at) {
        model_.proimMouseUp(button, at.x(), at.y());
        sync();
    };
    picture_ = picture;

    const std::pair<Shape*, const char*> handles[] = {
        {&model_.csh, "csh"}, {&model_.msh, "msh"}, {&model_.lsh, "lsh"}, {&model_.dsh, "dsh"}};
    for (const auto& [shape, name] : handles) {
        auto* handle = new HandleWidget(shape->kind, model_.handleOutline(*shape), panel);
        place(handle, *shape, name);
        Shape& sender = *shape;
        handle->pressed = [this, &sender](MouseButton button, QPoint at) {
            model_.dshMouseDown(sender, button, at.x(), at.y());
            sync();
        };
        handle->moved = [this, &sender](QPoint at) {
            model_.handleMouseMove(sender, at.x(), at.y());
            sync();
        };
        handle->released = [this, &sender](MouseButton button, QPoint at) {
            model_.dshMouseUp(sender, button, at.x(), at.y());
            sync();
        };
    }
}

void PracticeView::buildNotebook(QWidget* panel) {
    notebook_ = new QTabWidget(panel);
    place(notebook_, model_.practicenb, "practicenb");
    notebook_->tabBar()->setFont(pixelFont("MS Sans Serif", kTabFontPixels, false));
    // The pages keep the ordinary dialog colour; Panel2's colour frames the notebook.
    QPalette pagePalette = notebook_->palette();
    pagePalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    notebook_->setPalette(pagePalette);

    auto* protractor = new QWidget;
    label(protractor, model_.Label1, "Label1");
    radioButton(protractor, model_.Normalrb, "Normalrb");
    radioButton(protractor, model_.linerb, "linerb");
    QGroupBox* angles = groupBox(protractor, model_.anggb, "anggb");
    radioButton(angles, model_.Ang1rb, "Ang1rb");
    radioButton(angles, model_.ang2rb, "ang2rb");

    auto* ruler = new QWidget;
    label(ruler, model_.Label2, "Label2");
    label(ruler, model_.anallb, "anallb");
    radioButton(ruler, model_.pointsrb, "pointsrb");
    radioButton(ruler, model_.wavefrontrb, "wavefrontrb");
    radioButton(ruler, model_.pandlrb, "pandlrb");

    auto* rayMovement = new QWidget;
    QLabel* instructions = label(rayMovement, model_.Label3, "Label3");
    instructions->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    instructions->setWordWrap(true);
    QLabel* hint = label(rayMovement, model_.hintlb, "hintlb");
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hint->setFont(pixelFont("Arial", kPanelFontPixels, false));

    for (QWidget* page : {protractor, ruler, rayMovement}) {
        notebook_->addTab(page, {});
    }
    connect(notebook_, &QTabWidget::currentChanged, this, [this](int index) {
        model_.practicenb.setPageIndex(index);
        sync();
    });
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
    pushButton(panel, model_.Returnbt, "Returnbt");
    pushButton(panel, model_.resetbt, "resetbt");
}

void PracticeView::buildMethodGroup() {
    QGroupBox* methods = groupBox(this, model_.GroupBox1, "GroupBox1");
    radioButton(methods, model_.m1rb, "m1rb");
    radioButton(methods, model_.m2rb, "m2rb");
}

void PracticeView::sync() {
    // Each widget once: a second blocker on the same widget would restore the blocked state
    // the first one set.
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(placed_.size());
    for (const auto& [control, widget] : placed_) {
        blockers.emplace_back(widget);
    }

    setWindowTitle(text(model_.form.caption));
    for (const auto& [control, widget] : placed_) {
        widget->setGeometry(control->left, control->top, control->width, control->height);
        widget->setVisible(control->visible);
        widget->setEnabled(control->enabled);
    }
    for (const auto& [control, widget] : labels_) {
        widget->setText(text(control->caption));
    }
    for (const auto& [control, widget] : groups_) {
        widget->setTitle(text(control->caption));
    }
    for (const auto& [control, widget] : radios_) {
        widget->setText(text(control->caption));
        widget->setChecked(control->checked());
    }
    for (const auto& [control, widget] : pushButtons_) {
        widget->setText(text(control->caption));
    }
    const auto& pages = model_.practicenb.pages;
    for (int index = 0; index < notebook_->count() && index < static_cast<int>(pages.size());
         ++index) {
        notebook_->setTabText(index, text(pages[index]));
    }
    notebook_->setCurrentIndex(model_.practicenb.pageIndex());
    picture_->setCursor(model_.proim.cursor == Cursor::Cross ? Qt::CrossCursor : Qt::ArrowCursor);
    picture_->update();
}

void PracticeView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    model_.FormActivate();
    sync();
}

void PracticeView::keyPressEvent(QKeyEvent* event) {
    // Only Return and the close box close this window, not Escape.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
