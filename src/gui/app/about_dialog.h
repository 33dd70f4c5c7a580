#pragma once

#include <QDialog>
#include <QString>
#include <QStringView>

namespace solvara {

// "Version a.b.c.d" from a dotted version such as "0.1.0": parts that are missing or not a
// number show as 0, parts beyond the fourth are left out.
QString versionText(QStringView projectVersion);

// The program's icon, name, version and legal notice, with an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace solvara
