// ServerAnswer: what the search of one server gave, as the process that ran
// it hands it to the run that merges several servers -- the list's titles and
// rows, or that the server holds no data for the range searched.
//
// The no-data answer is the server's own: when a search lists nothing, the
// server is asked for its recording days (GETDAYLOGS, the days it keeps a
// daily event database); none in the range searched means no data, while a
// listed day means the range holds no matching record.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tools/logview/page_driver.h"
#include "ui/log_list_ctrl.h"

struct ServerAnswer {
  bool noData = false;
  // Whether the rows' images are play states (0 playable, 2 not), as the
  // page's --json prints them.
  bool imagesArePlayStates = false;
  std::vector<std::string> titles;
  std::vector<CListRowView> rows;
};

// Length-prefixed fields, so that any cell text passes unchanged.
std::string EncodeServerAnswer(const ServerAnswer& answer);
// Nothing when `bytes` is not a whole answer.
std::optional<ServerAnswer> DecodeServerAnswer(const std::string& bytes);

// The list taker of a server's search: a search that failed gives its exit
// status and writes nothing; otherwise the answer goes to `out`.
ListTaker AnswerToMerger(FILE* out);
