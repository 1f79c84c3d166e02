#include "toolkit/folder_lists.h"

#include "toolkit/form.h"
#include "toolkit/io_error.h"
#include "toolkit/text.h"

#include <QComboBox>
#include <QListWidget>
#include <cerrno>
#include <unistd.h>
#include <vector>

std::string currentDirectory()
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            raiseIoError(errno);
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

TDirectoryListBox::TDirectoryListBox(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new QListWidget(owner->Handle()))
    , list_(static_cast<QListWidget *>(widget_))
    , directory_(currentDirectory())
{
    list_->setFont(toQFont(props.font));
}

TDriveComboBox::TDriveComboBox(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new QComboBox(owner->Handle()))
    , combo_(static_cast<QComboBox *>(widget_))
{
    combo_->setFont(toQFont(props.font));
}
