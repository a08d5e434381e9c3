#include "launcher/ShippedCopy.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace launcher {

namespace {

bool sameContent(const fs::path& a, const fs::path& b)
{
    if (fs::file_size(a) != fs::file_size(b))
        return false;
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second));
}

// Copied under a temporary name and renamed, so a copy cut short by a full disk
// leaves the old file and no part of the new one. The copy keeps the program
// files executable.
void copyWhole(const fs::path& source, const fs::path& target)
{
    fs::create_directories(target.parent_path());
    fs::path partial = target;
    partial += ".part";
    std::error_code failed;
    fs::copy_file(source, partial, fs::copy_options::overwrite_existing, failed);
    if (!failed)
        fs::rename(partial, target, failed);
    if (failed) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        throw fs::filesystem_error("cannot copy", source, target, failed);
    }
}

} // namespace

void syncShipped(const fs::path& shipped, const fs::path& folder,
                 std::initializer_list<const char*> leftOut)
{
    const fs::path pristineFolder = folder / pristineName;
    for (auto entry = fs::recursive_directory_iterator(shipped);
         entry != fs::recursive_directory_iterator(); ++entry) {
        const fs::path relative = entry->path().lexically_relative(shipped);
        if (entry.depth() == 0 &&
            std::find(leftOut.begin(), leftOut.end(), relative.string()) != leftOut.end()) {
            entry.disable_recursion_pending();
            continue;
        }
        if (!entry->is_regular_file())
            continue;
        const fs::path mine = folder / relative;
        const fs::path pristine = pristineFolder / relative;
        const bool copy =
            !fs::exists(mine) || (fs::exists(pristine) && sameContent(mine, pristine) &&
                                  !sameContent(entry->path(), pristine));
        if (copy) {
            copyWhole(entry->path(), pristine);
            copyWhole(entry->path(), mine);
        }
    }
}

} // namespace launcher
