#include "toolkit/control.h"

#include "toolkit/form.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

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
    , widget_(widget)
{
    widget_->setObjectName(QString::fromStdString(props.name));
    widget_->setGeometry(bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height);
    if (props.color != clDefault) {
        QPalette palette = widget_->palette();
        const QColor background(redOf(props.color), greenOf(props.color), blueOf(props.color));
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        widget_->setPalette(palette);
        widget_->setAutoFillBackground(true);
    }
    widget_->setVisible(visible_);
}

void TWinControl::SetBounds(const TRect &bounds)
{
    TControl::SetBounds(bounds);
    widget_->setGeometry(bounds_.Left, bounds_.Top, bounds_.Width, bounds_.Height);
}

void TWinControl::SetVisible(bool visible)
{
    TControl::SetVisible(visible);
    widget_->setVisible(visible);
}

void TWinControl::SetEnabled(bool enabled)
{
    TControl::SetEnabled(enabled);
    widget_->setEnabled(enabled);
}

void TWinControl::SetFocus()
{
    widget_->setFocus(Qt::OtherFocusReason);
}
