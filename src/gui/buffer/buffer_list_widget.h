#pragma once

#include <QTreeWidget>
#include <optional>
#include <vector>

#include "core/bufferdoc/buffer_list.h"

namespace solvara {

// The buffer selection list: the default buffers of the program database with the capacity each
// would reach for the current design, best first. Rows are replaced whenever the capacities
// change; the selected buffer stays selected by its names. Only a choice the user makes is
// reported, and only when it differs from the buffer picked last.
class BufferListWidget : public QTreeWidget {
    Q_OBJECT

  public:
    explicit BufferListWidget(QWidget* parent = nullptr);

    // Shows `rows` in their order, keeping the selected entry selected.
    void setRows(std::vector<BufferListRow> rows);
    const std::vector<BufferListRow>& rows() const noexcept { return rows_; }
    // Forgets the rows and the buffer picked last, as when the database they came from goes.
    void clearRows();
    // Deselects the entry and forgets the buffer picked last, as when the design's buffer came
    // from elsewhere: picking the same entry again loads it again.
    void forgetPick();

  Q_SIGNALS:
    void bufferPicked(const solvara::BufferHelper& entry);

  private:
    void reportSelection();

    std::vector<BufferListRow> rows_;
    std::optional<BufferHelper> picked_;
    bool filling_ = false;
};

}  // namespace solvara
