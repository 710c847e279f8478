// A VCL-like form: outer geometry, a client area that shows the canvas, a
// menu bar above the client area, and a registry of the named components it
// owns (for lookups and the state dump). GUI thread only.
#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/Controls.h"

#include <QJsonObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QMainWindow;
class QMenuBar;
class QMenu;
class QWidget;

namespace vcl {

class TForm : public TObject {
public:
    TForm();
    virtual ~TForm();

    // Outer geometry as the original platform counts it: a 3-pixel border on
    // each side, so the client width is Width - 6.
    static constexpr int kBorder = 3;
    void SetWidth(int w);
    void SetHeight(int h);
    void SetTop(int t);
    void SetLeft(int l);
    int Width() const { return clientWidth_ + 2 * kBorder; }
    int Top() const { return top_; }
    int Left() const { return left_; }
    void SetClientHeight(int h);
    void SetClientWidth(int w);
    int ClientHeight() const { return clientHeight_; }
    int ClientWidth() const { return clientWidth_; }
    void SetCaption(const std::string& c);
    const std::string& Caption() const { return caption_; }

    TCanvas* Canvas() { return &canvas_; }
    // Repaints the whole window: every drawing on the client area is wiped.
    void Refresh();

    QMainWindow* Window() const { return window_; }
    QWidget* Client() const { return client_; }
    QMenuBar* MenuBar() const;
    void Show();
    void Close();

    // Component registry, in creation order.
    void Register(TComponent* c, const std::string& name, const std::string& parent);
    TComponent* Find(const std::string& name) const;
    const std::vector<TComponent*>& Components() const { return order_; }
    QJsonObject DumpControls() const;
    QJsonObject DumpWindow() const;

    // Factories: create, name and register a control placed in client pixels
    // (or its panel's pixels).
    template <class T, class... A>
    T* Make(const std::string& name, TControl* parent, int l, int t, int w, int h, A&&... args) {
        QWidget* p = parent ? parent->Widget() : client_;
        auto* c = new T(p, std::forward<A>(args)...);
        owned_.emplace_back(c);
        c->SetBounds(l, t, w, h);
        Register(c, name, parent ? parent->Name : std::string("Form1"));
        return c;
    }
    TMenuItem* MakeMenuItem(const std::string& name, TMenuItem* parent, const std::string& caption,
                            bool hasSubmenu);
    TTimer* MakeTimer(const std::string& name);
    void AddNonVisual(const std::string& name, const char* kind);

    // Form events.
    std::function<void()> OnResize;
    std::function<void()> OnClose;
    // Raised by the window system; also callable from tests.
    void ClientResized(int w, int h);
    void Closing();

private:
    void ApplyGeometry();

    QMainWindow* window_;
    QWidget* client_;
    TCanvas canvas_;
    std::string caption_;
    int clientWidth_ = 794;
    int clientHeight_ = 526;
    int top_ = 0, left_ = 0;
    bool closed_ = false;
    bool repaintPending_ = false;
    std::vector<std::unique_ptr<TComponent>> owned_;
    std::vector<TComponent*> order_;
    std::map<std::string, TComponent*> byName_;
};

} // namespace vcl
