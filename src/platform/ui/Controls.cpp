#include "platform/ui/Controls.h"

#include "platform/ui/Application.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace vcl {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QString& s) {
    return s.toStdString();
}

// Line edit that reports double clicks and focus entry.
class EditWidget : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> dblClick, enter;

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        QLineEdit::mouseDoubleClickEvent(e);
        if (dblClick)
            dblClick();
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        if (enter)
            enter();
    }
};

// Panel frame that reports clicks.
class PanelWidget : public QFrame {
public:
    using QFrame::QFrame;
    std::function<void()> click;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QFrame::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && click)
            click();
    }
};

// Radio button whose user click on the checked button does nothing, and
// whose check by the user fires the owner's click.
class RadioWidget : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    std::function<void()> userClick;

protected:
    void nextCheckState() override {
        if (isChecked())
            return;
        QRadioButton::nextCheckState();
        if (userClick)
            userClick();
    }
};

} // namespace

QFont MakeFont(const TFontStyle& style) {
    // The original's 5-pixel face is unreadable on a modern screen; a small
    // condensed face stands in for it at a size that fits the same boxes.
    QFont f(style.smallFace ? QStringLiteral("DejaVu Sans Condensed")
                            : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(style.smallFace ? 9 : std::max(style.pixelHeight - 1, 6));
    f.setBold(style.bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void TComponent::Dump(QJsonObject& out) const {
    out["kind"] = Kind();
    out["parent"] = Q(ParentName);
}

// ---- TControl ---------------------------------------------------------------

bool TControl::Visible() const {
    return !widget_->isHidden();
}
void TControl::SetVisible(bool v) {
    widget_->setVisible(v);
}
bool TControl::Enabled() const {
    return widget_->isEnabled();
}
void TControl::SetEnabled(bool e) {
    widget_->setEnabled(e);
}
int TControl::Left() const {
    return widget_->x();
}
int TControl::Top() const {
    return widget_->y();
}
int TControl::Width() const {
    return widget_->width();
}
int TControl::Height() const {
    return widget_->height();
}
void TControl::SetLeft(int v) {
    widget_->move(v, widget_->y());
}
void TControl::SetTop(int v) {
    widget_->move(widget_->x(), v);
}
void TControl::SetBounds(int l, int t, int w, int h) {
    widget_->setGeometry(l, t, w, h);
}
void TControl::SetHint(const std::string& hint) {
    hint_ = hint;
    widget_->setToolTip(Q(hint));
}
void TControl::SetColor(TColor c) {
    QPalette p = widget_->palette();
    p.setColor(QPalette::Window, ToQColor(c));
    p.setColor(QPalette::Base, ToQColor(c));
    p.setColor(QPalette::Button, ToQColor(c));
    widget_->setPalette(p);
    widget_->setAutoFillBackground(true);
}
void TControl::SetFont(const TFontStyle& f) {
    widget_->setFont(MakeFont(f));
    QPalette p = widget_->palette();
    p.setColor(QPalette::WindowText, ToQColor(f.color));
    p.setColor(QPalette::Text, ToQColor(f.color));
    p.setColor(QPalette::ButtonText, ToQColor(f.color));
    widget_->setPalette(p);
}
void TControl::Dump(QJsonObject& out) const {
    TComponent::Dump(out);
    out["visible"] = Visible();
    out["enabled"] = Enabled();
    out["left"] = Left();
    out["top"] = Top();
    out["width"] = Width();
    out["height"] = Height();
}

// ---- TEdit ------------------------------------------------------------------

TEdit::TEdit(QWidget* parent) : TControl(new EditWidget(parent)) {
    auto* e = static_cast<EditWidget*>(widget_);
    e->dblClick = [this] { FireGuarded(OnDblClick, this); };
    e->enter = [this] { FireGuarded(OnEnter, this); };
}
QLineEdit* TEdit::LineEdit() const {
    return static_cast<QLineEdit*>(widget_);
}
std::string TEdit::Text() const {
    return S(LineEdit()->text());
}
void TEdit::SetText(const std::string& t) {
    LineEdit()->setText(Q(t));
    LineEdit()->setCursorPosition(0);
}
void TEdit::SetReadOnly(bool r) {
    LineEdit()->setReadOnly(r);
}
void TEdit::SetBorderless(bool b) {
    LineEdit()->setFrame(!b);
}
void TEdit::DblClick() {
    FireGuarded(OnDblClick, this);
}
void TEdit::Enter() {
    FireGuarded(OnEnter, this);
}
void TEdit::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["text"] = LineEdit()->text();
}

// ---- TButton ----------------------------------------------------------------

TButton::TButton(QWidget* parent) : TControl(new QPushButton(parent)) {
    auto* b = static_cast<QPushButton*>(widget_);
    b->setFocusPolicy(Qt::NoFocus);
    QObject::connect(b, &QPushButton::clicked, [this] { FireGuarded(OnClick, this); });
}
std::string TButton::Caption() const {
    return S(static_cast<QPushButton*>(widget_)->text());
}
void TButton::SetCaption(const std::string& c) {
    static_cast<QPushButton*>(widget_)->setText(Q(c));
}
void TButton::Click() {
    FireGuarded(OnClick, this);
}
void TButton::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["caption"] = Q(Caption());
}

// ---- TRadioButton -----------------------------------------------------------

TRadioButton::TRadioButton(QWidget* parent) : TControl(new RadioWidget(parent)) {
    auto* r = static_cast<RadioWidget*>(widget_);
    r->setFocusPolicy(Qt::NoFocus);
    r->userClick = [this] { FireGuarded(OnClick, this); };
}
bool TRadioButton::Checked() const {
    return static_cast<QRadioButton*>(widget_)->isChecked();
}
void TRadioButton::SetCheckedSilently(bool c) {
    static_cast<QRadioButton*>(widget_)->setChecked(c);
}
void TRadioButton::SetChecked(bool c) {
    const bool was = Checked();
    SetCheckedSilently(c);
    if (c && !was && OnClick)
        OnClick(this);
}
std::string TRadioButton::Caption() const {
    return S(static_cast<QRadioButton*>(widget_)->text());
}
void TRadioButton::SetCaption(const std::string& c) {
    static_cast<QRadioButton*>(widget_)->setText(Q(c));
}
void TRadioButton::Click() {
    if (Checked())
        return;
    SetCheckedSilently(true);
    FireGuarded(OnClick, this);
}
void TRadioButton::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["caption"] = Q(Caption());
    out["checked"] = Checked();
}

// ---- TComboBox --------------------------------------------------------------

TComboBox::TComboBox(QWidget* parent, bool editable)
    : TControl(new QComboBox(parent)), editable_(editable) {
    auto* c = Combo();
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    // A user's choice, also of the item already shown, clicks and changes.
    QObject::connect(c, &QComboBox::activated, [this](int) {
        FireGuarded(OnClick, this);
        FireGuarded(OnChange, this);
    });
    if (editable) {
        QObject::connect(c->lineEdit(), &QLineEdit::textEdited,
                         [this](const QString&) { FireGuarded(OnChange, this); });
    }
}
QComboBox* TComboBox::Combo() const {
    return static_cast<QComboBox*>(widget_);
}
void TComboBox::SetItems(const std::vector<std::string>& items) {
    const QSignalBlocker block(Combo());
    const QString text = Combo()->currentText();
    Combo()->clear();
    for (const auto& i : items)
        Combo()->addItem(Q(i));
    Combo()->setCurrentIndex(-1);
    if (editable_)
        Combo()->setEditText(text);
}
std::vector<std::string> TComboBox::Items() const {
    std::vector<std::string> r;
    for (int i = 0; i < Combo()->count(); ++i)
        r.push_back(S(Combo()->itemText(i)));
    return r;
}
int TComboBox::ItemIndex() const {
    const int i = Combo()->currentIndex();
    if (!editable_)
        return i;
    // Text typed into the edit field selects the item it matches, if any.
    const QString text = Combo()->currentText();
    if (i >= 0 && Combo()->itemText(i) == text)
        return i;
    for (int k = 0; k < Combo()->count(); ++k)
        if (Combo()->itemText(k).compare(text, Qt::CaseInsensitive) == 0)
            return k;
    return -1;
}
void TComboBox::SetItemIndex(int i) {
    const QSignalBlocker block(Combo());
    if (i < -1 || i >= Combo()->count())
        i = -1;
    Combo()->setCurrentIndex(i);
    if (editable_ && i == -1)
        Combo()->setEditText(QString());
}
std::string TComboBox::Text() const {
    return S(Combo()->currentText());
}
void TComboBox::SetText(const std::string& t) {
    const QSignalBlocker block(Combo());
    if (editable_) {
        Combo()->setCurrentIndex(-1);
        Combo()->setEditText(Q(t));
    } else {
        Combo()->setCurrentIndex(Combo()->findText(Q(t), Qt::MatchExactly));
    }
}
void TComboBox::SetDropDownCount(int n) {
    Combo()->setMaxVisibleItems(n);
}
void TComboBox::Choose(int index) {
    {
        const QSignalBlocker block(Combo());
        Combo()->setCurrentIndex(index);
    }
    FireGuarded(OnClick, this);
    FireGuarded(OnChange, this);
}
void TComboBox::Type(const std::string& text) {
    if (!editable_)
        return;
    {
        const QSignalBlocker block(Combo());
        Combo()->setEditText(Q(text));
    }
    FireGuarded(OnChange, this);
}
void TComboBox::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["text"] = Combo()->currentText();
    out["itemIndex"] = ItemIndex();
    QJsonArray items;
    for (int i = 0; i < Combo()->count(); ++i)
        items.append(Combo()->itemText(i));
    out["items"] = items;
}

// ---- TScrollBar -------------------------------------------------------------

TScrollBar::TScrollBar(QWidget* parent) : TControl(new QScrollBar(Qt::Horizontal, parent)) {
    auto* s = static_cast<QScrollBar*>(widget_);
    s->setFocusPolicy(Qt::NoFocus);
    SyncWidget();
    QObject::connect(s, &QScrollBar::valueChanged, [this](int v) {
        if (!syncing_)
            Apply(v, true);
    });
}
void TScrollBar::SyncWidget() {
    auto* s = static_cast<QScrollBar*>(widget_);
    syncing_ = true;
    s->setRange(min_, std::max(min_, max_));
    s->setPageStep(largeChange_);
    s->setSingleStep(smallChange_);
    s->setValue(position_);
    syncing_ = false;
}
void TScrollBar::Apply(int newPosition, bool byUser) {
    newPosition = std::clamp(newPosition, min_, std::max(min_, max_));
    if (newPosition == position_) {
        SyncWidget();
        return;
    }
    position_ = newPosition;
    SyncWidget();
    if (byUser)
        FireGuarded(OnChange, this);
    else if (OnChange)
        OnChange(this);
}
void TScrollBar::SetMin(int v) {
    min_ = v;
    Apply(position_, false);
}
void TScrollBar::SetMax(int v) {
    max_ = v;
    Apply(position_, false);
}
void TScrollBar::SetPosition(int v) {
    Apply(v, false);
}
void TScrollBar::SetLargeChange(int v) {
    largeChange_ = v;
    SyncWidget();
}
void TScrollBar::SetSmallChange(int v) {
    smallChange_ = v;
    SyncWidget();
}
void TScrollBar::UserSetPosition(int v) {
    Apply(v, true);
}
void TScrollBar::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["min"] = min_;
    out["max"] = max_;
    out["position"] = position_;
}

// ---- TTrackBar --------------------------------------------------------------

TTrackBar::TTrackBar(QWidget* parent) : TControl(new QSlider(Qt::Vertical, parent)) {
    auto* s = static_cast<QSlider*>(widget_);
    s->setTickPosition(QSlider::NoTicks);
    SyncWidget();
    QObject::connect(s, &QSlider::valueChanged, [this](int v) {
        if (syncing_ || v == position_)
            return;
        position_ = v;
        FireGuarded(OnChange, this);
    });
}
void TTrackBar::SyncWidget() {
    auto* s = static_cast<QSlider*>(widget_);
    syncing_ = true;
    s->setRange(min_, std::max(min_, max_));
    s->setValue(position_);
    syncing_ = false;
}
void TTrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    SetPosition(position_);
}
void TTrackBar::SetPosition(int v) {
    v = std::clamp(v, min_, std::max(min_, max_));
    if (v == position_) {
        SyncWidget();
        return;
    }
    position_ = v;
    SyncWidget();
    if (OnChange)
        OnChange(this);
}
void TTrackBar::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["min"] = min_;
    out["max"] = max_;
    out["position"] = position_;
}

// ---- TUpDown ----------------------------------------------------------------

TUpDown::TUpDown(QWidget* parent) : TControl(new QWidget(parent)) {
    auto* layout = new QVBoxLayout(widget_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(widget_);
    auto* down = new QToolButton(widget_);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    layout->addWidget(up);
    layout->addWidget(down);
    QObject::connect(up, &QToolButton::clicked,
                     [this] { Application()->Guard([this] { Step(true); }); });
    QObject::connect(down, &QToolButton::clicked,
                     [this] { Application()->Guard([this] { Step(false); }); });
}
void TUpDown::Step(bool up) {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (allow)
        position_ = std::clamp(position_ + (up ? Increment : -Increment), Min, Max);
}
void TUpDown::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["min"] = Min;
    out["max"] = Max;
    out["position"] = position_;
}

// ---- TPanel -----------------------------------------------------------------

TPanel::TPanel(QWidget* parent) : TControl(new PanelWidget(parent)) {
    auto* p = static_cast<PanelWidget*>(widget_);
    p->click = [this] { FireGuarded(OnClick, this); };
    p->setAutoFillBackground(true);
    label_ = new QLabel(p);
    label_->setAlignment(Qt::AlignCenter);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(p);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(label_);
    label_->lower();
}
void TPanel::SetCaption(const std::string& c) {
    caption_ = c;
    label_->setText(Q(c));
}
void TPanel::SetCaptionFont(const TFontStyle& f) {
    label_->setFont(MakeFont(f));
    QPalette pal = label_->palette();
    pal.setColor(QPalette::WindowText, ToQColor(f.color));
    label_->setPalette(pal);
}
void TPanel::SetBevel(bool raisedOuter, bool loweredOuter, bool loweredInner) {
    auto* p = static_cast<QFrame*>(widget_);
    if (loweredOuter || loweredInner)
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (raisedOuter)
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    else
        p->setFrameStyle(QFrame::NoFrame);
}
void TPanel::SetColor(TColor c) {
    QPalette p = widget_->palette();
    p.setColor(QPalette::Window, ToQColor(c));
    widget_->setPalette(p);
    widget_->setAutoFillBackground(true);
}
void TPanel::Click() {
    FireGuarded(OnClick, this);
}
void TPanel::Dump(QJsonObject& out) const {
    TControl::Dump(out);
    out["caption"] = Q(caption_);
}

// ---- TMenuItem --------------------------------------------------------------

TMenuItem::TMenuItem(QAction* action, QMenu* submenu) : action_(action), submenu_(submenu) {
    if (!submenu_)
        QObject::connect(action_, &QAction::triggered, [this] { FireGuarded(OnClick, this); });
}
void TMenuItem::SetCaption(const std::string& c) {
    caption_ = c;
    action_->setText(Q(c));
}
bool TMenuItem::Visible() const {
    return action_->isVisible();
}
bool TMenuItem::Enabled() const {
    return action_->isEnabled();
}
void TMenuItem::Click() {
    FireGuarded(OnClick, this);
}
void TMenuItem::Dump(QJsonObject& out) const {
    TComponent::Dump(out);
    out["visible"] = Visible();
    out["enabled"] = Enabled();
    out["caption"] = Q(caption_);
}

// ---- TTimer -----------------------------------------------------------------

TTimer::TTimer() : timer_(new QTimer) {
    QObject::connect(timer_, &QTimer::timeout, [this] { FireGuarded(OnTimer, this); });
    Update();
}
TTimer::~TTimer() {
    delete timer_;
}
void TTimer::SetEnabled(bool e) {
    enabled_ = e;
    Update();
}
void TTimer::SetInterval(int ms) {
    interval_ = ms;
    Update();
}
void TTimer::Update() {
    timer_->stop();
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
}
void TTimer::Fire() {
    FireGuarded(OnTimer, this);
}
void TTimer::Dump(QJsonObject& out) const {
    TComponent::Dump(out);
    out["enabled"] = enabled_;
    out["interval"] = interval_;
}

} // namespace vcl
