#include "platform/ui/Form.h"

#include <QCloseEvent>
#include <QJsonArray>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

namespace vcl {

namespace {

// The client area: shows the canvas image; controls are its children.
class ClientWidget : public QWidget {
public:
    ClientWidget(TForm* form, TCanvas* canvas) : form_(form), canvas_(canvas) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, canvas_->Image());
    }
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        form_->ClientResized(e->size().width(), e->size().height());
    }

private:
    TForm* form_;
    TCanvas* canvas_;
};

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(TForm* form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        form_->Closing();
        QMainWindow::closeEvent(e);
    }

private:
    TForm* form_;
};

} // namespace

TForm::TForm() {
    window_ = new MainWindow(this);
    client_ = new ClientWidget(this, &canvas_);
    window_->setCentralWidget(client_);
    canvas_.SetSize(clientWidth_, clientHeight_);
    // Drawing is frequent (thousands of segments a cycle): ask for one
    // repaint of the client area per pass of the event loop.
    canvas_.OnChanged = [this] {
        if (repaintPending_)
            return;
        repaintPending_ = true;
        QMetaObject::invokeMethod(
            client_,
            [this] {
                repaintPending_ = false;
                client_->update();
            },
            Qt::QueuedConnection);
    };
    ApplyGeometry();
}

TForm::~TForm() {
    canvas_.OnChanged = nullptr;
    // Widgets go with the window; the control objects only point at them.
    delete window_;
    window_ = nullptr;
    owned_.clear();
}

QMenuBar* TForm::MenuBar() const {
    return window_->menuBar();
}

void TForm::ApplyGeometry() {
    client_->setMinimumSize(clientWidth_, clientHeight_);
    const int menu = window_->menuBar()->isVisible() || !window_->isVisible()
                         ? window_->menuBar()->sizeHint().height()
                         : 0;
    window_->resize(clientWidth_, clientHeight_ + menu);
    window_->move(left_, top_);
}

void TForm::SetWidth(int w) {
    clientWidth_ = std::max(w - 2 * kBorder, 1);
    ApplyGeometry();
}
void TForm::SetHeight(int h) {
    // Caption and menu bar of the original take 38 pixels over the borders.
    clientHeight_ = std::max(h - 2 * kBorder - 38, 1);
    ApplyGeometry();
}
void TForm::SetTop(int t) {
    top_ = t;
    ApplyGeometry();
}
void TForm::SetLeft(int l) {
    left_ = l;
    ApplyGeometry();
}
void TForm::SetClientHeight(int h) {
    clientHeight_ = std::max(h, 1);
    ApplyGeometry();
}
void TForm::SetClientWidth(int w) {
    clientWidth_ = std::max(w, 1);
    ApplyGeometry();
}
void TForm::SetCaption(const std::string& c) {
    caption_ = c;
    window_->setWindowTitle(QString::fromStdString(c));
}

void TForm::Refresh() {
    canvas_.Clear(clBlack);
    client_->repaint();
}

void TForm::ClientResized(int w, int h) {
    if (w == canvas_.Width() && h == canvas_.Height())
        return;
    clientWidth_ = w;
    clientHeight_ = h;
    canvas_.SetSize(w, h);
    if (OnResize)
        OnResize();
}

void TForm::Show() {
    window_->show();
}
void TForm::Close() {
    window_->close();
}
void TForm::Closing() {
    if (closed_)
        return;
    closed_ = true;
    if (OnClose)
        OnClose();
}

void TForm::Register(TComponent* c, const std::string& name, const std::string& parent) {
    c->Name = name;
    c->ParentName = parent;
    order_.push_back(c);
    byName_[name] = c;
}

TComponent* TForm::Find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

TMenuItem* TForm::MakeMenuItem(const std::string& name, TMenuItem* parent,
                               const std::string& caption, bool hasSubmenu) {
    QMenu* submenu = nullptr;
    QAction* action = nullptr;
    const QString text = QString::fromStdString(caption);
    if (hasSubmenu) {
        submenu = new QMenu(text, window_);
        action = submenu->menuAction();
        if (parent)
            parent->Submenu()->addMenu(submenu);
        else
            window_->menuBar()->addMenu(submenu);
    } else {
        action = new QAction(text, window_);
        if (parent)
            parent->Submenu()->addAction(action);
        else
            window_->menuBar()->addAction(action);
    }
    auto* item = new TMenuItem(action, submenu);
    item->SetCaption(caption);
    owned_.emplace_back(item);
    Register(item, name, parent ? parent->Name : std::string("MainMenu1"));
    return item;
}

TTimer* TForm::MakeTimer(const std::string& name) {
    auto* t = new TTimer;
    owned_.emplace_back(t);
    Register(t, name, "Form1");
    return t;
}

void TForm::AddNonVisual(const std::string& name, const char* kind) {
    auto* c = new TNonVisual(kind);
    owned_.emplace_back(c);
    Register(c, name, "Form1");
}

QJsonObject TForm::DumpControls() const {
    QJsonObject all;
    for (const TComponent* c : order_) {
        QJsonObject o;
        c->Dump(o);
        all[QString::fromStdString(c->Name)] = o;
    }
    return all;
}

QJsonObject TForm::DumpWindow() const {
    QJsonObject client;
    const QPoint origin = client_->mapTo(window_, QPoint(0, 0));
    client["x"] = origin.x();
    client["y"] = origin.y();
    client["width"] = clientWidth_;
    client["height"] = clientHeight_;
    QJsonObject w;
    w["caption"] = QString::fromStdString(caption_);
    w["client"] = client;
    return w;
}

} // namespace vcl
