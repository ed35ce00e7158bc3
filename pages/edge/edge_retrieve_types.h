// The steps of an edge-storage retrieval as the edge storage page names
// them: codes 0 to 6, each with its English name, translated through the
// language pack when shown.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

struct EdgeRetrieveType {
  int32_t code;
  const char* name;  // English; the pack translates it
};

// Start, End and Stop Retrieve, Check Edge Video, Query Edge Video Fail,
// Enable and Disable Retrieve, in code order.
std::span<const EdgeRetrieveType> EdgeRetrieveTypes();

// The English name of `code`; empty for a code the table lacks.
std::string_view EdgeRetrieveTypeName(int32_t code);
