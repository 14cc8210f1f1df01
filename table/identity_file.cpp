#include "table/identity_file.h"

#include <charconv>

namespace krugovik {
namespace {

constexpr char kFieldSeparator = '|';
constexpr char kEscape = '%';

std::string escaped(std::string_view field)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte > 0x7E || c == kFieldSeparator || c == kEscape) {
            out += kEscape;
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

bool unescaped(std::string_view field, std::string &out)
{
    out.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != kEscape) {
            out += field[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= field.size())
            return false;
        const auto [end, error] =
            std::from_chars(field.data() + i + 1, field.data() + i + 3, value, 16);
        if (error != std::errc() || end != field.data() + i + 3)
            return false;
        out += char(value);
        i += 2;
    }
    return true;
}

} // namespace

std::string identityExtensionLine(int row, const PlayerIdentity &identity)
{
    // The base's file keeps fields apart with tabs; here each is escaped and joined by "|".
    const std::string fields = identityFields(identity);
    std::string line = std::string(kIdentitySection) + ' ' + std::to_string(row) + ' ';
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = fields.find('\t', start);
        line += escaped(
            std::string_view(fields).substr(start, tab == std::string::npos ? tab : tab - start));
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
        if (!unescaped(rest.substr(0, bar), field) || field.find('\t') != std::string::npos)
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
