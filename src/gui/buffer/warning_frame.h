#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace solvara {

// Holds one field and can draw a one-pixel frame around it, 2 pixels out on its left and top,
// to make a warning about its value stand out.
class WarningFrame : public QWidget {
    Q_OBJECT

  public:
    explicit WarningFrame(QWidget& field, QWidget* parent = nullptr);

    // No frame for none.
    void setFrameColour(std::optional<QColor> colour);
    std::optional<QColor> frameColour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget& field_;
    std::optional<QColor> colour_;
};

}  // namespace solvara
