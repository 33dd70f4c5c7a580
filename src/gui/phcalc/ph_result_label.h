#pragma once

#include <QLabel>

namespace solvara {

// The large "pH = 2.88" of the pH calculator, framed in red while the ionic strength is too high
// for the result to be relied on.
class PhResultLabel : public QLabel {
    Q_OBJECT

  public:
    explicit PhResultLabel(QWidget* parent = nullptr);

    void setWarning(bool warning);
    bool warning() const noexcept { return warning_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool warning_ = false;
};

}  // namespace solvara
