#pragma once

#include <QListWidget>
#include <QTreeWidget>

class QKeyEvent;

namespace solvara {

// The lists of the database editors: pressing Delete in one asks the editor to delete the
// selected entry (the editor acts only while its Delete button is enabled).
class DeleteKeyListWidget : public QListWidget {
    Q_OBJECT

  public:
    using QListWidget::QListWidget;

  Q_SIGNALS:
    void deletePressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class DeleteKeyTreeWidget : public QTreeWidget {
    Q_OBJECT

  public:
    using QTreeWidget::QTreeWidget;

  Q_SIGNALS:
    void deletePressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Whether `event` is the plain Delete key.
bool isDeleteKey(const QKeyEvent& event);

}  // namespace solvara
