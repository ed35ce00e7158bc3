#include "tools/logview-host/timeline_axis.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kKindCount = 6;
constexpr int kLaneHeight = 18;
constexpr int kMargin = 8;
// Colours a person tells apart, in kind order.
constexpr QRgb kKindColours[kKindCount] = {0xd62728, 0x1f77b4, 0x2ca02c, 0x9467bd, 0xff7f0e, 0x8c564b};

QString MomentText(const CDateTime& time) { return QString::fromStdString(time.FormatListCell()); }

QString KindLabel(int kind) {
  return QString::fromStdString(CIncidentTimeline::KindText(static_cast<TimelineKind>(kind)));
}

}  // namespace

TimelineAxis::TimelineAxis(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(sizeHint().height());
}

QSize TimelineAxis::sizeHint() const { return {600, kKindCount * kLaneHeight + fontMetrics().height() + 2 * kMargin}; }

void TimelineAxis::Show(const std::vector<TimelineRow>* rows, const CDateTime& from, const CDateTime& to) {
  m_rows = rows;
  m_from = from;
  m_to = to;
  update();
}

void TimelineAxis::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  int left = 0;
  for (int kind = 0; kind < kKindCount; ++kind) left = std::max(left, fontMetrics().horizontalAdvance(KindLabel(kind)));
  left += 2 * kMargin;
  const int width = std::max(1, this->width() - left - kMargin);
  for (int kind = 0; kind < kKindCount; ++kind) {
    const int top = kMargin + kind * kLaneHeight;
    painter.setPen(QColor(kKindColours[kind]));
    painter.drawText(QRect(kMargin, top, left - 2 * kMargin, kLaneHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     KindLabel(kind));
    painter.setPen(palette().mid().color());
    painter.drawLine(left, top + kLaneHeight / 2, left + width, top + kLaneHeight / 2);
  }
  const int bottom = kMargin + kKindCount * kLaneHeight;
  painter.setPen(palette().text().color());
  painter.drawText(QRect(left, bottom, width, fontMetrics().height()), Qt::AlignLeft, MomentText(m_from));
  painter.drawText(QRect(left, bottom, width, fontMetrics().height()), Qt::AlignRight, MomentText(m_to));
  const double span = static_cast<double>(m_to - m_from);
  if (m_rows == nullptr || span <= 0) return;

  std::vector<std::vector<bool>> marked(kKindCount, std::vector<bool>(static_cast<size_t>(width) + 1));
  for (const TimelineRow& row : *m_rows) {
    const int kind = static_cast<int>(row.kind);
    const int x = static_cast<int>(std::clamp((row.time - m_from) / span, 0.0, 1.0) * width);
    if (marked[static_cast<size_t>(kind)][static_cast<size_t>(x)]) continue;
    marked[static_cast<size_t>(kind)][static_cast<size_t>(x)] = true;
    const int top = kMargin + kind * kLaneHeight;
    painter.fillRect(left + x, top + 3, 2, kLaneHeight - 6, QColor(kKindColours[kind]));
  }
}
