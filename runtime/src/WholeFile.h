// Writing a file whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// Puts bytes in place as the file at path. They are written, and flushed to
// the disk, under a short temporary name in the same folder, which is then
// renamed over the file: a failure at any step leaves an older file as it
// was, and no half-written one. A name that is a symbolic link has the file
// it points to replaced; a file that is there keeps its permissions, and a
// read-only one is not replaced. Returns the system's reason for a failure.
//
// Every step names the file relative to its folder, so that a name or a
// path as long as the system allows stays within its limits even with the
// temporary name.
std::optional<std::string> WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace rt
