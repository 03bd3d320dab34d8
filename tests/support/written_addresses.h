// The field addresses that traced calls write, and the check that each is
// "line|field" and written once: a slip of one in a row's arithmetic lands
// on a neighbour's field.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace ombrel::testing {

// The addresses a traced call writes: the texts in double quotes at the
// member's address places (a box group names one address per box); none for
// a member that writes no field.
std::vector<std::string> WrittenAddresses(const std::string& call);

// Expects every address the calls write to be well formed and written by
// one call only, except the addresses in allowedTwice.
void ExpectDistinctWellFormedAddresses(const std::vector<std::string>& calls,
                                       const std::set<std::string>& allowedTwice = {});

}  // namespace ombrel::testing
