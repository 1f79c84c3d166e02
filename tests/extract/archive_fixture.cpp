#include "tests/extract/archive_fixture.h"

#include "extract/progress_window.h"
#include "launcher/main_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <unistd.h>

QByteArray randomBytes(int size, unsigned seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

QByteArray textBytes(int size)
{
    QByteArray text;
    for (int line = 0; text.size() < size; ++line)
        text += "Line " + QByteArray::number(line) + " of the installer's test text.\r\n";
    return text.left(size);
}

QByteArray readBytes(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void runRar(const ScratchFolder &release, const QStringList &arguments)
{
    QProcess rar;
    rar.setWorkingDirectory(QString::fromStdString(release.path()));
    rar.start("rar", arguments);
    if (!rar.waitForFinished(120000) || rar.exitCode() != 0)
        qFatal("rar %s failed: %s", qPrintable(arguments.join(' ')), rar.readAll().constData());
}

std::string packArchive(const ScratchFolder &release, const std::string &name, const Contents &contents,
                        const QStringList &rarOptions)
{
    const std::string source = "source-" + name;
    QStringList names;
    for (const auto &[entry, bytes] : contents) {
        release.makeFolder(source + "/" + QFileInfo(QString::fromStdString(entry)).path().toStdString());
        release.write(source + "/" + entry, bytes.toStdString());
        names << QString::fromStdString(entry);
    }
    QProcess rar;
    rar.setWorkingDirectory(QString::fromStdString(release.file(source)));
    rar.start("rar", QStringList{"a", "-idq", "-ma5"} + rarOptions
                         + QStringList{QString::fromStdString(release.file(name))} + names);
    if (!rar.waitForFinished(120000) || rar.exitCode() != 0)
        qFatal("rar failed for %s: %s", name.c_str(), rar.readAll().constData());
    const QString base = QString::fromStdString(name).chopped(4); // without ".rar"
    const QStringList volumes = QDir(QString::fromStdString(release.path())).entryList({base + ".part*.rar"}, QDir::Files, QDir::Name);
    return volumes.isEmpty() ? name : volumes.first().toStdString();
}

namespace {

quint64 readVint(const QByteArray &bytes, qsizetype &at)
{
    quint64 value = 0;
    for (int shift = 0; at < bytes.size(); shift += 7) {
        const auto byte = quint8(bytes[at++]);
        value |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            break;
    }
    return value;
}

} // namespace

void stripEntries(const std::string &archivePath)
{
    const QByteArray archive = readBytes(archivePath);
    const qsizetype signatureSize = 8;
    QByteArray kept = archive.left(signatureSize);
    for (qsizetype at = signatureSize; at < archive.size();) {
        const qsizetype blockStart = at;
        at += 4; // header CRC
        const quint64 headerSize = readVint(archive, at);
        const qsizetype headerStart = at;
        const quint64 type = readVint(archive, at);
        const quint64 flags = readVint(archive, at);
        if (flags & 1)
            readVint(archive, at); // extra area size
        const quint64 dataSize = flags & 2 ? readVint(archive, at) : 0;
        const qsizetype blockEnd = headerStart + qsizetype(headerSize) + qsizetype(dataSize);
        const bool isEntry = type == 2 || type == 3; // file and service headers
        if (!isEntry)
            kept += archive.mid(blockStart, blockEnd - blockStart);
        at = blockEnd;
    }
    QFile out(QString::fromStdString(archivePath));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(kept) != kept.size())
        qFatal("cannot rewrite %s", archivePath.c_str());
}

namespace {

quint32 crc32Of(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void appendLittleEndian(QByteArray &bytes, quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes += char(value >> (8 * i));
}

// A block: CRC16 (the low half of the CRC32 of what follows it), type, flags,
// size, then the rest of the header.
QByteArray oldFormatHeader(quint8 type, quint16 flags, const QByteArray &rest)
{
    QByteArray header;
    appendLittleEndian(header, type, 1);
    appendLittleEndian(header, flags, 2);
    appendLittleEndian(header, 7 + rest.size(), 2);
    header += rest;
    QByteArray block;
    appendLittleEndian(block, crc32Of(header) & 0xFFFF, 2);
    return block + header;
}

} // namespace

QByteArray oldFormatArchive(const Contents &contents, const OldFormatOptions &options)
{
    const quint16 longBlock = 0x8000, largeSizes = 0x0100, encryptedHeaders = 0x0080;
    QByteArray archive("Rar!\x1A\x07\x00", 7);
    archive += oldFormatHeader(0x73, options.encryptedHeaders ? encryptedHeaders : 0, QByteArray(6, '\0'));
    for (const auto &[name, data] : contents) {
        const QByteArray storedName = QByteArray::fromStdString(name).replace('/', '\\');
        QByteArray fields;
        appendLittleEndian(fields, data.size(), 4);  // packed size
        appendLittleEndian(fields, data.size(), 4);  // unpacked size
        appendLittleEndian(fields, 0, 1);            // made on MS-DOS
        appendLittleEndian(fields, crc32Of(data), 4);
        appendLittleEndian(fields, 0x5A210000, 4);   // 2025-01-01 00:00
        appendLittleEndian(fields, 20, 1);           // RAR 2.0 unpacks it
        appendLittleEndian(fields, 0x30, 1);         // stored
        appendLittleEndian(fields, storedName.size(), 2);
        appendLittleEndian(fields, 0x20, 4);         // archive attribute
        if (options.largeSizes) {
            appendLittleEndian(fields, options.highPackSize, 4);
            appendLittleEndian(fields, 0, 4);
        }
        const quint16 flags = longBlock | (options.largeSizes ? largeSizes : 0);
        archive += oldFormatHeader(0x74, flags, fields + storedName) + data;
    }
    if (options.endBlock)
        archive += oldFormatHeader(0x7B, 0x4000, {});
    return archive;
}

namespace {

// Records the status line's caption each time the progress window paints.
class StatusSpy : public QObject {
public:
    explicit StatusSpy(QStringList &statuses)
        : statuses_(statuses)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QString status = QString::fromStdString(Form4->Label1->Caption());
            if (statuses_.isEmpty() || statuses_.last() != status)
                statuses_ << status;
        }
        return false;
    }

private:
    QStringList &statuses_;
};

} // namespace

ExtractionFixture::ExtractionFixture()
    : destination(release.file("dest"))
{
    release.makeFolder("dest");
}

ExtractionFixture::~ExtractionFixture()
{
    if (windows && Form4)
        Form4->Handle()->removeEventFilter(statusSpy_.get());
    windows.reset();
}

void ExtractionFixture::createWindows(const std::string &archiveName)
{
    release.write("install.ini", "Test\r\nSub\r\ni.nfo\r\nf.diz\r\nGame\r\n" + archiveName + "\r\n");
    windows = std::make_unique<WindowSet>();
    statusSpy_ = std::make_unique<StatusSpy>(statuses);
}

void ExtractionFixture::extract()
{
    if (::chdir(destination.c_str()) != 0)
        qFatal("cannot enter the destination");
    showAndWait(Form1);
    Form1->SetEnabled(false);
    showAndWait(Form4);
    Form4->Handle()->installEventFilter(statusSpy_.get());
    statuses.clear();
    click(Form4->Label2);
}

void ExtractionFixture::prepareAnotherRun()
{
    QDir(QString::fromStdString(destination)).removeRecursively();
    release.makeFolder("dest");
    Form4->Label1->SetCaption("- press [extract] button when ready -");
    Form4->Label3->SetCaption("Ready...");
    Form4->Label2->SetEnabled(true);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &before_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, previousHandler_);
}

std::string promptFor(const std::string &volumePath)
{
    return "Insert disk " + volumePath + " and press [Enter] or [Q]";
}
