#include "Private.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QStandardPaths>

#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {

// --- Picture ------------------------------------------------------------

Picture::Picture() : d_(std::make_unique<PicturePrivate>()) {}

Picture::Picture(int width, int height) : Picture()
{
    d_->image = QImage(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    d_->image.fill(Qt::white);
}

Picture::~Picture() = default;

int Picture::Width() const { return d_->image.width(); }
int Picture::Height() const { return d_->image.height(); }

Ref<Picture> PicturePrivate::FromImage(QImage image)
{
    std::shared_ptr<Picture> picture(new Picture());
    picture->d_->image = std::move(image);
    return Ref<Picture>(std::move(picture));
}

// --- FolderItem ---------------------------------------------------------

FolderItem::FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

std::string FolderItem::Name() const
{
    return path_.filename().string();
}

Ref<FolderItem> FolderItem::Parent() const
{
    if (!path_.has_parent_path() || path_.parent_path() == path_)
        return {};
    return Ref<FolderItem>(std::make_shared<FolderItem>(path_.parent_path()));
}

Ref<FolderItem> FolderItem::Child(std::string_view name) const
{
    if (name.empty() || name.find('/') != std::string_view::npos)
        return {};
    return Ref<FolderItem>(std::make_shared<FolderItem>(path_ / std::string(name)));
}

Ref<Picture> FolderItem::OpenAsPicture() const
{
    // Opening must never wait: a FIFO without a writer, or some devices, would
    // hold the GUI thread for good. What was opened is then checked, not the
    // name, so nothing can be put in its place between the check and the read.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return {};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    QImageReader reader(&file);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return PicturePrivate::FromImage(std::move(image));
}

std::optional<std::string> FolderItem::SaveAsJPEG(const Ref<Picture>& picture) const
{
    if (!picture || Internals::Of(*picture).image.isNull())
        return std::string("there is no picture to save");
    // JPEG has no alpha: flatten onto white rather than let it turn black.
    QImage image = Internals::Of(*picture).image;
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
    }
    // Encoded in memory first, so that a failure of the file is told apart from
    // one of the encoder, which has no words for the system's errors.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        if (!writer.write(image))
            return writer.errorString().toStdString();
    }
    return WriteWholeFile(path_, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

Ref<FolderItem> ApplicationExecutable()
{
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || path.empty())
        return {};
    return Ref<FolderItem>(std::make_shared<FolderItem>(path));
}

Ref<FolderItem> GetApplicationBundleResources()
{
    auto executable = ApplicationExecutable();
    auto folder = executable->Parent();
    auto bundle = folder->Parent();
    return bundle->Child("Resources");
}

Ref<FolderItem> GetSaveFolderItem(std::string_view filter, std::string_view defaultName)
{
    // The filter names registered document types, separated by ";"; a name that
    // is not registered filters nothing.
    QStringList nameFilters;
    const QString names = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
    for (const QString& name : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        for (const auto& type : State().registeredTypes) {
            if (QString::fromStdString(type.name) != name)
                continue;
            QStringList patterns;
            for (const QString& ext : QString::fromStdString(type.extensions).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                patterns << QLatin1Char('*') + ext;
            nameFilters << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' ')));
        }
    }
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!nameFilters.isEmpty())
        dialog.setNameFilters(nameFilters);
    QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QDir(start).exists())
        start = QDir::homePath();
    dialog.setDirectory(start);
    dialog.selectFile(QString::fromUtf8(defaultName.data(), static_cast<qsizetype>(defaultName.size())));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return {};
    return Ref<FolderItem>(std::make_shared<FolderItem>(chosen.first().toStdString()));
}

// --- FileType -----------------------------------------------------------

namespace {

void RuntimeRegisterFileType(const std::string& name, const std::string& creator, const std::string& type,
                             const std::string& extensions)
{
    RegistryEntry entry{name, creator, type, extensions};
    Observe([&](Observer& o) { o.TypeRegistered(entry); });
    State().registeredTypes.push_back(std::move(entry));
}

void RuntimeDeregisterFileType(const std::string& name)
{
    Observe([&](Observer& o) { o.TypeWithdrawn(name); });
    std::erase_if(State().registeredTypes, [&](const RegistryEntry& e) { return e.name == name; });
}

} // namespace

FileType::~FileType()
{
    Withdraw();
}

void FileType::Withdraw()
{
    if (!registered_)
        return;
    registered_ = false;
    RuntimeDeregisterFileType(name_);
}

void FileType::SetName(std::string name)
{
    Withdraw();
    name_ = std::move(name);
}

void FileType::SetExtensions(std::string extensions)
{
    Withdraw();
    extensions_ = std::move(extensions);
}

void FileType::SetMacType(std::string type)
{
    Withdraw();
    macType_ = std::move(type);
}

void FileType::SetMacCreator(std::string creator)
{
    Withdraw();
    macCreator_ = std::move(creator);
}

std::string FileType::ToString()
{
    if (!registered_) {
        RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_);
        registered_ = true;
    }
    return name_;
}

} // namespace rt
