#include "pages/common/search_progress_text.h"

std::string SearchProgressText(size_t rowsRead, size_t filesDone, size_t filesToRead) {
  std::string text = "Searching... " + std::to_string(rowsRead) + " rows read";
  if (filesToRead > 0) text += ", " + std::to_string(filesDone) + " of " + std::to_string(filesToRead) + " files read";
  return text;
}

std::string SearchCancelledText(size_t rowsKept) {
  return "Search cancelled: the " + std::to_string(rowsKept) + " rows read are listed.";
}
