// LogKindsBox: the host's switches for kinds of event and system log entry,
// one check box each, handed over with EnableEventLog and EnableSystemLog.
#pragma once

#include <QGroupBox>
#include <array>

#include "logview/logview.h"

class QCheckBox;

class LogKindsBox : public QGroupBox {
 public:
  explicit LogKindsBox(QWidget* parent);

  EventLogStatus Events() const;
  SystemLogStatus System() const;

 private:
  std::array<QCheckBox*, kEventLogStatusFields.size()> m_events{};
  std::array<QCheckBox*, kSystemLogStatusFields.size()> m_system{};
};
