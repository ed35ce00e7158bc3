// CombinedCounterList: the names of the combined counters, by counter id,
// as the counting pages offer them.  Locally read from
// "db/filter/CombinedCounterFilter.xml" of the installation; a remote
// server answers the same list.
#pragma once

#include <cstdint>
#include <map>
#include <string>

using CombinedCounterList = std::map<uint32_t, std::string>;

constexpr const char* kCombinedCounterFilterFile = "db/filter/CombinedCounterFilter.xml";

// Every child of the root is one counter with the children "CounterID"
// (decimal) and "CounterName" (UTF-8, in the system code page when it
// converts, else as written); a repeated id takes the later name.  A file
// that does not load, has no root, or has a counter without either child
// gives an empty list.  Safe from any thread (files are parsed one at a time).
CombinedCounterList ReadCombinedCounterList(const std::string& installFolder);
