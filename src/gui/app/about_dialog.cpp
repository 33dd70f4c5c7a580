#include "gui/app/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

namespace solvara {

namespace {

constexpr int kIconSize = 64;

QString productName() { return QStringLiteral("Solvara"); }

}  // namespace

QString versionText(QStringView projectVersion) {
    std::array<unsigned, 4> parts{};
    const auto written = projectVersion.split(QLatin1Char('.'));
    for (std::size_t i = 0; i < parts.size() && i < static_cast<std::size_t>(written.size()); ++i) {
        parts[i] = written[static_cast<qsizetype>(i)].trimmed().toUInt();
    }
    return QStringLiteral("Version %1.%2.%3.%4")
        .arg(parts[0])
        .arg(parts[1])
        .arg(parts[2])
        .arg(parts[3]);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About %1").arg(productName()));

    auto* icon = new QLabel(this);
    const QIcon applicationIcon(QStringLiteral(":/icons/solvara.svg"));
    icon->setPixmap(applicationIcon.pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);
    icon->setVisible(!applicationIcon.isNull());
    icon->setAccessibleName(tr("%1 icon").arg(productName()));

    auto* name = new QLabel(productName(), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    if (nameFont.pointSizeF() > 0) nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    name->setFont(nameFont);
    auto* version = new QLabel(versionText(QStringLiteral(SOLVARA_VERSION)), this);
    auto* notice =
        new QLabel(QStringLiteral("Copyright \u00A9 2026 Orvane. All rights reserved."), this);
    for (QLabel* text : {name, version, notice}) {
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(notice);
    texts->addStretch();

    auto* content = new QHBoxLayout;
    content->setSpacing(16);
    content->addWidget(icon);
    content->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace solvara
