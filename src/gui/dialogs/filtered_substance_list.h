#pragma once

#include <QAbstractListModel>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListView;

namespace solvara {

// One database entry a list may show: its id with its name and formula as the core keeps them.
struct SubstanceEntry {
    std::int32_t id;
    std::string name;
    std::string formula;
};

// The rows a list shows: the text of each listed entry with its id. A model, so that a list of
// ten thousand reagents costs no widget per row.
class SubstanceListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    struct Row {
        std::int32_t id;
        QString text;
    };

    using QAbstractListModel::QAbstractListModel;

    void setRows(std::vector<Row> rows);
    const Row& rowAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    // The first row showing exactly `text`, -1 when none does.
    int rowOf(const QString& text) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    std::vector<Row> rows_;
};

// The list of an editor with its filter: the entries whose name (or formula, by the "name" /
// "formula" choice) match the filter pattern, showing that text. The Delete key in the list and
// a double click are passed on.
class FilteredSubstanceList : public QWidget {
    Q_OBJECT

  public:
    enum class Shown { name = 0, formula = 1 };

    explicit FilteredSubstanceList(QWidget* parent = nullptr);

    // Takes the database's entries and lists those the filter passes.
    void setEntries(std::vector<SubstanceEntry> entries);
    // Lists the entries again with the current filter.
    void refill();
    // Selects the row showing `text` (the name or formula, by the choice), or none.
    void selectText(const std::string& text);
    void clearSelection();

    Shown shown() const;
    int listedCount() const { return model_->rowCount(); }
    // The id of the selected entry, -1 when none is selected.
    std::int32_t selectedId() const;
    QListView& view() const { return *view_; }
    QLineEdit& filterField() const { return *filter_; }
    QComboBox& shownChoice() const { return *shownChoice_; }

  Q_SIGNALS:
    // After every refill: the number listed changed or may have.
    void refilled();
    void selectedChanged(std::int32_t id);
    void activated(std::int32_t id);
    void deletePressed();

  private:
    void filterTypeChosen();

    std::vector<SubstanceEntry> entries_;
    SubstanceListModel* model_;
    QListView* view_;
    QComboBox* shownChoice_;
    QLineEdit* filter_;
};

}  // namespace solvara
