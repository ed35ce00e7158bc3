#include "ui/export_file_dialog.h"

namespace {

// "desc|pattern|desc|pattern||": pairs until an empty description.
std::vector<CExportFileDialog::Filter> ParseFilter(const std::string& filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar = filter.find('|'); bar != std::string::npos; bar = filter.find('|', start)) {
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<CExportFileDialog::Filter> filters;
  for (size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2)
    filters.push_back({parts[i], parts[i + 1]});
  return filters;
}

}  // namespace

CExportFileDialog::CExportFileDialog(std::string filter, std::string defaultExtension)
    : m_defaultExtension(std::move(defaultExtension)), m_filters(ParseFilter(filter)) {}

int CExportFileDialog::DoModal(const ExportPathChooser& chooser) {
  OnInitDone();
  const std::optional<std::string> chosen = chooser ? chooser(*this) : std::nullopt;
  if (!chosen || chosen->empty()) return kIdCancel;
  m_path = *chosen;
  const size_t nameStart = m_path.find_last_of("/\\") + 1;  // npos + 1 = 0
  if (m_path.find('.', nameStart) == std::string::npos) m_path += "." + m_defaultExtension;
  return kIdOk;
}

void CExportFileDialog::OnInitDone() {
  m_folder.clear();
  m_listHooked = false;
}

bool CExportFileDialog::OnFolderChange(const std::string& folder) {
  const std::string current = folder.substr(0, kMaxFolderLength);
  if (current == m_folder) return false;
  m_folder = current;
  m_listHooked = true;
  return true;
}

bool CExportFileDialog::SwallowsListMessage(unsigned message) const {
  return m_listHooked &&
         (message == kContextMenu || message == kRightButtonDown || message == kRightButtonUp);
}
