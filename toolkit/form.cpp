#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/label.h"
#include "toolkit/text.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

// The form's top-level window: it paints the graphic controls and hands the
// mouse to the form.
class TForm::Widget : public QWidget {
public:
    explicit Widget(TForm *form)
        : form_(form)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    TForm *form() const { return form_; }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(redOf(form_->Color()), greenOf(form_->Color()),
                                               blueOf(form_->Color())));
        form_->PaintControls(painter, event->rect());
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        form_->MousePress(event->position().toPoint(), event->button() == Qt::LeftButton, false);
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        form_->MousePress(event->position().toPoint(), event->button() == Qt::LeftButton, true);
    }
    void mouseMoveEvent(QMouseEvent *event) override { form_->MouseMove(event->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        form_->MouseRelease(event->position().toPoint(), event->button() == Qt::LeftButton);
    }
    void closeEvent(QCloseEvent *event) override
    {
        // The window manager's close request follows the form's own rule.
        event->ignore();
        form_->Close();
    }

private:
    TForm *form_;
};

TForm *TForm::FromWindow(QWidget *window)
{
    if (auto *widget = dynamic_cast<TForm::Widget *>(window))
        return widget->form();
    return nullptr;
}

TForm::TForm()
    : widget_(std::make_unique<Widget>(this))
{
}

TForm::~TForm()
{
    // Child widgets of the windowed controls belong to the window.
    controls_.clear();
}

QWidget *TForm::Handle() const
{
    return widget_.get();
}

void TForm::setDesign(const std::string &caption, int clientWidth, int clientHeight, TColor color,
                      TFormBorderStyle borderStyle)
{
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    color_ = color;
    borderStyle_ = borderStyle;
    if (borderStyle == bsNone)
        widget_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    else
        widget_->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                | Qt::WindowCloseButtonHint);
    widget_->setFixedSize(clientWidth, clientHeight);
    SetCaption(caption);
}

void TForm::SetCaption(const std::string &caption)
{
    caption_ = caption;
    // The main window's title is the program's name on its task-bar entry.
    const bool isMain = Application && Application->MainForm() == this;
    widget_->setWindowTitle(isMain ? toDisplay(Application->Title) : toDisplay(caption));
}

void TForm::registerControl(std::unique_ptr<TControl> control)
{
    if (auto *graphic = dynamic_cast<TGraphicControl *>(control.get()))
        graphics_.push_back(graphic);
    controls_.push_back(std::move(control));
}

void TForm::loaded()
{
    for (const std::unique_ptr<TControl> &control : controls_)
        control->Loaded();
}

bool TForm::Visible() const
{
    return widget_->isVisible();
}

void TForm::placeOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    SetCaption(caption_);
    TForm *mainForm = Application ? Application->MainForm() : nullptr;
    if (mainForm && mainForm != this) {
        // Tied to the main window through their window handles, not as Qt
        // children: only the main window gets a task-bar entry, and disabling
        // it must not disable the others.
        mainForm->Handle()->winId();
        widget_->winId();
        widget_->windowHandle()->setTransientParent(mainForm->Handle()->windowHandle());
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const int left = std::max(0, (area.width() - clientWidth_) / 2);
        const int top = std::max(0, (area.height() - clientHeight_) / 2);
        widget_->move(area.left() + left, area.top() + top);
    }
}

void TForm::SetVisible(bool visible)
{
    if (visible) {
        placeOnFirstShow();
        widget_->show();
    } else {
        Hide();
    }
}

void TForm::Show()
{
    SetVisible(true);
    widget_->raise();
    widget_->activateWindow();
}

void TForm::Hide()
{
    capture_ = clickArmed_ = nullptr;
    widget_->hide();
}

void TForm::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled)
        capture_ = clickArmed_ = nullptr;
}

void TForm::Close()
{
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}

void TForm::Repaint()
{
    if (widget_->isVisible())
        widget_->repaint();
}

void TForm::PaintControls(QPainter &painter, const QRect &area)
{
    for (TGraphicControl *control : graphics_) {
        const QRect bounds(control->Left(), control->Top(), control->Width(), control->Height());
        if (!control->Visible() || !bounds.intersects(area))
            continue;
        painter.save();
        painter.translate(bounds.topLeft());
        painter.setClipRect(0, 0, bounds.width(), bounds.height());
        control->Paint(painter);
        painter.restore();
    }
}

TGraphicControl *TForm::ControlAt(const QPoint &pos) const
{
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        TGraphicControl *control = *it;
        if (control->Visible() && control->Enabled() && control->BoundsRect().contains(pos.x(), pos.y()))
            return control;
    }
    return nullptr;
}

void TForm::fire(const TNotifyEvent &handler, TObject *sender)
{
    if (Application)
        Application->CallHandler(handler, sender);
}

void TForm::MousePress(const QPoint &pos, bool leftButton, bool secondOfDoubleClick)
{
    TGraphicControl *target = capture_ ? capture_ : ControlAt(pos);
    if (leftButton) {
        capture_ = target;
        // The second press of a double-click arms no click.
        clickArmed_ = secondOfDoubleClick ? nullptr : target;
    }
    if (target)
        fire(target->OnMouseDown, target);
    else
        fire(OnMouseDown, this);
}

void TForm::MouseMove(const QPoint &pos)
{
    if (capture_) {
        fire(capture_->OnMouseMove, capture_);
        return;
    }
    if (!QRect(0, 0, clientWidth_, clientHeight_).contains(pos))
        return;
    if (TGraphicControl *target = ControlAt(pos))
        fire(target->OnMouseMove, target);
    else
        fire(OnMouseMove, this);
}

void TForm::MouseRelease(const QPoint &pos, bool leftButton)
{
    if (!leftButton || !capture_)
        return;
    TGraphicControl *released = capture_;
    const bool clicked = clickArmed_ == released && released->Visible() && released->Enabled()
        && released->BoundsRect().contains(pos.x(), pos.y());
    capture_ = clickArmed_ = nullptr;
    if (clicked)
        fire(released->OnClick, released);
}
