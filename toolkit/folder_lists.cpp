#include "toolkit/folder_lists.h"

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/io_error.h"
#include "toolkit/text.h"

#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
        if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
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

// The folder a path names: a last name that is empty or an existing file is
// dropped and the folder before it is meant. "*" and "?" are ordinary
// characters in Linux names.
std::string targetFolderOf(const std::string &path)
{
    const std::string full = absolute(path);
    const std::string lastName = full.substr(full.rfind('/') + 1);
    if (!lastName.empty() && !isExistingNonFolder(full))
        return full;
    return full == "/" ? full : parentOf(full);
}

// What a folder is, whatever its path now names: the mount that holds it and
// its inode. Two mounts of the same device, a stick pulled and put in again,
// are told apart by the mount's id.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t mount = 0;
    std::uint64_t inode = 0;
    bool operator==(const FolderIdentity &) const = default;
};

std::optional<FolderIdentity> identityOf(const std::string &path)
{
    struct statx info;
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_INO | STATX_MNT_ID, &info) != 0)
        return std::nullopt;
    const std::uint64_t mount = (info.stx_mask & STATX_MNT_ID) ? info.stx_mnt_id : 0;
    return FolderIdentity{::makedev(info.stx_dev_major, info.stx_dev_minor), mount, info.stx_ino};
}

bool sameFolder(const std::string &a, const std::string &b)
{
    const auto first = identityOf(a);
    return first && first == identityOf(b);
}

bool sameMount(const std::string &a, const std::string &b)
{
    const auto first = identityOf(a);
    const auto second = identityOf(b);
    return first && second && first->device == second->device && first->mount == second->mount;
}

// Holds on to the current directory, even a removed one, so that a failed
// change can go back to it.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper()
        : fd_(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd_ < 0)
            raiseIoError(errno);
    }
    ~CurrentDirectoryKeeper() { ::close(fd_); }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper &) = delete;
    CurrentDirectoryKeeper &operator=(const CurrentDirectoryKeeper &) = delete;

    void goBack() const { (void)::fchdir(fd_); }

private:
    int fd_;
};

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
    : TWinControl(owner, props)
    , itemHeight_(props.itemHeight)
{
}

QWidget *TDirectoryListBox::MakeWidget()
{
    auto *list = new FolderListWidget(owner_->Handle(), this);
    list->setFont(toQFont(font_));
    list->setItemDelegate(new IndentingDelegate(itemHeight_, list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QListWidget *TDirectoryListBox::list() const
{
    return static_cast<QListWidget *>(Widget());
}

void TDirectoryListBox::Loaded()
{
    if (!Visible())
        takeCurrentDirectory();
}

void TDirectoryListBox::FirstShown()
{
    if (!Visible())
        return; // a hidden list has its folder, and no lines to show
    try {
        if (directory_.empty())
            takeCurrentDirectory();
    } catch (...) {
        rebuildLines(); // the root line alone: a way out of a removed folder
        throw;
    }
    rebuildLines();
}

void TDirectoryListBox::takeCurrentDirectory()
{
    directory_ = currentDirectory();
}

std::string TDirectoryListBox::Drive() const
{
    return volumeOf(directory_, offeredVolumes());
}

std::vector<std::string> subFoldersOf(const std::string &folder)
{
    // POSIX calls, not QDir: Qt turns names into Unicode and back, which
    // loses names that are not valid in the locale's encoding.
    std::vector<std::string> names;
    DIR *listing = ::opendir(folder.c_str());
    if (!listing)
        return names;
    while (const dirent *entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.starts_with('.'))
            continue; // hidden, and "." and ".."
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info;
            isFolder = ::fstatat(::dirfd(listing), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        if (isFolder)
            names.push_back(name);
    }
    ::closedir(listing);

    // compare(), not sort keys: in the C locale only compare() leaves case
    // aside.
    QCollator collator; // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QString, std::string>> shown;
    shown.reserve(names.size());
    for (std::string &name : names)
        shown.emplace_back(toDisplay(name), std::move(name));
    std::stable_sort(shown.begin(), shown.end(),
                     [&](const auto &a, const auto &b) { return collator.compare(a.first, b.first) < 0; });
    std::vector<std::string> sorted;
    sorted.reserve(shown.size());
    for (auto &entry : shown)
        sorted.push_back(std::move(entry.second));
    return sorted;
}

void TDirectoryListBox::rebuildLines()
{
    QListWidget *lines = list();
    lines->clear();
    auto addLine = [lines](const std::string &path, const std::string &name, QStyle::StandardPixmap icon,
                           int indent) {
        auto *item = new QListWidgetItem(iconFor(icon), toDisplay(name), lines);
        item->setData(PathRole, QByteArray::fromStdString(path));
        item->setData(IndentRole, indent);
    };
    // "/" and every folder on the way down to the list folder.
    addLine("/", "/", QStyle::SP_DirOpenIcon, 0);
    if (directory_.empty())
        return;
    std::string path;
    int depth = 0;
    std::size_t begin = 1;
    while (begin < directory_.size()) {
        const std::size_t end = std::min(directory_.find('/', begin), directory_.size());
        const std::string name = directory_.substr(begin, end - begin);
        path += "/" + name;
        if (!name.empty())
            addLine(path, name, QStyle::SP_DirOpenIcon, ++depth);
        begin = end + 1;
    }
    const int current = lines->count() - 1;
    QFont bold = lines->font();
    bold.setBold(true);
    lines->item(current)->setFont(bold);

    const std::string parent = directory_ == "/" ? "" : directory_;
    for (const std::string &name : subFoldersOf(directory_))
        addLine(parent + "/" + name, name, QStyle::SP_DirClosedIcon, depth + 1);
    lines->setCurrentRow(current);
}

bool TDirectoryListBox::isListFolder(const std::string &path) const
{
    return sameFolder(path, ".") && sameFolder(directory_, ".");
}

void TDirectoryListBox::SetDirectory(const std::string &path)
{
    if (path.empty() || isListFolder(path))
        return;
    const CurrentDirectoryKeeper before;
    const std::string oldDirectory = directory_;
    try {
        const std::string target = targetFolderOf(path);
        // The volume first, as a change of drive; the folder then.
        const std::string targetVolume = volumeOf(target, offeredVolumes());
        if (!sameMount(targetVolume, ".")) {
            changeDirectory(targetVolume);
            directory_ = currentDirectory();
        }
        (void)::chdir(directory_.c_str()); // its failure does not matter
        changeDirectory(target);
        directory_ = currentDirectory();
    } catch (...) {
        before.goBack();
        directory_ = oldDirectory;
        throw;
    }
    if (HasWidget())
        rebuildLines(); // one without its widget yet reads them when its form first shows
    Application->CallHandler(OnChange, this);
}

void TDirectoryListBox::SetDrive(const std::string &mountPoint)
{
    if (sameMount(mountPoint, ".") && sameFolder(directory_, "."))
        return;
    SetDirectory(mountPoint);
}

void TDirectoryListBox::OpenSelected()
{
    if (const QListWidgetItem *item = list()->currentItem())
        SetDirectory(item->data(PathRole).toByteArray().toStdString());
}

std::vector<std::string> TDirectoryListBox::LinePaths() const
{
    std::vector<std::string> paths;
    const QListWidget *lines = list();
    for (int i = 0; i < lines->count(); ++i)
        paths.push_back(lines->item(i)->data(PathRole).toByteArray().toStdString());
    return paths;
}

int TDirectoryListBox::SelectedLine() const
{
    return list()->currentRow();
}

TDriveComboBox::TDriveComboBox(TForm *owner, const ComponentProps &props)
    : TWinControl(owner, props)
{
}

QWidget *TDriveComboBox::MakeWidget()
{
    auto *combo = new DriveComboWidget(owner_->Handle(), this);
    combo->setFont(toQFont(font_));
    QObject::connect(combo, &QComboBox::activated, combo, [this](int line) { Pick(line); });
    return combo;
}

QComboBox *TDriveComboBox::combo() const
{
    return static_cast<QComboBox *>(Widget());
}

void TDriveComboBox::FirstShown()
{
    try {
        drive_ = volumeOf(currentDirectory(), offeredVolumes());
    } catch (const EInOutError &) {
        // A removed current directory is on no volume; the folder list
        // reports it.
    }
    Reload();
}

void TDriveComboBox::SetDrive(const std::string &mountPoint)
{
    drive_ = mountPoint;
    if (HasWidget())
        Reload(); // one without its widget yet reads them when its form first shows
}

void TDriveComboBox::Reload()
{
    QComboBox *lines = combo();
    const QSignalBlocker quiet(lines);
    lines->clear();
    for (const MountRecord &volume : offeredVolumes()) {
        lines->addItem(iconOfKind(volumeKindOf(volume)), toDisplay(volumeLineOf(volume)),
                       QByteArray::fromStdString(volume.mountPoint));
        if (volume.mountPoint == drive_)
            lines->setCurrentIndex(lines->count() - 1);
    }
}

std::vector<std::string> TDriveComboBox::LineTexts() const
{
    std::vector<std::string> texts;
    const QComboBox *lines = combo();
    for (int i = 0; i < lines->count(); ++i)
        texts.push_back(fromDisplay(lines->itemText(i)));
    return texts;
}

void TDriveComboBox::Pick(int line)
{
    QComboBox *lines = combo();
    if (line < 0 || line >= lines->count())
        return;
    lines->setCurrentIndex(line);
    drive_ = lines->itemData(line).toByteArray().toStdString();
    Application->CallHandler(OnChange, this);
}
