#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/desktop_hints.h"
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
        // The form decides; Qt must not hide the window by itself.
        event->ignore();
        form_->CloseRequest();
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
    const bool isMain = Application && Application->MainForm() == this;
    if (borderStyle == bsNone) {
        // A dialog is kept transient for the main window by Qt under X11, so
        // window managers stack it over the main window and iconify it with it.
        widget_->setWindowFlags((isMain ? Qt::Window : Qt::Dialog) | Qt::FramelessWindowHint);
    } else {
        // Not Qt::Tool: Qt makes a tool window transient (for the main window
        // or the program's group), and a window manager such as openbox then
        // iconifies the main window whenever the tool window is minimised.
        // The utility type is set on the window itself (DesktopHints).
        widget_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                | Qt::WindowCloseButtonHint);
    }
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
    widget_->winId();
    if (mainForm && mainForm != this && borderStyle_ == bsNone) {
        // Tied to the main window through their window handles, not as Qt
        // children: disabling the main window must not disable the others.
        mainForm->Handle()->winId();
        widget_->windowHandle()->setTransientParent(mainForm->Handle()->windowHandle());
    }
    if (borderStyle_ == bsToolWindow)
        DesktopHints::markAsUtility(widget_.get());
    // The centring rule holds for the window as the user sees it, with the
    // frame a window manager adds, asked of it before the first showing. The
    // client area is placed: QWidget::move's frame position lands on the
    // client area under openbox (measured: 20 px too high with a caption).
    QMargins frame;
    if (borderStyle_ != bsNone) {
        frame = DesktopHints::frameExtentsBeforeShowing(widget_.get());
        if (frame.isNull())
            frame = widget_->windowHandle()->frameMargins();
    }
    const QPoint frameOrigin = centredOrigin(clientWidth_ + frame.left() + frame.right(),
                                             clientHeight_ + frame.top() + frame.bottom());
    widget_->setGeometry(QRect(frameOrigin + QPoint(frame.left(), frame.top()), widget_->size()));
    for (const std::unique_ptr<TControl> &control : controls_)
        fire([&control](TObject *) { control->FirstShown(); }, control.get());
}

QPoint TForm::centredOrigin(int width, int height) const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect area = screen->geometry();
    return area.topLeft()
        + QPoint(std::max(0, (area.width() - width) / 2), std::max(0, (area.height() - height) / 2));
}

void TForm::SetVisible(bool visible)
{
    if (visible) {
        placeOnFirstShow();
        if (!widget_->isVisible() && Application && Application->MainForm() != this)
            DesktopHints::keepOffTaskBar(widget_.get()); // the program has one entry: the main window's
        widget_->show();
    } else {
        Hide();
    }
}

void TForm::Show()
{
    // Brought back from an iconified state too: a form other than the main
    // window has no task-bar entry to be restored from.
    widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
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

void TForm::CloseRequest()
{
    if (OnCloseRequest)
        fire(OnCloseRequest, this);
    else
        Close();
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
