#include "pages/edge/edge_retrieve_types.h"

namespace {

constexpr EdgeRetrieveType kTypes[] = {
    {0, "Start Retrieve"},   {1, "End Retrieve"},      {2, "Stop Retrieve"},      {3, "Check Edge Video"},
    {4, "Query Edge Video Fail"}, {5, "Enable Retrieve"}, {6, "Disable Retrieve"},
};

}  // namespace

std::span<const EdgeRetrieveType> EdgeRetrieveTypes() { return kTypes; }

std::string_view EdgeRetrieveTypeName(int32_t code) {
  for (const EdgeRetrieveType& type : kTypes) {
    if (type.code == code) return type.name;
  }
  return {};
}
