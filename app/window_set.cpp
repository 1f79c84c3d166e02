#include "app/window_set.h"

#include "destination/folder_chooser.h"
#include "destination/new_folder_dialog.h"
#include "extract/progress_window.h"
#include "launcher/credits_window.h"
#include "launcher/main_window.h"
#include "launcher/text_viewer.h"
#include "toolkit/application.h"

void CreateWindowSet()
{
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(Form5);
    Application->CreateForm(Form6);
}

void DestroyWindowSet()
{
    Application->DestroyForms();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
}
