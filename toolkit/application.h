#pragma once

#include "toolkit/layout.h"

#include <QEventLoop>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A message box as it was asked for.
struct ShownMessageBox {
    std::string caption;
    std::string text;
    TMsgIcon icon;
    TMsgButtons buttons;
};

// Tests answer message boxes through this seam instead of showing them: set
// the answers before the action, read what was shown after it.
class MessageBoxSeam {
public:
    void nextAnswer(TModalResult answer) { answers_.push_back(answer); }
    // Called for each box before the queued answers are looked at; a result
    // other than mrNone answers the box.
    std::function<TModalResult(const ShownMessageBox &)> responder;
    std::vector<ShownMessageBox> shown;

    TModalResult answer(const ShownMessageBox &box);

private:
    std::deque<TModalResult> answers_;
};

class TApplication {
public:
    TApplication();
    ~TApplication();

    std::string Title;
    TForm *MainForm() const { return mainForm_; }

    // Makes the form, stores it in its reference at once, builds it from its
    // design and runs its creation handler. An exception in either is
    // reported and creation goes on; a form whose design failed to load keeps
    // its design's captions, as its creation handler does not run on it. The
    // first form created is the main form.
    template <class F> void CreateForm(F *&reference)
    {
        auto form = std::make_unique<F>();
        reference = form.get();
        adoptForm(std::move(form));
        bool built = false;
        CallHandler(
            [&](TObject *) {
                buildForm(reference, F::Design());
                built = true;
            },
            reference);
        if (built && F::Design().onCreate)
            CallHandler(bindHandler(reference, F::Design().onCreate), reference);
    }
    void DestroyForms();

    // Shows the main form and handles events until Terminate() is called.
    void Run();
    void ShowMainForm();
    // Handles every pending event and returns when the queue is empty. A stop
    // requested inside takes effect only back in Run()'s loop.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // A modal box; every window is disabled while it is up; Escape is Cancel.
    TModalResult MessageBox(const std::string &text, const std::string &caption, TMsgIcon icon,
                            TMsgButtons buttons);
    // The default error report: the title as caption, a stop icon, OK, and
    // the message followed by a full stop.
    void ShowException(const std::exception &error);
    // Runs a handler; an exception ends it and is reported.
    void CallHandler(const TNotifyEvent &handler, TObject *sender);
    // True while a handler runs, also in the passes of events nested in it.
    bool InHandler() const { return handlerDepth_ > 0; }

    void SetMessageBoxSeam(MessageBoxSeam *seam) { seam_ = seam; }

private:
    void adoptForm(std::unique_ptr<TForm> form);

    std::vector<std::unique_ptr<TForm>> forms_;
    TForm *mainForm_ = nullptr;
    QEventLoop loop_;
    bool terminated_ = false;
    int handlerDepth_ = 0;
    MessageBoxSeam *seam_ = nullptr;
    std::unique_ptr<class QObject> inputBlocker_;
};

extern TApplication *Application;
