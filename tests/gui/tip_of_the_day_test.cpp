#include "gui/app/tip_of_the_day.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <climits>
#include <set>
#include <utility>
#include <vector>

#include "support/temporary_folder.h"

namespace solvara {
namespace {

// Hands out the given numbers in order, as the random source of one dialog.
TipRandom randomSequence(std::vector<int> numbers) {
    return [numbers = std::move(numbers), next = std::size_t{0}]() mutable {
        if (next == numbers.size()) {
            ADD_FAILURE() << "more random numbers drawn than foreseen";
            return 0;
        }
        return numbers[next++];
    };
}

QString tip(int index) { return QString::fromLatin1(tipTexts[static_cast<std::size_t>(index)]); }

class TipOfTheDay : public ::testing::Test {
  protected:
    QString shownTip(const CTipofTheDay& dialog) const {
        return dialog.findChild<QLabel*>(QStringLiteral("tipText"))->text();
    }
    QPushButton& nextButton(const CTipofTheDay& dialog) const {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("&Next tip")) return *button;
        }
        throw std::logic_error("no Next tip button");
    }
    // What the settings hold, or -999 when the value is absent.
    int stored(const char* name) const {
        return settings.value(QStringLiteral("Settings/") + QLatin1String(name), -999).toInt();
    }
    void store(int current, int increment) {
        settings.setValue(QStringLiteral("Settings/CurrentTip"), current);
        settings.setValue(QStringLiteral("Settings/TipIncrement"), increment);
    }

    testing::TemporaryFolder folder;
    QSettings settings{QString::fromStdString((folder.path() / "settings.ini").string()),
                       QSettings::IniFormat};
};

TEST(TipDivisor, IsEuclidWithTheLargerDividedFirst) {
    struct Case {
        int a, b, divisor;
    };
    const Case cases[] = {
        {33, 5, 1},  {5, 33, 1},        {33, 11, 11},
        {33, 0, 33}, {33, -1, -1},       // so the stored default always asks for a new increment
        {33, -5, 1}, {-1, INT_MIN, -1},  // no overflow on INT_MIN % -1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tipDivisor(c.a, c.b), c.divisor) << c.a << ", " << c.b;
    }
}

TEST_F(TipOfTheDay, CoprimeIncrementVisitsEveryTipOnceInThirtyThreeNextTips) {
    store(0, 5);
    CTipofTheDay dialog(settings, randomSequence({}));
    EXPECT_EQ(shownTip(dialog), tip(0));
    EXPECT_EQ(stored("CurrentTip"), 5) << "opening advances once";

    std::set<QString> seen;
    for (int press = 0; press < tipCount; ++press) {
        QTest::mouseClick(&nextButton(dialog), Qt::LeftButton);
        const int current = stored("CurrentTip");
        EXPECT_EQ(shownTip(dialog), tip(current)) << press;
        seen.insert(shownTip(dialog));
    }
    EXPECT_EQ(seen.size(), std::size_t{tipCount});
    EXPECT_EQ(stored("TipIncrement"), 5) << "a good increment is kept";
}

TEST_F(TipOfTheDay, IncrementSharingADivisorIsRedrawnUntilCoprimeAndStored) {
    store(3, 11);
    // Start 4; increments 10 % 32 + 1 = 11 and 21 % 32 + 1 = 22 share 11 with 33, 7 does not.
    CTipofTheDay dialog(settings, randomSequence({4, 10, 21, 6}));
    EXPECT_EQ(shownTip(dialog), tip(4));
    EXPECT_EQ(stored("TipIncrement"), 7);
    EXPECT_EQ(stored("CurrentTip"), 11);
}

TEST_F(TipOfTheDay, FirstOpeningDrawsStartAndIncrement) {
    CTipofTheDay dialog(settings, randomSequence({40, 4}));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tip of the day"));
    EXPECT_EQ(shownTip(dialog), tip(7));
    EXPECT_EQ(stored("TipIncrement"), 5);
    EXPECT_EQ(stored("CurrentTip"), 12);
    EXPECT_TRUE(dialog.findChild<QCheckBox*>()->isChecked());

    // The hint is read out as it is shown.
    auto* text = dialog.findChild<QLabel*>(QStringLiteral("tipText"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name), tip(7));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(text->parentWidget())->text(QAccessible::Name),
              QStringLiteral("Tip"));
}

TEST_F(TipOfTheDay, ShowAtStartupIsStoredAtOnce) {
    CTipofTheDay dialog(settings, randomSequence({0, 0}));
    dialog.show();
    auto* showAtStartup = dialog.findChild<QCheckBox*>();
    QTest::mouseClick(showAtStartup, Qt::LeftButton);
    EXPECT_EQ(stored("ShowTipOfTheDay"), 0);
    EXPECT_FALSE(tipsShownAtStartup(settings));

    CTipofTheDay reopened(settings, randomSequence({}));
    reopened.show();
    EXPECT_FALSE(reopened.findChild<QCheckBox*>()->isChecked());
    QTest::mouseClick(reopened.findChild<QCheckBox*>(), Qt::LeftButton);
    EXPECT_EQ(stored("ShowTipOfTheDay"), 1);
}

TEST_F(TipOfTheDay, StoredValuesOutsideTheListNeverIndexOutsideIt) {
    struct Case {
        QVariant current;
        int increment;
        int shown;
        int nextCurrent;
    };
    const Case cases[] = {
        {-3, 5, 9, 14},  // an index outside the list starts afresh, keeping a good increment
        {33, 5, 9, 14},     {QStringLiteral("abc"), 5, 9, 14},
        {2, -5, 2, 30},      // a coprime step backwards stays inside the list
        {2, INT_MAX, 2, 3},  // and a huge one does not overflow
    };
    for (const Case& c : cases) {
        settings.setValue(QStringLiteral("Settings/CurrentTip"), c.current);
        settings.setValue(QStringLiteral("Settings/TipIncrement"), c.increment);
        CTipofTheDay dialog(settings, randomSequence({9}));
        EXPECT_EQ(shownTip(dialog), tip(c.shown)) << c.current.toString().toStdString();
        EXPECT_EQ(stored("CurrentTip"), c.nextCurrent) << c.current.toString().toStdString();
        EXPECT_EQ(stored("TipIncrement"), c.increment);
    }
}

}  // namespace
}  // namespace solvara
