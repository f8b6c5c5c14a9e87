#pragma once

#include "cards/RankTables.h"

namespace tallyhand::test {

// The generated lists and their tables, built once per test program.
inline const RankLists& generatedLists()
{
    static const RankLists lists = generateRankLists();
    return lists;
}

inline const RankTables& generatedTables()
{
    static const RankTables tables = RankTables::fromLists(generatedLists());
    return tables;
}

} // namespace tallyhand::test
