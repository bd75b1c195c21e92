// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollBar>
#include <QString>

// A scroll bar as a screen reader tells it: by the name of what it sets ("Glass index") and
// by its value as the label beside it shows it ("1.50"), not by its raw position (150).
// Assistive technology that reads only numbers gets the shown number too: the position
// times `shownPerPosition`, so the glass index reads 1.5 where its position is 150.
class SpokenScrollBar : public QScrollBar {
    Q_OBJECT

  public:
    SpokenScrollBar(const QString& name, double shownPerPosition, QWidget* parent);

    double shownPerPosition() const { return shownPerPosition_; }
    QString shownValue() const { return shownValue_; }
    // The value as its label shows it, copied after every change of the window.
    void setShownValue(const QString& text);

  protected:
    // The keys go the way the bar points: Left and Down lower the value, Right and Up raise
    // it, Home and End go to the ends, whatever Qt's scroll bars do for scrolled views.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    double shownPerPosition_;
    QString shownValue_;
};

// The value text of a label that shows a setting: what follows its last ": " ("\"Glass\":
// 1.50" shows "1.50", "Zoom: 25%" shows "25%"), or the whole caption of a label that shows
// nothing else ("20").
QString shownValueOf(const QString& caption);
