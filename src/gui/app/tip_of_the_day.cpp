#include "gui/app/tip_of_the_day.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <algorithm>

namespace solvara {
namespace {

const QString showTipsKey = QStringLiteral("Settings/ShowTipOfTheDay");
const QString currentTipKey = QStringLiteral("Settings/CurrentTip");
const QString tipIncrementKey = QStringLiteral("Settings/TipIncrement");

constexpr int textWidth = 380;
constexpr int iconSize = 48;

// A value that is no integer (a hand-edited or damaged file) counts as absent.
int readInt(const QSettings& settings, const QString& key, int absent) {
    bool ok = false;
    const int value = settings.value(key, absent).toInt(&ok);
    return ok ? value : absent;
}

QString tipText(int index) {
    const std::string_view text = tipTexts[static_cast<std::size_t>(index)];
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QFont tipFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setWeight(QFont::Medium);
    return font;
}

// High enough for the longest hint, so the dialog keeps its size from one hint to the next.
int tallestTipHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    int tallest = 0;
    for (int index = 0; index < tipCount; ++index) {
        const QRect bounds =
            metrics.boundingRect(QRect(0, 0, textWidth, 0), Qt::TextWordWrap, tipText(index));
        tallest = std::max(tallest, bounds.height());
    }
    return tallest;
}

QFrame* makeTipPanel(QLabel& text) {
    auto* panel = new QFrame;
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAccessibleName(QStringLiteral("Tip"));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);

    text.setFont(tipFont());
    text.setWordWrap(true);
    text.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text.setTextFormat(Qt::PlainText);
    text.setMinimumSize(textWidth, tallestTipHeight(text.font()));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(&text);
    return panel;
}

}  // namespace

bool tipsShownAtStartup(const QSettings& settings) {
    return readInt(settings, showTipsKey, 1) != 0;
}

CTipofTheDay::CTipofTheDay(QSettings& settings, QWidget* parent)
    : CTipofTheDay(settings, timeSeededTipRandom(), parent) {}

CTipofTheDay::CTipofTheDay(QSettings& settings, const TipRandom& random, QWidget* parent)
    : QDialog(parent), settings_(settings), text_(new QLabel) {
    setWindowTitle(QStringLiteral("Tip of the day"));
    text_->setObjectName(QStringLiteral("tipText"));

    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/solvara.svg")).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* tipRow = new QHBoxLayout;
    tipRow->addWidget(icon);
    tipRow->addWidget(makeTipPanel(*text_), 1);

    auto* showAtStartup = new QCheckBox(QStringLiteral("Show tips at startup"));
    showAtStartup->setChecked(tipsShownAtStartup(settings_));
    connect(showAtStartup, &QCheckBox::clicked, this, &CTipofTheDay::storeShowAtStartup);

    auto* next = new QPushButton(QStringLiteral("&Next tip"));
    connect(next, &QPushButton::clicked, this, &CTipofTheDay::showNextTip);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(showAtStartup);
    bottomRow->addStretch();
    bottomRow->addWidget(next);
    bottomRow->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tipRow);
    layout->addLayout(bottomRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const TipCycle stored{readInt(settings_, currentTipKey, -1),
                          readInt(settings_, tipIncrementKey, -1)};
    cycle_ = resumeTipCycle(stored, random);
    if (cycle_.increment != stored.increment) settings_.setValue(tipIncrementKey, cycle_.increment);
    showTip(cycle_.current);
    // The next opening starts one further on.
    advance();
}

void CTipofTheDay::showTip(int index) { text_->setText(tipText(index)); }

void CTipofTheDay::advance() {
    cycle_.current = nextTip(cycle_);
    settings_.setValue(currentTipKey, cycle_.current);
}

void CTipofTheDay::showNextTip() {
    advance();
    showTip(cycle_.current);
}

void CTipofTheDay::storeShowAtStartup(bool show) { settings_.setValue(showTipsKey, show ? 1 : 0); }

}  // namespace solvara
