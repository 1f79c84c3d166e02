#pragma once

#include "toolkit/folder_lists.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/windowed.h"

#include <span>
#include <type_traits>
#include <variant>

template <class F> using THandler = void (F::*)(TObject *Sender);

// One row of a window design: which field of the form receives the control
// (its type decides the kind), where it goes, what it shows and which
// handlers its events run.
template <class F> struct ComponentRow {
    std::variant<TImage *F::*, TLabel *F::*, TEdit *F::*, TMemo *F::*, TProgressBar *F::*,
                 TDirectoryListBox *F::*, TDriveComboBox *F::*>
        field;
    const char *name;
    TRect bounds;
    const char *caption = "";
    TFont font = {};
    TColor color = clDefault;
    TAlignment alignment = taLeftJustify;
    bool autoSize = false;
    bool transparent = true;
    bool visible = true;
    bool center = false;
    int itemHeight = 0;
    int tabOrder = -1;
    THandler<F> onClick = nullptr;
    THandler<F> onMouseDown = nullptr;
    THandler<F> onMouseMove = nullptr;
    THandler<F> onChange = nullptr;

    ComponentProps props() const
    {
        return {name, bounds, caption, font, color, alignment, autoSize, transparent,
                visible, center, itemHeight, tabOrder};
    }
};

template <class F> struct FormDesign {
    const char *caption;
    int clientWidth;
    int clientHeight;
    TColor color;
    TFormBorderStyle borderStyle;
    std::span<const ComponentRow<F>> components;
    THandler<F> onCreate = nullptr;
    // A close request from the window manager (its close button, Alt+F4, a
    // task bar); without a handler the form closes as Close() says.
    THandler<F> onCloseRequest = nullptr;
};

template <class F> TNotifyEvent bindHandler(F *form, THandler<F> handler)
{
    if (!handler)
        return {};
    return [form, handler](TObject *sender) { (form->*handler)(sender); };
}

// Builds a form's components from its design, bottom of the stack first, and
// stores each in its field of the form.
template <class F> void buildForm(F *form, const FormDesign<F> &design)
{
    form->setDesign(design.caption, design.clientWidth, design.clientHeight, design.color,
                    design.borderStyle);
    form->OnCloseRequest = bindHandler(form, design.onCloseRequest);
    for (const ComponentRow<F> &row : design.components) {
        std::visit(
            [&](auto field) {
                using Control = std::remove_pointer_t<std::remove_reference_t<decltype(form->*field)>>;
                Control *control = form->template addControl<Control>(row.props());
                form->*field = control;
                if constexpr (std::is_base_of_v<TGraphicControl, Control>) {
                    control->OnClick = bindHandler(form, row.onClick);
                    control->OnMouseDown = bindHandler(form, row.onMouseDown);
                    control->OnMouseMove = bindHandler(form, row.onMouseMove);
                }
                if constexpr (std::is_same_v<TDriveComboBox, Control> || std::is_same_v<TDirectoryListBox, Control>)
                    control->OnChange = bindHandler(form, row.onChange);
            },
            row.field);
    }
    form->loaded();
}
