#include "tools/logview-host/log_kinds_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {

// Titles in the switches' field order.
constexpr const char* kEventTitles[] = {
    "Edge event",         "General motion",  "Camera motion",      "Foreign object",
    "Missing object",     "Focus lost",      "Camera occlusion",   "Signal lost",
    "Disk space exhausted", "System health", "Resource depleted",  "Network congestion",
    "Virtual size overhead", "Digital input", "Recurrent",         "Compound event",
    "Lost record detection"};
constexpr const char* kSystemTitles[] = {"Wardix",           "Live streaming server", "Remote playback server",
                                         "Metadata",         "E-map",                 "Remote desktop",
                                         "Central management", "Counting application", "Video analytics"};
static_assert(std::size(kEventTitles) == kEventLogStatusFields.size());
static_assert(std::size(kSystemTitles) == kSystemLogStatusFields.size());

// Adds the boxes in three columns below `row`; returns the row after them.
template <size_t N>
int AddBoxes(QGridLayout* grid, int row, const char* const (&titles)[N], std::array<QCheckBox*, N>* boxes) {
  for (size_t i = 0; i < N; ++i) {
    (*boxes)[i] = new QCheckBox(titles[i]);
    (*boxes)[i]->setChecked(true);
    grid->addWidget((*boxes)[i], row + static_cast<int>(i / 3), static_cast<int>(i % 3));
  }
  return row + static_cast<int>((N + 2) / 3);
}

template <class Status, size_t N>
Status Read(const std::array<QCheckBox*, N>& boxes, const std::array<int32_t Status::*, N>& fields) {
  Status status;
  for (size_t i = 0; i < N; ++i) status.*fields[i] = boxes[i]->isChecked() ? 1 : 0;
  return status;
}

}  // namespace

LogKindsBox::LogKindsBox(QWidget* parent) : QGroupBox("Kinds of entry (count in remote mode)", parent) {
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("<b>Events</b>"), 0, 0);
  const int next = AddBoxes(grid, 1, kEventTitles, &m_events);
  grid->addWidget(new QLabel("<b>System log</b>"), next, 0);
  AddBoxes(grid, next + 1, kSystemTitles, &m_system);
}

EventLogStatus LogKindsBox::Events() const { return Read(m_events, kEventLogStatusFields); }

SystemLogStatus LogKindsBox::System() const { return Read(m_system, kSystemLogStatusFields); }
