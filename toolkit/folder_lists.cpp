#include "toolkit/folder_lists.h"

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/io_error.h"
#include "toolkit/text.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int IndentStep = 10;
constexpr int PathRole = Qt::UserRole;
constexpr int IndentRole = Qt::UserRole + 1;

// Indents each line by its depth and gives every line the design's height.
class IndentingDelegate : public QStyledItemDelegate {
public:
    IndentingDelegate(int itemHeight, QObject *parent)
        : QStyledItemDelegate(parent)
        , itemHeight_(itemHeight)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + index.data(IndentRole).toInt() * IndentStep);
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(IndentRole).toInt() * IndentStep;
        if (itemHeight_ > 0)
            size.setHeight(itemHeight_);
        return size;
    }

private:
    int itemHeight_;
};

// Opens the selected line on a double-click or Enter; the toolkit reports
// what fails.
class FolderListWidget : public QListWidget {
public:
    FolderListWidget(QWidget *parent, TDirectoryListBox *owner)
        : QListWidget(parent)
        , owner_(owner)
    {
    }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        QListWidget::mouseDoubleClickEvent(event);
        if (itemAt(event->position().toPoint()))
            open();
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            open();
        else
            QListWidget::keyPressEvent(event);
    }

private:
    void open()
    {
        Application->CallHandler([this](TObject *) { owner_->OpenSelected(); }, owner_);
    }

    TDirectoryListBox *owner_;
};

// Reads the volumes again when it drops down.
class DriveComboWidget : public QComboBox {
public:
    DriveComboWidget(QWidget *parent, TDriveComboBox *owner)
        : QComboBox(parent)
        , owner_(owner)
    {
    }

    void showPopup() override
    {
        owner_->Reload();
        QComboBox::showPopup();
    }

private:
    TDriveComboBox *owner_;
};

bool isExistingNonFolder(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string parentOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string absolute(const std::string &path)
{
    if (path.starts_with('/'))
        return path;
    const std::string here = currentDirectory();
    return here == "/" ? "/" + path : here + "/" + path;
}

// The folder a path names: a last name that is empty, an existing file, or a
// pattern with "*" or "?" is dropped and the folder before it is meant.
std::string targetFolderOf(const std::string &path)
{
    const std::string full = absolute(path);
    const std::string lastName = full.substr(full.rfind('/') + 1);
    const bool dropLastName = lastName.empty() || lastName.find_first_of("*?") != std::string::npos
        || isExistingNonFolder(full);
    if (!dropLastName)
        return full;
    return full == "/" ? full : parentOf(full);
}

QIcon iconFor(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

QIcon iconOfKind(VolumeKind kind)
{
    switch (kind) {
    case VolumeKind::Removable: return iconFor(QStyle::SP_DriveFDIcon);
    case VolumeKind::Network: return iconFor(QStyle::SP_DriveNetIcon);
    case VolumeKind::CD: return iconFor(QStyle::SP_DriveCDIcon);
    case VolumeKind::Ram: return iconFor(QStyle::SP_DriveDVDIcon);
    case VolumeKind::Fixed: break;
    }
    return iconFor(QStyle::SP_DriveHDIcon);
}

} // namespace

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

void changeDirectory(const std::string &path)
{
    if (::chdir(path.c_str()) != 0)
        raiseIoError(errno);
}

TDirectoryListBox::TDirectoryListBox(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new FolderListWidget(owner->Handle(), this))
    , list_(static_cast<QListWidget *>(widget_))
    , directory_(currentDirectory())
{
    list_->setFont(toQFont(props.font));
    list_->setItemDelegate(new IndentingDelegate(props.itemHeight, list_));
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    rebuildLines();
}

void TDirectoryListBox::rebuildLines()
{
    list_->clear();
    auto addLine = [this](const std::string &path, const std::string &name, QStyle::StandardPixmap icon,
                          int indent) {
        auto *item = new QListWidgetItem(iconFor(icon), toDisplay(name), list_);
        item->setData(PathRole, QString::fromStdString(path));
        item->setData(IndentRole, indent);
    };
    // "/" and every folder on the way down to the list folder.
    std::string path = "/";
    addLine("/", "/", QStyle::SP_DirOpenIcon, 0);
    int depth = 0;
    for (const QString &name : QString::fromStdString(directory_).split('/', Qt::SkipEmptyParts)) {
        path = path == "/" ? path + name.toStdString() : path + "/" + name.toStdString();
        addLine(path, name.toStdString(), QStyle::SP_DirOpenIcon, ++depth);
    }
    const int current = list_->count() - 1;
    QFont bold = list_->font();
    bold.setBold(true);
    list_->item(current)->setFont(bold);

    // Its sub-folders, hidden ones left out, sorted without regard to case.
    QDir folder(QString::fromStdString(directory_));
    const QFileInfoList subFolders = folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &sub : subFolders)
        addLine(sub.absoluteFilePath().toStdString(), sub.fileName().toStdString(), QStyle::SP_DirClosedIcon,
                depth + 1);
    list_->setCurrentRow(current);
}

void TDirectoryListBox::SetDirectory(const std::string &path)
{
    if (path.empty() || path == directory_)
        return;
    const std::string before = currentDirectory();
    const std::string oldDirectory = directory_;
    try {
        const std::string target = targetFolderOf(path);
        const std::vector<MountRecord> volumes = offeredVolumes();
        const std::string targetVolume = volumeOf(target, volumes);
        if (targetVolume != volumeOf(directory_, volumes)) {
            changeDirectory(targetVolume);
            directory_ = currentDirectory();
        }
        (void)::chdir(directory_.c_str()); // its failure does not matter
        changeDirectory(target);
        directory_ = currentDirectory();
    } catch (...) {
        (void)::chdir(before.c_str());
        directory_ = oldDirectory;
        throw;
    }
    rebuildLines();
}

void TDirectoryListBox::SetDrive(const std::string &mountPoint)
{
    if (mountPoint == volumeOf(directory_, offeredVolumes()))
        return;
    SetDirectory(mountPoint);
}

void TDirectoryListBox::OpenSelected()
{
    if (const QListWidgetItem *item = list_->currentItem())
        SetDirectory(item->data(PathRole).toString().toStdString());
}

std::vector<std::string> TDirectoryListBox::LinePaths() const
{
    std::vector<std::string> paths;
    for (int i = 0; i < list_->count(); ++i)
        paths.push_back(list_->item(i)->data(PathRole).toString().toStdString());
    return paths;
}

int TDirectoryListBox::SelectedLine() const
{
    return list_->currentRow();
}

TDriveComboBox::TDriveComboBox(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props, new DriveComboWidget(owner->Handle(), this))
    , combo_(static_cast<QComboBox *>(widget_))
    , drive_(volumeOf(currentDirectory(), offeredVolumes()))
{
    combo_->setFont(toQFont(props.font));
    Reload();
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int line) { Pick(line); });
}

void TDriveComboBox::Reload()
{
    const QSignalBlocker quiet(combo_);
    combo_->clear();
    for (const MountRecord &volume : offeredVolumes()) {
        combo_->addItem(iconOfKind(volumeKindOf(volume)), toDisplay(volumeLineOf(volume)),
                        QString::fromStdString(volume.mountPoint));
        if (volume.mountPoint == drive_)
            combo_->setCurrentIndex(combo_->count() - 1);
    }
}

std::vector<std::string> TDriveComboBox::LineTexts() const
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo_->count(); ++i)
        texts.push_back(fromDisplay(combo_->itemText(i)));
    return texts;
}

void TDriveComboBox::Pick(int line)
{
    if (line < 0 || line >= combo_->count())
        return;
    combo_->setCurrentIndex(line);
    drive_ = combo_->itemData(line).toString().toStdString();
    Application->CallHandler(OnChange, this);
}
