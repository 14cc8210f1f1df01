#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace krugovik {

// Finding players in the bytes of BASE.DAT by part of the name. Texts are Windows-1251
// bytes. A name matches when, without its outer blanks, it contains the query
// ignoring case, with "ё" taken as "е"; the query's own outer blanks do not count, and
// a query of blanks only matches nothing.

// One byte folded for comparison: capitals to small letters (Latin and Cyrillic), Ё and
// ё to е; every other byte stays.
unsigned char foldForSearch(unsigned char byte);

// One record found, its fields without their outer blanks.
struct FoundPlayer {
    std::int64_t recordNo = 0; // from 1
    std::string name;
    std::string rate;
};

class NameSearch {
  public:
    explicit NameSearch(std::string_view query);
    bool isEmpty() const { return m_query.empty(); }
    // Whether the name field (blank-padded or not) matches.
    bool matches(std::string_view nameField) const;

  private:
    std::string m_query; // folded
};

// The first `limit` matching records, in record order.
std::vector<FoundPlayer> findPlayers(std::string_view base, std::string_view query,
                                     std::size_t limit);

// The first matching record after record `after`, going round to record 1 and on to
// `after` itself; 0 when no record matches.
std::int64_t findNextPlayer(std::string_view base, std::string_view query, std::int64_t after);

} // namespace krugovik
