// Event rules of the UI layer that the instrument's handlers rely on.
#include "platform/ui/Application.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Conversions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using namespace vcl;

struct Fixture : testing::Test {
    QWidget parent;
    int fired = 0;
    TNotifyEvent count = [this](TObject*) { ++fired; };
};

using ScrollBarEvents = Fixture;

struct ScrollCase {
    const char* what;
    int min, max, position; // starting state (set before the handler is bound)
    enum Op { Position, Min, Max } op;
    int value;
    int expectPosition;
    int expectFired;
};

TEST_F(ScrollBarEvents, CodeChangesFireOnChangeOnlyWhenThePositionMoves) {
    const ScrollCase cases[] = {
        {"position moved", 0, 100, 0, ScrollCase::Position, 50, 50, 1},
        {"same position", 0, 100, 50, ScrollCase::Position, 50, 50, 0},
        {"clamped to max", 0, 100, 0, ScrollCase::Position, 500, 100, 1},
        {"clamped to min", 10, 100, 50, ScrollCase::Position, -5, 10, 1},
        {"new min pushes position", 0, 100, 0, ScrollCase::Min, 100, 100, 1},
        {"new min below position", 0, 100, 50, ScrollCase::Min, 20, 50, 0},
        {"new max pulls position", 0, 1000, 500, ScrollCase::Max, 100, 100, 1},
        {"new max above position", 0, 100, 50, ScrollCase::Max, 1000, 50, 0},
    };
    for (const auto& c : cases) {
        TScrollBar bar(&parent);
        bar.SetMax(c.max);
        bar.SetMin(c.min);
        bar.SetPosition(c.position);
        fired = 0;
        bar.OnChange = count;
        switch (c.op) {
        case ScrollCase::Position:
            bar.SetPosition(c.value);
            break;
        case ScrollCase::Min:
            bar.SetMin(c.value);
            break;
        case ScrollCase::Max:
            bar.SetMax(c.value);
            break;
        }
        EXPECT_EQ(bar.Position(), c.expectPosition) << c.what;
        EXPECT_EQ(fired, c.expectFired) << c.what;
    }
}

TEST_F(ScrollBarEvents, HandlerSeesTheNewPositionAndItsExceptionReachesTheCode) {
    TScrollBar bar(&parent);
    int seen = -1;
    bar.OnChange = [&](TObject*) {
        seen = bar.Position();
        throw Exception("boom");
    };
    EXPECT_THROW(bar.SetPosition(42), Exception);
    EXPECT_EQ(seen, 42);
}

TEST_F(ScrollBarEvents, UserDragFiresThroughTheBoundary) {
    TScrollBar bar(&parent);
    bar.OnChange = [&](TObject*) { throw Exception("bad drag"); };
    const int before = Application()->ExceptionCount();
    static_cast<QScrollBar*>(bar.Widget())->setValue(30); // as the widget would
    EXPECT_EQ(bar.Position(), 30);
    EXPECT_EQ(Application()->ExceptionCount(), before + 1);
    EXPECT_EQ(Application()->LastExceptionMessage(), "bad drag");
}

using ComboBoxEvents = Fixture;

TEST_F(ComboBoxEvents, ItemIndexInCodeFiresNothingUserChoiceFiresEvenForTheSameItem) {
    TComboBox box(&parent, false);
    box.SetItems({"a", "b", "c"});
    box.OnClick = count;
    box.SetItemIndex(1);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(box.ItemIndex(), 1);
    box.Choose(2);
    EXPECT_EQ(fired, 1);
    box.Choose(2);
    EXPECT_EQ(fired, 2);
    // The widget's own activation (a real user's pick) goes the same way.
    box.Combo()->setCurrentIndex(0);
    EXPECT_EQ(fired, 2);
    emit box.Combo()->activated(0);
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(box.ItemIndex(), 0);
}

TEST_F(ComboBoxEvents, EditableTextThatMatchesNoItemHasNoIndex) {
    TComboBox box(&parent, true);
    box.SetItems({"automaticky", "od kanálu L", "od kanálu R"});
    box.SetText("od kanálu R");
    EXPECT_EQ(box.ItemIndex(), 2); // resource text matching an item
    box.SetItemIndex(0);
    EXPECT_EQ(box.ItemIndex(), 0);
    box.OnChange = count;
    box.Type("xyz");
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), "xyz");
    box.Type("od kanálu L");
    EXPECT_EQ(box.ItemIndex(), 1);
}

using RadioButtonEvents = Fixture;

TEST_F(RadioButtonEvents, CheckingFiresOnceClickingTheCheckedOneFiresNothing) {
    QWidget group(&parent);
    TRadioButton a(&group), b(&group);
    a.SetChecked(true);
    a.OnClick = count;
    int firedB = 0;
    b.OnClick = [&](TObject*) { ++firedB; };

    a.SetChecked(true); // already checked: nothing
    EXPECT_EQ(fired, 0);
    b.SetChecked(true); // code checks an unchecked one: its click
    EXPECT_EQ(firedB, 1);
    EXPECT_FALSE(a.Checked());
    b.Click(); // user clicks the checked one: nothing
    EXPECT_EQ(firedB, 1);
    a.Click(); // user clicks the unchecked one
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(a.Checked());
    EXPECT_FALSE(b.Checked());
    // A real mouse click on the checked button does nothing either.
    a.Widget()->resize(40, 14);
    QTest::mouseClick(a.Widget(), Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(fired, 1);
}

TEST(ExceptionBoundary, UserEventExceptionIsReportedAndTheProgramGoesOn) {
    QWidget parent;
    TButton button(&parent);
    std::string reported;
    Application()->OnException = [&](const std::string& m) { reported = m; };
    button.OnClick = [](TObject*) { vcl::StrToInt("12x"); };
    button.Click();
    EXPECT_EQ(reported, "'12x' is not a valid integer value");
    int after = 0;
    button.OnClick = [&](TObject*) { ++after; };
    QTest::mouseClick(button.Widget(), Qt::LeftButton);
    EXPECT_EQ(after, 1);
    Application()->OnException = nullptr;
}

} // namespace
