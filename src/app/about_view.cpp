// SPDX-License-Identifier: MIT
#include "app/about_view.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/window_look.h"
#include "shell/information_dialog.h"

AboutView::AboutView(InformationDialog& model, QWidget* parent)
    : QDialog(parent), model_(model), product_(new QLabel(this)), version_(new QLabel(this)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(model.form.clientWidth, model.form.clientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(product_, 0, Qt::AlignHCenter);
    layout->addWidget(version_, 0, Qt::AlignHCenter);
    auto* ok = new QPushButton(QString::fromStdString(model.okButton.caption), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void AboutView::showModally() {
    setWindowTitle(QString::fromStdString(model_.form.caption));
    product_->setText(QString::fromStdString(model_.productName.caption));
    version_->setText(QString::fromStdString(model_.version.caption));
    exec();
}

void AboutView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        look::centreOnScreen(this);
    }
}
