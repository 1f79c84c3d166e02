#pragma once

#include "toolkit/types.h"

#include <functional>
#include <string>

class QPainter;
class QWidget;
class TForm;

using TNotifyEvent = std::function<void(TObject *Sender)>;

// What a window design says of one component; each kind reads what it needs.
struct ComponentProps {
    std::string name;
    TRect bounds;
    std::string caption; // a label's caption, an edit box's text, a picture's resource path
    TFont font;
    TColor color = clDefault; // background of windowed controls
    TAlignment alignment = taLeftJustify;
    bool autoSize = false;
    bool transparent = true;
    bool visible = true;
    bool center = false; // a picture centred in its control
    int itemHeight = 0;
    int tabOrder = -1;
};

// Everything placed on a form.
class TControl : public TObject {
public:
    TControl(TForm *owner, const ComponentProps &props);

    const std::string Name;
    TForm *Owner() const { return owner_; }

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    const TRect &BoundsRect() const { return bounds_; }
    virtual void SetBounds(const TRect &bounds);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // Runs once every control of the form's design exists, still while the
    // design loads; a control reads what it takes from the system here. A
    // failure ends the loading and is reported by the form's creation.
    virtual void Loaded() {}
    // Runs when the form is first shown, just before it maps: a control
    // reads or makes here what only a shown window needs. A failure is
    // reported and the form shows all the same.
    virtual void FirstShown() {}

protected:
    TForm *owner_;
    TRect bounds_;
    bool visible_;
    bool enabled_ = true;
};

// A control without a window of its own: its form draws it and hands it the
// mouse events that fall on it.
class TGraphicControl : public TControl {
public:
    TGraphicControl(TForm *owner, const ComponentProps &props);

    TNotifyEvent OnClick;
    TNotifyEvent OnMouseDown;
    TNotifyEvent OnMouseMove;

    virtual void Paint(QPainter &painter) = 0;
    void Invalidate(); // repaint at the next paint pass
    void Repaint();    // repaint now, handling no other event

    void SetBounds(const TRect &bounds) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
};

// A control that is a real child widget of its form; it lies above every
// graphic control.
class TWinControl : public TControl {
public:
    TWinControl(TForm *owner, const ComponentProps &props, QWidget *widget);
    ~TWinControl() override;

    QWidget *Widget() const; // made now if it was put off
    void FirstShown() override; // makes a put-off widget that is to be seen
    void SetBounds(const TRect &bounds) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetFocus();

protected:
    // For a control whose widget is dear to make: MakeWidget() makes it when
    // the control is first to be seen (its form first shows it, or it is made
    // visible) or when the widget is first asked for, whichever comes first.
    // It takes the place among the form's widgets, in stacking and focus
    // order, that it would have had if made at once.
    TWinControl(TForm *owner, const ComponentProps &props);
    virtual QWidget *MakeWidget() { return nullptr; }
    bool HasWidget() const { return widget_ != nullptr; }

    QWidget *widget_ = nullptr; // owned by the form's widget
    const TFont font_;          // the design's, for a widget made later

private:
    void adopt(QWidget *widget);

    TColor color_;
    QWidget *slot_ = nullptr; // holds the place of a put-off widget
};
