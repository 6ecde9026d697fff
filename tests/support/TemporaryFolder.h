// A folder of a test's own under the temporary folder, which other runs and other
// users share: a fixed name there may already belong to someone else.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace temporary_folder {

// Creates a folder that did not exist before, named from `prefix` and a random
// number; the test removes it when it is done.
inline std::filesystem::path NewTemporaryFolder(std::string_view prefix)
{
    std::random_device random;
    for (;;) {
        std::filesystem::path folder
            = std::filesystem::temp_directory_path() / (std::string(prefix) + "-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder))
            return folder;
    }
}

} // namespace temporary_folder
