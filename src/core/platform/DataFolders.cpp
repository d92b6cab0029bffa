#include "core/platform/DataFolders.h"

namespace {

std::vector<std::filesystem::path> DefaultDataFolders()
{
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        folders.push_back(program.parent_path());
        folders.push_back(program.parent_path().parent_path() / "share" / "stemmark");
    }
    folders.emplace_back(STEMMARK_DATA_DIR);
    return folders;
}

} // namespace

std::vector<std::filesystem::path> theDataFolders = DefaultDataFolders();

std::filesystem::path FindDataFile(const std::filesystem::path& relative)
{
    for (const std::filesystem::path& folder : theDataFolders) {
        std::error_code error;
        const std::filesystem::path path = folder / relative;
        if (std::filesystem::is_regular_file(path, error))
            return path;
    }
    return {};
}
