#include "kxdata/ProjectFileName.h"

#include <algorithm>
#include <cstring>

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {
bool Exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

std::string CaseInsensitiveMatch(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    DIR* dir = ::opendir(directory.c_str());
    if (dir == nullptr)
        return std::string();
    std::string found;
    while (const dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = (slash == std::string::npos ? std::string() : directory) + entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}
}  // namespace

std::string ResolveProjectFileName(const std::string& path)
{
    if (Exists(path))
        return path;
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    if (slashed != path && Exists(slashed))
        return slashed;
    const std::string matched = CaseInsensitiveMatch(slashed);
    return matched.empty() ? path : matched;
}
