#include "table/recovery_rule.h"

#include <cstdio>

namespace krugovik {

std::string recoveryCopyName(std::string_view absolutePath, std::string_view fileName)
{
    // FNV-1a: stable across runs and builds, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : absolutePath) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(hex) + '-' + std::string(fileName);
}

bool offersRecovery(const SavedBytes &copy, const std::optional<SavedBytes> &file)
{
    if (!file)
        return true;
    return copy.bytes != file->bytes && copy.modifiedMs > file->modifiedMs;
}

} // namespace krugovik
