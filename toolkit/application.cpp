#include "toolkit/application.h"

#include "toolkit/text.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <stdexcept>

TApplication *Application = nullptr;

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Keeps mouse and keyboard input away from disabled forms. Qt's own disabling
// would grey every windowed control and every child window; a disabled form
// here must look unchanged and leave the other windows usable.
class InputBlocker : public QObject {
protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (!isUserInput(event->type()) || !receiver->isWidgetType())
            return false;
        const TForm *form = TForm::FromWindow(static_cast<QWidget *>(receiver)->window());
        return form && !form->Enabled();
    }
};

QMessageBox::Icon toQIcon(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Stop: return QMessageBox::Critical;
    case TMsgIcon::Warning: return QMessageBox::Warning;
    case TMsgIcon::Information: return QMessageBox::Information;
    case TMsgIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

TModalResult showModalBox(const ShownMessageBox &request)
{
    QMessageBox box(toQIcon(request.icon), toDisplay(request.caption), toDisplay(request.text));
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    QPushButton *cancel = nullptr;
    if (request.buttons == TMsgButtons::OkCancel) {
        cancel = box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(ok);
    box.exec();
    return cancel && box.clickedButton() == cancel ? mrCancel : mrOk;
}

} // namespace

TModalResult MessageBoxSeam::answer(const ShownMessageBox &box)
{
    shown.push_back(box);
    if (responder) {
        const TModalResult result = responder(box);
        if (result != mrNone)
            return result;
    }
    if (!answers_.empty()) {
        const TModalResult result = answers_.front();
        answers_.pop_front();
        return result;
    }
    // Nothing queued: the safe answer, which never asks again.
    return box.buttons == TMsgButtons::OkCancel ? mrCancel : mrOk;
}

TApplication::TApplication()
    : inputBlocker_(std::make_unique<InputBlocker>())
{
    Application = this;
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(inputBlocker_.get());
}

TApplication::~TApplication()
{
    DestroyForms();
    if (qApp)
        qApp->removeEventFilter(inputBlocker_.get());
    if (Application == this)
        Application = nullptr;
}

void TApplication::adoptForm(std::unique_ptr<TForm> form)
{
    if (!mainForm_)
        mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void TApplication::DestroyForms()
{
    while (!forms_.empty())
        forms_.pop_back();
    mainForm_ = nullptr;
    terminated_ = false;
}

void TApplication::ShowMainForm()
{
    if (mainForm_)
        mainForm_->Show();
}

void TApplication::Run()
{
    ShowMainForm();
    if (!terminated_)
        loop_.exec();
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate()
{
    terminated_ = true;
    // Only the outermost loop is told to stop: a nested pass of pending
    // events, or a modal box, ends as usual first.
    loop_.exit();
}

TModalResult TApplication::MessageBox(const std::string &text, const std::string &caption,
                                      TMsgIcon icon, TMsgButtons buttons)
{
    const ShownMessageBox request{caption, text, icon, buttons};
    if (seam_)
        return seam_->answer(request);
    return showModalBox(request);
}

void TApplication::ShowException(const std::exception &error)
{
    MessageBox(std::string(error.what()) + ".", Title, TMsgIcon::Stop, TMsgButtons::Ok);
}

void TApplication::CallHandler(const TNotifyEvent &handler, TObject *sender)
{
    if (!handler)
        return;
    const QScopedValueRollback inHandler(handlerDepth_, handlerDepth_ + 1);
    try {
        handler(sender);
    } catch (const std::exception &error) {
        ShowException(error);
    } catch (...) {
        ShowException(std::runtime_error("Unknown exception"));
    }
}
