// SPDX-License-Identifier: MIT
#include "app/whoami_view.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/window_look.h"
#include "output/twhoami.h"

namespace {

constexpr int kFontPixels = 13;
constexpr char kEnter = 13;

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

WhoamiView::WhoamiView(TWhoami& model, QWidget* parent)
    : QDialog(parent), model_(model), binder_([this] { sync(); }) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(model_.form.clientWidth, model_.form.clientHeight);
    setFont(look::systemFont(kFontPixels));
    look::fillBackground(this, look::kCream);

    auto* group = new QGroupBox(this);
    group->setObjectName("GroupBox1");
    look::fillBackground(group, look::kOptionsBrown);
    binder_.bindGroupBox(model_.GroupBox1, group);

    name_ = new QLineEdit(group);
    name_->setObjectName("Iam");
    binder_.bindPlain(model_.Iam, name_);
    name_->installEventFilter(this);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        binder_.forward([this, text] { model_.Iam.text = text.toStdString(); });
    });

    auto* note = new QLabel(this);
    note->setObjectName("Label1");
    binder_.bindLabel(model_.Label1, note);

    auto* ok = new QPushButton(this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    binder_.bindButton(model_.Button1, ok);

    model_.closeRequested = [this] { accept(); };
    sync();
}

void WhoamiView::sync() {
    setWindowTitle(QString::fromStdString(model_.form.caption));
    binder_.syncAll();
    const QString name = QString::fromStdString(model_.Iam.text);
    if (name_->text() != name) {
        name_->setText(name);
    }
    if (model_.focus.focused() == &model_.Iam && !name_->hasFocus()) {
        name_->setFocus();
    }
}

void WhoamiView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    look::centreOnScreen(this);
    binder_.forward([this] { model_.FormActivate(); });
}

// Enter in the name box belongs to the model, which confirms the name; it must not also
// reach the dialog's default button.
bool WhoamiView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && isEnter(event)) {
        binder_.forward([this] { model_.IamKeyPress(kEnter); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
