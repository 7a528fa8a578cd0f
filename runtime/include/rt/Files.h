// Files, pictures, the save dialog and document types.
#pragma once

#include "rt/Core.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace rt {

struct Internals;

class PicturePrivate;

class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const;
    int Height() const;

private:
    friend class PicturePrivate;
    friend struct Internals;
    Picture();
    std::unique_ptr<PicturePrivate> d_;
};

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }
    std::string Name() const;
    Ref<FolderItem> Parent() const;
    // The entry of that name inside this folder, whether it exists or not.
    Ref<FolderItem> Child(std::string_view name) const;
    // The picture in this file, or nothing when it is missing, unreadable,
    // corrupt or not a regular file (a FIFO, a device, a folder). Never waits.
    Ref<Picture> OpenAsPicture() const;
    // Writes the picture as a JPEG file, atomically: an existing file is replaced
    // only by a complete new one. Returns the reason on failure, for a failed
    // write in the system's words; nothing on success.
    std::optional<std::string> SaveAsJPEG(const Ref<Picture>& picture) const;

private:
    std::filesystem::path path_;
};

// The running executable.
Ref<FolderItem> ApplicationExecutable();
// The folder "Resources" beside the folder that holds the executable.
Ref<FolderItem> GetApplicationBundleResources();
// The save dialog, modal; the chosen file, or nothing when cancelled.
Ref<FolderItem> GetSaveFolderItem(std::string_view filter, std::string_view defaultName);

// A document type. Changing any of its values withdraws its registration;
// converting it to text registers it once; it withdraws itself when it goes.
class FileType {
public:
    FileType() = default;
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    void SetName(std::string name);
    void SetExtensions(std::string extensions);
    void SetMacType(std::string type);
    void SetMacCreator(std::string creator);
    const std::string& Name() const { return name_; }
    const std::string& Extensions() const { return extensions_; }
    const std::string& MacType() const { return macType_; }
    const std::string& MacCreator() const { return macCreator_; }

    std::string ToString();

private:
    void Withdraw();
    std::string name_;
    std::string extensions_;
    std::string macType_;
    std::string macCreator_;
    bool registered_ = false;
};

} // namespace rt
