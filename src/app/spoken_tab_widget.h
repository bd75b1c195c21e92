// SPDX-License-Identifier: MIT
#pragma once

#include <QTabWidget>

// A notebook whose tab bar, when Tab lands on it, tells assistive technology that the focus
// is on its current tab. Qt reports only the bar, which has no description of its own; the
// tab carries its page's hint (its tooltip), and Qt itself reports the tab when the arrow
// keys change it.
class SpokenTabWidget : public QTabWidget {
  public:
    explicit SpokenTabWidget(QWidget* parent);
};
