#include "toolkit/control.h"

#include "toolkit/form.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace {

// Holds a put-off widget's place among its form's widgets, in stacking and
// focus order; it never shows itself.
QWidget *placeHolder(QWidget *form)
{
    auto *slot = new QWidget(form);
    slot->hide();
    slot->setFocusPolicy(Qt::TabFocus); // else Qt places nothing after it in the focus chain
    return slot;
}

} // namespace

TControl::TControl(TForm *owner, const ComponentProps &props)
    : Name(props.name)
    , owner_(owner)
    , bounds_(props.bounds)
    , visible_(props.visible)
{
}

void TControl::SetBounds(const TRect &bounds)
{
    bounds_ = bounds;
}

void TControl::SetVisible(bool visible)
{
    visible_ = visible;
}

void TControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
}

TGraphicControl::TGraphicControl(TForm *owner, const ComponentProps &props)
    : TControl(owner, props)
{
}

void TGraphicControl::Invalidate()
{
    owner_->Handle()->update(bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height);
}

void TGraphicControl::Repaint()
{
    if (owner_->Handle()->isVisible())
        owner_->Handle()->repaint(bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height);
}

void TGraphicControl::SetBounds(const TRect &bounds)
{
    if (bounds.Left == bounds_.Left && bounds.Top == bounds_.Top && bounds.Width == bounds_.Width
        && bounds.Height == bounds_.Height)
        return;
    Invalidate();
    TControl::SetBounds(bounds);
    Invalidate();
}

void TGraphicControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    TControl::SetVisible(visible);
    Invalidate();
}

void TGraphicControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    TControl::SetEnabled(enabled);
    Invalidate();
}

TWinControl::TWinControl(TForm *owner, const ComponentProps &props, QWidget *widget)
    : TControl(owner, props)
    , font_(props.font)
    , color_(props.color)
{
    adopt(widget);
}

TWinControl::TWinControl(TForm *owner, const ComponentProps &props)
    : TControl(owner, props)
    , font_(props.font)
    , color_(props.color)
    , slot_(placeHolder(owner->Handle()))
{
}

TWinControl::~TWinControl()
{
    delete slot_;
}

QWidget *TWinControl::Widget() const
{
    if (!widget_) {
        auto *self = const_cast<TWinControl *>(this);
        self->adopt(self->MakeWidget());
        widget_->stackUnder(slot_);
        QWidget::setTabOrder(slot_, widget_);
        delete self->slot_;
        self->slot_ = nullptr;
    }
    return widget_;
}

void TWinControl::FirstShown()
{
    if (visible_)
        Widget();
}

void TWinControl::adopt(QWidget *widget)
{
    widget_ = widget;
    widget_->setObjectName(QString::fromStdString(Name));
    widget_->setGeometry(bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height);
    if (color_ != clDefault) {
        QPalette palette = widget_->palette();
        const QColor background(redOf(color_), greenOf(color_), blueOf(color_));
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        widget_->setPalette(palette);
        widget_->setAutoFillBackground(true);
    }
    widget_->setEnabled(enabled_);
    widget_->setVisible(visible_);
}

void TWinControl::SetBounds(const TRect &bounds)
{
    TControl::SetBounds(bounds);
    if (widget_)
        widget_->setGeometry(bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height);
}

void TWinControl::SetVisible(bool visible)
{
    TControl::SetVisible(visible);
    if (widget_ || visible)
        Widget()->setVisible(visible);
}

void TWinControl::SetEnabled(bool enabled)
{
    TControl::SetEnabled(enabled);
    if (widget_)
        widget_->setEnabled(enabled);
}

void TWinControl::SetFocus()
{
    Widget()->setFocus(Qt::OtherFocusReason);
}
