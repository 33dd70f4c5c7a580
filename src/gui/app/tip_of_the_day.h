#pragma once

#include <QDialog>

#include "gui/app/tip_cycle.h"

class QLabel;
class QSettings;

namespace solvara {

// Whether the settings ask for the tip of the day at start-up.
bool tipsShownAtStartup(const QSettings& settings);

// The tip of the day: one hint per opening, in the order kept in the "Settings" group of
// `settings` ("CurrentTip", "TipIncrement"), with the choice to show it at start-up
// ("ShowTipOfTheDay"). The settings must outlive the dialog.
class CTipofTheDay : public QDialog {
    Q_OBJECT

  public:
    explicit CTipofTheDay(QSettings& settings, QWidget* parent = nullptr);
    // With a given random source, so that a fresh start is foreseeable.
    CTipofTheDay(QSettings& settings, const TipRandom& random, QWidget* parent = nullptr);

  private:
    void showTip(int index);
    void advance();
    void showNextTip();
    void storeShowAtStartup(bool show);

    QSettings& settings_;
    TipCycle cycle_;
    QLabel* text_;
};

}  // namespace solvara
