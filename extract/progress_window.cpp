#include "extract/progress_window.h"

#include "extract/rar_unit.h"
#include "extract/run_messages.h"
#include "extract/volume_search.h"
#include "launcher/main_window.h"
#include "toolkit/application.h"

#include <QScopedValueRollback>
#include <cstring>
#include <optional>

TForm4 *Form4 = nullptr;

namespace {

const ComponentRow<TForm4> Components[] = {
    {.field = &TForm4::Image1, .name = "Image1", .bounds = {1, 1, 252, 121},
     .caption = ":/assets/small.png"},
    {.field = &TForm4::Label1, .name = "Label1", .bounds = {2, 54, 248, 18},
     .caption = "- press [extract] button when ready -", .font = {"Arial", 11, false, clWhite},
     .alignment = taCenter},
    {.field = &TForm4::Label2, .name = "Label2", .bounds = {176, 94, 38, 14}, .caption = "extract",
     .font = {"Arial", 11, true, clBlack}, .autoSize = true, .onClick = &TForm4::Label2Click},
    {.field = &TForm4::Label3, .name = "Label3", .bounds = {3, 10, 42, 14}, .caption = "Ready...",
     .font = {"Arial", 11, true, clBlack}, .autoSize = true},
    {.field = &TForm4::ProgressBar1, .name = "ProgressBar1", .bounds = {21, 70, 207, 15}},
};

} // namespace

const FormDesign<TForm4> &TForm4::Design()
{
    static const FormDesign<TForm4> design{"Ready...", 252, 122, clWhite, bsNone, Components,
                                           nullptr, &TForm4::FormCloseRequest};
    return design;
}

void TForm4::Label2Click(TObject *)
{
    // The run happens once in the program's life: the link stays disabled.
    Label2->SetEnabled(false);
    Repaint();
    const QScopedValueRollback running(Running, true);
    RunExtraction(Form1->Label8->Caption());
}

// A run is never left half-shown. Before the run, or after a failed one whose
// message the user has seen, a close request leads back to the main window;
// "extract" stays disabled after a run.
void TForm4::FormCloseRequest(TObject *)
{
    if (Running)
        return;
    Hide();
    Form1->SetEnabled(true);
}

void TForm4::ShowStatus(const std::string &text)
{
    Label1->SetCaption(text);
    Label1->Repaint();
}

void TForm4::ShowArchiveComment(const char *commentBuffer)
{
    ShowStatus(std::string("Comentario:") + commentBuffer);
}

void TForm4::ReportOpenError(int code, const std::string &archivePath)
{
    ShowStatus(openErrorMessage(code, archivePath));
}

void TForm4::ReportEntryError(int code)
{
    ShowStatus(entryErrorMessage(code));
}

namespace {

// Looks for the missing volume on every mounted medium before asking for it,
// and again after each OK; a volume found is handed back to the library in
// its name buffer. 1 lets the library open it, 0 stops the run.
int askForVolume(char *volumeName)
{
    const std::string asked = volumeName;
    // Taken while the medium of the volume before is still mounted: once the
    // user swaps discs its mount point is gone.
    const std::string inside = pathInsideMedium(asked, offeredVolumes());
    for (bool prompted = false;; prompted = true) {
        const std::optional<std::string> found = findVolumeFile(inside, offeredVolumes());
        // The library asks only after failing to open the name it asks for:
        // handing that name straight back would have it asking for ever.
        if (found && (prompted || *found != asked)) {
            std::memcpy(volumeName, found->c_str(), found->size() + 1);
            return 1;
        }
        const TModalResult answer =
            Application->MessageBox("Insert disk " + asked + " and press [Enter] or [Q]", "Request",
                                    TMsgIcon::Question, TMsgButtons::OkCancel);
        if (answer == mrCancel)
            return 0;
    }
}

} // namespace

int OnVolumeChange(char *volumeName, int mode)
{
    // No exception may cross the library's frames.
    try {
        if (mode == RarUnit::VolumeAsk) {
            return askForVolume(volumeName);
        }
        Form4->Label3->SetCaption("Unpacking > " + volumeFileName(volumeName));
        Form4->OpenedVolume = volumeName;
        return 1;
    } catch (const std::exception &error) {
        Application->ShowException(error);
        return 0;
    } catch (...) {
        return 0;
    }
}

int OnDataProcessed(unsigned char *, int size)
{
    try {
        if (Form4->EntrySize == 0)
            Form4->EntrySize = 1;
        Form4->EntryPercent += double(size) / double(Form4->EntrySize) * 100;
        Form4->ProgressBar1->SetPosition(barPosition(Form4->EntryPercent));
        Application->ProcessMessages();
    } catch (const std::exception &error) {
        Application->ShowException(error);
    } catch (...) {
    }
    return 1;
}
