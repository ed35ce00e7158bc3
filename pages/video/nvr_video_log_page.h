// CNVRVideoLogPage: the export and backup page shown in nvrMode: the types
// of a remote recorder (Export Video, Backup, Auto Backup, Snapshot, Export
// Log) and the columns Date, Time, Log Type, User and Log.
#pragma once

#include "pages/video/video_log_page.h"

class CNVRVideoLogPage : public CVideoLogPage {
 public:
  CNVRVideoLogPage();

 protected:
  bool RowOf(const SystemLogRecord& record, CVideoLogRowTexts& texts, RowCells& cells) const override {
    return texts.RemoteRow(record, cells);
  }
};
