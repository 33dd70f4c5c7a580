#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "core/document/document_change.h"
#include "gui/model/typed_document_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace solvara {

class AcidChooser;
class BufferListWidget;
class CapacityPlotWidget;
class CFEdit;
class ProgramSession;
class ReagentGroup;
class WarningFrame;
struct BufferHelper;

// The form in which a buffer is designed. Every field writes into the document as it is typed
// and the document recalculates; the form then shows the document's values again, except in the
// field being typed in, so typing is never disturbed. The buffer list ranks the program
// database's default buffers by the capacity they would reach for the same design. Buttons take
// the buffer, a reagent or the salt from the databases, work out stocks with the concentration
// calculator and open the buffer's own acids.
class CSolvaraView : public QWidget {
    Q_OBJECT

  public:
    CSolvaraView(BufferDocumentModel& document, ProgramSession& session, QWidget* parent = nullptr);
    ~CSolvaraView() override;

    BufferDocumentModel& document() const noexcept { return document_; }

  private:
    // The design parameters that decide the capacities in the buffer list.
    struct RankingKey {
        double pH = 0;
        double concentration = 0;
        double temperature = 0;
        bool force = false;
        double forcedIonicStrength = 0;
        bool operator==(const RankingKey&) const = default;
    };
    struct Range {
        double low;
        double high;
    };
    using NumberEdit = std::function<DocumentChange(CSolvaraDoc&, double)>;

    QWidget* makeParametersGroup();
    QWidget* makeSelectionGroup();
    QWidget* makePlotGroup();
    QWidget* makePreparationGroup();
    QWidget* makeSaltGroup();

    // Writes every number typed into `field` into the document with `edit`, once it has been read
    // and found within `range`.
    void bindNumber(CFEdit& field, std::optional<Range> range, NumberEdit edit);
    bool withinRange(CFEdit& field, double value, std::optional<Range> range);
    // Runs `edit` as one typed into `field`, which keeps its text.
    void editFrom(QWidget* field, const std::function<DocumentChange(CSolvaraDoc&)>& edit);
    void pickBuffer(const BufferHelper& entry);

    // The buttons' dialogs; what the user takes becomes one edit of the document.
    void chooseBuffer();
    void chooseReagent(int ordinal);
    void chooseSalt();
    void calculateReagentStock(int ordinal);
    void calculateSaltStock();
    void showAcidsDetails();
    // The program's chooser of acids sharing a form, or the form's own while none is set.
    AcidChooser& acidChooser();

    void refresh(DocumentChange what);
    void showSubstances();
    void showMainComponents();
    void showNumbers();
    void showNumber(CFEdit& field, double value);
    // Rewrites `field` only when its text changes, showing the text's beginning.
    static void showText(QLineEdit& field, const QString& text);
    void showResults();
    void showIonicStrengthWarnings();
    // Re-ranks the buffer list when the parameters it depends on changed, or when `always`.
    void rankBuffers(bool always);
    // Lists the database's default buffers afresh, ranked for the design.
    void listBuffers();
    RankingKey rankingKey() const;

    BufferDocumentModel& document_;
    ProgramSession& session_;
    QWidget* editing_ = nullptr;
    std::optional<RankingKey> rankedFor_;
    std::optional<QColor> ionicStrengthWarning_;
    std::unique_ptr<AcidChooser> ownAcidChooser_;

    QLineEdit* name_ = nullptr;
    CFEdit* pH_ = nullptr;
    CFEdit* temperature_ = nullptr;
    CFEdit* concentration_ = nullptr;
    QComboBox* concentrationUnit_ = nullptr;
    CFEdit* volume_ = nullptr;
    QComboBox* volumeUnit_ = nullptr;
    CFEdit* ionicStrength_ = nullptr;
    WarningFrame* ionicStrengthFrame_ = nullptr;
    QCheckBox* force_ = nullptr;
    QLineEdit* capacity_ = nullptr;
    BufferListWidget* bufferList_ = nullptr;
    CapacityPlotWidget* plot_ = nullptr;
    ReagentGroup* firstReagent_ = nullptr;
    ReagentGroup* secondReagent_ = nullptr;
    QComboBox* mainComponent_ = nullptr;
    CFEdit* preparationTemperature_ = nullptr;
    QLabel* preparationPh_ = nullptr;
    ReagentGroup* salt_ = nullptr;
};

}  // namespace solvara
