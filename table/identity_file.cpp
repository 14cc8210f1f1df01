#include "table/identity_file.h"

#include <charconv>

#include "common/escaped_field.h"

namespace krugovik {
namespace {

constexpr char kFieldSeparator = '|';

} // namespace

std::string identityExtensionLine(int row, const PlayerIdentity &identity)
{
    // The base's file keeps fields apart with tabs; here each is escaped and joined by "|".
    const std::string fields = identityFields(identity);
    std::string line = std::string(kIdentitySection) + ' ' + std::to_string(row) + ' ';
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = fields.find('\t', start);
        line += escapedField(
            std::string_view(fields).substr(start, tab == std::string::npos ? tab : tab - start),
            kFieldSeparator);
        if (tab == std::string::npos)
            return line;
        line += kFieldSeparator;
        start = tab + 1;
    }
}

bool readIdentityExtensionLine(std::string_view argument, int playerCount,
                               RowIdentities &identities)
{
    const std::size_t blank = argument.find(' ');
    if (blank == std::string_view::npos)
        return false;
    int row = 0;
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + blank, row);
    if (error != std::errc() || end != argument.data() + blank || row < 1 || row > playerCount ||
        (!identities.empty() && row <= identities.back().first))
        return false;
    std::string tabbed;
    std::string_view rest = argument.substr(blank + 1);
    for (;;) {
        const std::size_t bar = rest.find(kFieldSeparator);
        std::string field;
        if (!unescapedField(rest.substr(0, bar), field) || field.find('\t') != std::string::npos)
            return false;
        tabbed += field;
        if (bar == std::string_view::npos)
            break;
        tabbed += '\t';
        rest.remove_prefix(bar + 1);
    }
    PlayerIdentity identity;
    if (!readIdentityFields(tabbed, identity) || identity.empty())
        return false;
    identities.emplace_back(row, identity);
    return true;
}

} // namespace krugovik
