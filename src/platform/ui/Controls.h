// VCL-like controls over Qt Widgets. Properties are getter/Set pairs; events
// are std::function members assigned by the owner.
//
// Event rules (the instrument relies on them):
// - A change made by the user fires the event through Application's
//   exception boundary (an escaping exception is reported, the program goes on).
// - A change made in code that fires an event (scroll bar Position, also when
//   forced by a new Min or Max; checking an unchecked radio button; a track
//   bar's Position) calls the handler directly, so its exceptions reach the
//   code that made the change.
// - Setting a combo box's ItemIndex in code fires nothing.
// GUI thread only.
#pragma once

#include "platform/ui/Colors.h"

#include <QFont>
#include <QJsonObject>
#include <functional>
#include <string>
#include <vector>

class QWidget;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QComboBox;
class QScrollBar;
class QSlider;
class QFrame;
class QLabel;
class QAction;
class QMenu;
class QTimer;
class QToolButton;

namespace vcl {

class TObject {
public:
    virtual ~TObject() = default;
    std::string Name;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// Anything the window owns that has a name: controls, menu items, timers,
// non-visual components. Kind and Dump serve the state dump.
class TComponent : public TObject {
public:
    virtual const char* Kind() const = 0;
    virtual void Dump(QJsonObject& out) const;
    std::string ParentName;
};

// A font as the window's resource gives it.
struct TFontStyle {
    int pixelHeight = 11;
    bool bold = false;
    TColor color = clBlack;
    bool smallFace = false; // the 5-pixel face of the original
};
QFont MakeFont(const TFontStyle& style);

class TControl : public TComponent {
public:
    QWidget* Widget() const { return widget_; }
    bool Visible() const;
    void SetVisible(bool v);
    bool Enabled() const;
    void SetEnabled(bool e);
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int v);
    void SetTop(int v);
    void SetBounds(int left, int top, int width, int height);
    void SetHint(const std::string& hint);
    const std::string& Hint() const { return hint_; }
    virtual void SetColor(TColor c);
    void SetFont(const TFontStyle& f);
    void Dump(QJsonObject& out) const override;

protected:
    explicit TControl(QWidget* w) : widget_(w) {}
    QWidget* widget_;
    std::string hint_;
};

class TEdit : public TControl {
public:
    explicit TEdit(QWidget* parent);
    const char* Kind() const override { return "edit"; }
    std::string Text() const;
    void SetText(const std::string& t);
    void SetReadOnly(bool r);
    void SetBorderless(bool b);
    // Simulated user actions.
    void DblClick();
    void Enter();
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    QLineEdit* LineEdit() const;
    void Dump(QJsonObject& out) const override;
};

class TButton : public TControl {
public:
    explicit TButton(QWidget* parent);
    const char* Kind() const override { return "button"; }
    std::string Caption() const;
    void SetCaption(const std::string& c);
    std::string Text() const { return Caption(); }
    void Click(); // as the user's click
    TNotifyEvent OnClick;
    bool Cancel = false;
    bool Default = false;
    void Dump(QJsonObject& out) const override;
};

class TRadioButton : public TControl {
public:
    explicit TRadioButton(QWidget* parent);
    const char* Kind() const override { return "radiobutton"; }
    bool Checked() const;
    // Checking an unchecked button fires OnClick (directly); unchecking fires nothing.
    void SetChecked(bool c);
    std::string Caption() const;
    void SetCaption(const std::string& c);
    void Click(); // as the user's click: fires only when it was unchecked
    TNotifyEvent OnClick;
    void Dump(QJsonObject& out) const override;

private:
    void SetCheckedSilently(bool c);
    friend class TRadioButtonGroupAccess;
};

class TComboBox : public TControl {
public:
    // editable: a drop-down with an edit field (text may match no item).
    TComboBox(QWidget* parent, bool editable);
    const char* Kind() const override { return "combobox"; }
    void SetItems(const std::vector<std::string>& items);
    std::vector<std::string> Items() const;
    int ItemIndex() const;
    void SetItemIndex(int i); // fires nothing
    std::string Text() const;
    void SetText(const std::string& t);
    void SetDropDownCount(int n);
    // Simulated user actions: choosing an item (even the current one) fires
    // OnClick then OnChange; typing fires OnChange.
    void Choose(int index);
    void Type(const std::string& text);
    TNotifyEvent OnClick;
    TNotifyEvent OnChange;
    QComboBox* Combo() const;
    void Dump(QJsonObject& out) const override;

private:
    bool editable_;
};

class TScrollBar : public TControl {
public:
    explicit TScrollBar(QWidget* parent);
    const char* Kind() const override { return "scrollbar"; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetMin(int v);
    void SetMax(int v);
    void SetPosition(int v);
    void SetLargeChange(int v);
    void SetSmallChange(int v);
    int LargeChange() const { return largeChange_; }
    int SmallChange() const { return smallChange_; }
    void UserSetPosition(int v); // as the user's drag
    TNotifyEvent OnChange;
    void Dump(QJsonObject& out) const override;

private:
    void Apply(int newPosition, bool byUser);
    void SyncWidget();
    int min_ = 0, max_ = 100, position_ = 0, largeChange_ = 1, smallChange_ = 1;
    bool syncing_ = false;
};

class TTrackBar : public TControl {
public:
    explicit TTrackBar(QWidget* parent);
    const char* Kind() const override { return "trackbar"; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int v);
    TNotifyEvent OnChange;
    void Dump(QJsonObject& out) const override;

private:
    void SyncWidget();
    int min_ = 0, max_ = 10, position_ = 0;
    bool syncing_ = false;
};

class TUpDown : public TControl {
public:
    explicit TUpDown(QWidget* parent);
    const char* Kind() const override { return "updown"; }
    int Min = 0, Max = 100, Increment = 1;
    int Position() const { return position_; }
    void SetPosition(int v) { position_ = v; }
    // A user's click on an arrow: OnChanging sees the old position.
    void Step(bool up);
    TChangingEvent OnChanging;
    void Dump(QJsonObject& out) const override;

private:
    int position_ = 0;
};

class TPanel : public TControl {
public:
    explicit TPanel(QWidget* parent);
    const char* Kind() const override { return "panel"; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    void SetCaptionFont(const TFontStyle& f);
    // Only the panel's own background: its children keep their colours.
    void SetColor(TColor c) override;
    void SetBevel(bool raisedOuter, bool loweredOuter, bool loweredInner);
    void Click(); // as the user's click
    TNotifyEvent OnClick;
    void Dump(QJsonObject& out) const override;

private:
    QLabel* label_;
    std::string caption_;
};

class TMenuItem : public TComponent {
public:
    TMenuItem(QAction* action, QMenu* submenu);
    const char* Kind() const override { return "menuitem"; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Visible() const;
    bool Enabled() const;
    void Click(); // as the user's choice
    TNotifyEvent OnClick;
    QAction* Action() const { return action_; }
    QMenu* Submenu() const { return submenu_; }
    void Dump(QJsonObject& out) const override;

private:
    QAction* action_;
    QMenu* submenu_;
    std::string caption_;
};

class TTimer : public TComponent {
public:
    TTimer();
    ~TTimer() override;
    const char* Kind() const override { return "timer"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    TNotifyEvent OnTimer;
    void Fire(); // one tick, as the timer's own
    void Dump(QJsonObject& out) const override;

private:
    void Update();
    QTimer* timer_;
    bool enabled_ = true;
    int interval_ = 1000;
};

// A non-visual component shown in the dump only (the streams and the mixer).
class TNonVisual : public TComponent {
public:
    explicit TNonVisual(const char* kind) : kind_(kind) {}
    const char* Kind() const override { return kind_; }

private:
    const char* kind_;
};

} // namespace vcl
