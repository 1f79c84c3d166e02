#pragma once

#include "toolkit/control.h"

#include <memory>
#include <vector>

class QPoint;
class QWidget;
class TGraphicControl;

// A top-level window with a fixed client size. Its graphic controls are drawn
// and hit-tested by the form in creation order, later ones on top; windowed
// controls are child widgets above them all.
class TForm : public TObject {
public:
    TForm();
    ~TForm() override;
    TForm(const TForm &) = delete;
    TForm &operator=(const TForm &) = delete;

    QWidget *Handle() const;
    // The form whose top-level window this is, or none.
    static TForm *FromWindow(QWidget *window);

    const std::string &Caption() const { return caption_; }
    void SetCaption(const std::string &caption);
    TColor Color() const { return color_; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }

    bool Visible() const;
    void SetVisible(bool visible); // makes visible without raising it
    void Show();                   // makes visible, brings to the front and activates
    void Hide();
    // A disabled form takes no mouse or keyboard input and looks unchanged;
    // the other forms stay usable.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Closing the main form ends the program's loop; any other form hides.
    void Close();
    // What the window manager's close request does: the form's
    // OnCloseRequest handler where it has one, Close() otherwise.
    void CloseRequest();
    void Repaint(); // the whole window, now

    TNotifyEvent OnMouseMove; // the pointer over no control
    TNotifyEvent OnMouseDown;
    TNotifyEvent OnCloseRequest;

    // The form's side of mouse handling, fed by its widget: the topmost
    // visible, enabled graphic control under the pointer gets a move or press,
    // a left press captures the mouse for it until the release, and a click is
    // a left release inside it after a left press on it.
    void MousePress(const QPoint &pos, bool leftButton, bool secondOfDoubleClick);
    void MouseMove(const QPoint &pos);
    void MouseRelease(const QPoint &pos, bool leftButton);
    void PaintControls(QPainter &painter, const class QRect &area);

    TGraphicControl *ControlAt(const QPoint &pos) const;

    // Used by buildForm() while the form's design is loaded.
    void setDesign(const std::string &caption, int clientWidth, int clientHeight, TColor color,
                   TFormBorderStyle borderStyle);
    template <class C> C *addControl(const ComponentProps &props)
    {
        auto control = std::make_unique<C>(this, props);
        C *raw = control.get();
        registerControl(std::move(control));
        return raw;
    }
    void loaded(); // every control's Loaded(), in creation order

private:
    friend class TApplication;
    void registerControl(std::unique_ptr<TControl> control);
    void placeOnFirstShow();
    QPoint centredOrigin(int width, int height) const;
    void fire(const TNotifyEvent &handler, TObject *sender);

    class Widget;
    std::unique_ptr<Widget> widget_;
    std::vector<std::unique_ptr<TControl>> controls_;
    std::vector<TGraphicControl *> graphics_; // creation order: paint order
    std::string caption_;
    TColor color_ = clWhite;
    TFormBorderStyle borderStyle_ = bsNone;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool enabled_ = true;
    bool placed_ = false;
    TGraphicControl *capture_ = nullptr;
    TGraphicControl *clickArmed_ = nullptr;
};
