// The busiest day of an installation: the day whose daily event database
// ("db/EventLog/EventLog_YYYYMMDD.db") is the largest, the latest of equals.
// The screenshots are taken on it so that every page has rows to show.
#pragma once

#include <optional>
#include <string>

struct HostDay {
  int year = 0, month = 0, day = 0;
};

// Nothing when the installation has no daily event database.
std::optional<HostDay> BusiestDay(const std::string& installFolder);
