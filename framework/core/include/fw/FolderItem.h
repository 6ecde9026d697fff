// Files and folders. A FolderItem names one place in the file system, whether
// or not anything is there: a child of a folder can be named before the file
// exists, and `exists` says whether it does. Items are made from absolute,
// normalised paths, so an item's parent is the folder that holds it and the
// root has none.
//
// `OpenAsPicture` reads the file and hands its bytes to the installed picture
// decoder (the user-interface layer installs one); it gives nil instead of
// raising whenever the file or its picture cannot be had.
#pragma once

#include <fw/ClassRecord.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace fw {

class Picture;

class FolderItem : public Object {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "FolderItem";

    // An item for a path, made absolute and normalised.
    static Ref<FolderItem> ForPath(const std::filesystem::path& path);

    const std::filesystem::path& path() const noexcept { return path_; }

    // The folder holding the item; nil at the root.
    Ref<FolderItem> parent() const;
    // The item of that name inside this folder, existing or not; nil for an empty name,
    // a name holding a path separator, and "." or "..", which name no child.
    Ref<FolderItem> Child(String* name) const;
    bool exists() const;
    bool directory() const;
    std::string_view name() const { return name_; }
    std::string_view nativePath() const { return nativePath_; }
    // The file's picture, or nil: missing or unreadable file, no decoder, or the decoder gave nil.
    Ref<Picture> OpenAsPicture() const;

private:
    void setPath(std::filesystem::path path);

    std::filesystem::path path_;
    std::string name_;
    std::string nativePath_;
};

inline constexpr std::int32_t kApplicationFileItem = 0;

// The item `which` names: kApplicationFileItem, the running program's own file. Nil when
// it cannot be found or `which` names nothing.
Ref<FolderItem> AppFolderItemGetter(std::int32_t which);
// The running program's own file, empty when it cannot be found.
std::filesystem::path ApplicationFilePath();
// Makes the program's own file read as another path (empty: the real one again), so
// that tests can place the program beside a Resources folder of their own.
void SetApplicationFilePath(std::filesystem::path path);

using PictureDecoder = std::function<Ref<Picture>(std::span<const std::uint8_t> bytes)>;
// Installs the decoder of picture files; returns the one it replaces.
PictureDecoder InstallPictureDecoder(PictureDecoder decoder);

} // namespace fw
