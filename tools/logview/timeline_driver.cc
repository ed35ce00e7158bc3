#include "tools/logview/timeline_driver.h"

#include <cerrno>
#include <cstring>

#include "pages/common/page_export.h"
#include "shell/incident_timeline.h"
#include "tools/logview/page_driver.h"

namespace {

CDateTime ToDateTime(const LogviewDateTime& t) {
  return CDateTime::FromFields(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace

TimelineDriver::TimelineDriver(const LogviewOptions& options, LogviewHost& host, FILE* out, FILE* err)
    : m_options(options), m_host(host), m_out(out), m_err(err) {}

int TimelineDriver::Fail(int status, const std::string& why) {
  std::fprintf(m_err, "logview: %s\n", why.c_str());
  return status;
}

std::string TimelineDriver::CheckOptions() const {
  const LogviewOptions& o = m_options;
  if (o.type || o.camera || o.mode || o.listTypes || o.listCameras || o.day || !o.sort.empty())
    return "the timeline takes --from, --to, --cameras, --json and --export, not the selectors, --day or --sort "
           "of a page";
  if (o.period || o.date || o.hours || o.counters || o.printBins || o.size)
    return "the timeline has no diagram";
  if (o.modal) return "the timeline works the modeless viewer";
  if (!o.from || !o.to) return "the timeline needs --from and --to";
  if (o.exportPath && ExportFormOf(*o.exportPath) == ExportForm::kNone)
    return "--export: the timeline writes a .csv or .txt file";
  return {};
}

int TimelineDriver::Run(CLogViewerDlg& dialog) {
  if (const std::string problem = CheckOptions(); !problem.empty()) return Fail(kExitUsage, problem);
  CIncidentTimeline timeline(dialog);
  const std::string problem = timeline.Search(ToDateTime(*m_options.from), ToDateTime(*m_options.to),
                                              m_options.cameras.value_or(std::vector<int>{}));
  if (!problem.empty()) return Fail(kExitUsage, "--cameras: " + problem);
  m_host.DeliverPosted();

  std::string error;
  if (m_options.json) {
    WriteListJson(timeline.List(), false, m_out);
  } else if (m_options.exportPath) {
    if (!ExportList(timeline.List(), *m_options.exportPath, &error)) return Fail(kExitSearchFailed, "--export: " + error);
  } else if (!WriteListText(timeline.List(), m_out)) {
    return Fail(kExitSearchFailed, std::string("standard output: ") + std::strerror(errno));
  }
  m_host.DeliverPosted();
  return m_host.SearchFailed() ? kExitSearchFailed : kExitSearchRan;
}
