// What a page's progress text says during and after a search.
#pragma once

#include <cstddef>
#include <string>

// "Searching... 1200 rows read", with ", 3 of 10 files read" for a search that
// reads files (filesToRead > 0).
std::string SearchProgressText(size_t rowsRead, size_t filesDone, size_t filesToRead);
// "Search cancelled: the 1200 rows read are listed."
std::string SearchCancelledText(size_t rowsKept);
