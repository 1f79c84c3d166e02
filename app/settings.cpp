// The settings reader: the main window's creation fills its titles, links and
// hidden labels from install.ini in the start-up folder.
#include "launcher/main_window.h"
#include "app/settings.h"
#include "toolkit/text_file.h"

namespace {
const char SettingsFileName[] = "install.ini";
}

std::string basePathOf(const std::string &startupFolder)
{
    // One separator always, so at the root the base path is "//".
    return startupFolder + "/";
}

void TForm1::FormCreate(TObject *)
{
    TTextFile settings(SettingsFileName);
    settings.Reset();
    Label1->SetCaption(settings.ReadLn());
    Label2->SetCaption(settings.ReadLn());
    Label5->SetCaption(settings.ReadLn());
    Label6->SetCaption(settings.ReadLn());
    Label7->SetCaption(settings.ReadLn());
    const std::string archiveName = settings.ReadLn();
    settings.Close();
    const std::string basePath = basePathOf(DirectoryListBox1->Directory());
    Label8->SetCaption(basePath + archiveName);
    Label9->SetCaption(basePath);
}
