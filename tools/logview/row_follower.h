// RowFollower: which rows of a repeated search from the last moment shown
// are new.  Each search returns again the rows of that moment's second; the
// follower remembers the rows it passed at that second (as a multiset of
// their cells, since two records of one second may read alike) and passes
// only the others and the later ones, in time order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/log_list_ctrl.h"

class RowFollower {
 public:
  // The rows of `found` not passed before, sorted by moment (rows of one
  // moment in the order found).  Rows before the last moment are dropped.
  std::vector<CListRowView> NewRows(std::vector<CListRowView> found);

  // The moment key (RowTimeKey) of the last row passed; empty before any.
  const std::string& LastKey() const { return m_lastKey; }

 private:
  std::string m_lastKey;
  std::map<std::vector<std::string>, int> m_passedAtLastKey;
};
