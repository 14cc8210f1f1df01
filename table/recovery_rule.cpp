#include "table/recovery_rule.h"

#include <cstdio>

namespace krugovik {
namespace {

std::string pathHash(std::string_view absolutePath)
{
    // FNV-1a: stable across runs and builds, unlike std::hash.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : absolutePath) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

bool isOwnerPart(std::string_view part)
{
    // Digits, letters and dashes: what a program puts there.
    if (part.empty())
        return false;
    for (const char c : part) {
        const bool fits = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '-';
        if (!fits)
            return false;
    }
    return true;
}

} // namespace

std::string recoveryCopyName(std::string_view absolutePath, std::string_view fileName,
                             std::string_view owner)
{
    std::string name = pathHash(absolutePath) + '-';
    if (!owner.empty())
        name += std::string(owner) + '-';
    return name + std::string(fileName);
}

bool isRecoveryCopyName(std::string_view entry, std::string_view absolutePath,
                        std::string_view fileName)
{
    const std::string prefix = pathHash(absolutePath) + '-';
    if (entry.size() < prefix.size() + fileName.size() || !entry.starts_with(prefix) ||
        !entry.ends_with(fileName))
        return false;
    std::string_view middle = entry.substr(prefix.size());
    middle.remove_suffix(fileName.size());
    if (middle.empty())
        return true;
    // The owner's part, then the dash before the tournament's name.
    return middle.back() == '-' && isOwnerPart(middle.substr(0, middle.size() - 1));
}

bool offersRecovery(const SavedBytes &copy, const std::optional<SavedBytes> &file)
{
    if (!file)
        return true;
    return copy.bytes != file->bytes && copy.modifiedMs > file->modifiedMs;
}

} // namespace krugovik
