#pragma once

#include "toolkit/application.h"

#include <QStringList>
#include <stdexcept>

// A small form whose handlers write what reached them into a log: a picture
// under two overlapping labels.
class ProbeForm : public TForm {
public:
    TImage *Image1 = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *Label2 = nullptr;
    QStringList log;
    bool throwOnClick = false;

    void Image1MouseMove(TObject *) { log << "Image1.move"; }
    void Label1MouseDown(TObject *) { log << "Label1.down"; }
    void Label1MouseMove(TObject *) { log << "Label1.move"; }
    void Label1Click(TObject *)
    {
        log << "Label1.click";
        if (throwOnClick)
            throw std::runtime_error("Boom");
    }
    void Label2MouseDown(TObject *) { log << "Label2.down"; }
    void Label2MouseMove(TObject *) { log << "Label2.move"; }
    void Label2Click(TObject *) { log << "Label2.click"; }

    static const FormDesign<ProbeForm> &Design()
    {
        static const ComponentRow<ProbeForm> rows[] = {
            {.field = &ProbeForm::Image1, .name = "Image1", .bounds = {0, 0, 200, 100},
             .onMouseMove = &ProbeForm::Image1MouseMove},
            {.field = &ProbeForm::Label1, .name = "Label1", .bounds = {10, 10, 50, 20}, .caption = "one",
             .onClick = &ProbeForm::Label1Click, .onMouseDown = &ProbeForm::Label1MouseDown,
             .onMouseMove = &ProbeForm::Label1MouseMove},
            {.field = &ProbeForm::Label2, .name = "Label2", .bounds = {40, 10, 50, 20}, .caption = "two",
             .onClick = &ProbeForm::Label2Click, .onMouseDown = &ProbeForm::Label2MouseDown,
             .onMouseMove = &ProbeForm::Label2MouseMove},
        };
        static const FormDesign<ProbeForm> design{"Probe", 200, 120, clBlack, bsNone, rows};
        return design;
    }
};
