#pragma once

#include <QDialog>
#include <QString>

#include "core/program/program_defaults.h"
#include "gui/widgets/f_edit.h"

class QCheckBox;
class QComboBox;
class QGridLayout;

namespace solvara {

class KeptNumberEdit;

// Edits a copy of the program defaults. OK takes the form only when every number is within its
// range; Cancel leaves the copy as it was given.
class DefaultsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit DefaultsDialog(const ProgramDefaults& defaults, QWidget* parent = nullptr,
                            int displayDigits = defaultDisplayDigits);

    // The record as the dialog was closed with OK; the record it was given until then.
    ProgramDefaults result() const { return defaults_; }

    void accept() override;

  private:
    struct Range {
        double min;
        double max;
    };

    void showRecord(const ProgramDefaults& defaults);
    void reset();
    void enableIonicStrength();
    // Converts the number in `field` when its unit list goes from `unit` to the other unit.
    void convertUnit(KeptNumberEdit& field, QComboBox& unitList, int& unit);
    bool read(KeptNumberEdit& field, Range range, double& value);

    // A labelled number field on a new row of `grid`, with its unit after it when there is one.
    KeptNumberEdit* addNumber(QGridLayout& grid, const QString& label, const QString& unit = {});

    ProgramDefaults defaults_;
    int displayDigits_;
    KeptNumberEdit* pH_ = nullptr;
    KeptNumberEdit* concentration_ = nullptr;
    QComboBox* concentrationUnit_ = nullptr;
    int shownConcentrationUnit_ = 0;
    KeptNumberEdit* volume_ = nullptr;
    QComboBox* volumeUnit_ = nullptr;
    int shownVolumeUnit_ = 0;
    KeptNumberEdit* temperature_ = nullptr;
    KeptNumberEdit* preparationTemperature_ = nullptr;
    QCheckBox* force_ = nullptr;
    KeptNumberEdit* ionicStrength_ = nullptr;
    KeptNumberEdit* daviesC_ = nullptr;
    KeptNumberEdit* highIonicStrengthLimit_ = nullptr;
    QComboBox* startWith_ = nullptr;
};

}  // namespace solvara
