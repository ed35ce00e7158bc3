// CVantorVideoLogPage: the export and backup page of a local recorder: the
// types Export Video, Backup, Delete File Record and Auto Backup, and
// thirteen columns taken from each record's event string.
#pragma once

#include "pages/video/video_log_page.h"

class CVantorVideoLogPage : public CVideoLogPage {
 public:
  CVantorVideoLogPage();

 protected:
  bool RowOf(const SystemLogRecord& record, CVideoLogRowTexts& texts, RowCells& cells) const override {
    return texts.LocalRow(record, cells);
  }
};
