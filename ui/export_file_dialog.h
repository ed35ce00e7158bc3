// CExportFileDialog: the save dialog behind every page's "Export to...", as a
// model the front end shows.  It carries what the dialog asks for -- default
// extension "csv", the filter, the overwrite prompt, the read-only box
// hidden, the current folder left as it is -- and the hook that keeps the
// user from renaming or deleting files in it.
//
// Which path is chosen comes from the chooser DoModal is given: the windowed
// front end asks the user; tests and the command line supply the path.
// Without a chooser the dialog is cancelled.  Used on the user-interface
// thread.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CExportFileDialog;

// The path the user chose, or nothing for Cancel.
using ExportPathChooser = std::function<std::optional<std::string>(const CExportFileDialog&)>;

class CExportFileDialog {
 public:
  static constexpr const char* kDefaultFilter = "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt||";
  static constexpr const char* kDefaultExtension = "csv";
  static constexpr int kIdOk = 1;
  static constexpr int kIdCancel = 2;
  // Messages of the file list that the hook swallows.
  static constexpr unsigned kContextMenu = 0x007B;
  static constexpr unsigned kRightButtonDown = 0x0204;
  static constexpr unsigned kRightButtonUp = 0x0205;
  static constexpr size_t kMaxFolderLength = 260;

  struct Filter {
    std::string description;  // "CSV Files (*.csv)"
    std::string pattern;      // "*.csv"
  };

  explicit CExportFileDialog(std::string filter = kDefaultFilter,
                             std::string defaultExtension = kDefaultExtension);

  // Shows the dialog through `chooser`: kIdOk with the chosen path,
  // kIdCancel otherwise.  A chosen name without extension gets the default
  // one.
  int DoModal(const ExportPathChooser& chooser);
  const std::string& GetPathName() const { return m_path; }

  const std::string& GetDefaultExtension() const { return m_defaultExtension; }
  const std::vector<Filter>& GetFilters() const { return m_filters; }
  // What every export dialog asks of the front end.
  static constexpr bool kPromptBeforeOverwrite = true;
  static constexpr bool kHideReadOnly = true;
  static constexpr bool kKeepCurrentFolder = true;

  // Folder hook.  Opening forgets the folder; a folder change that differs
  // from the one remembered (first 260 characters) is remembered and
  // returns true; from the first change on, the file list's context menu
  // and right button messages are swallowed.
  void OnInitDone();
  bool OnFolderChange(const std::string& folder);
  bool SwallowsListMessage(unsigned message) const;

 private:
  std::string m_defaultExtension;
  std::vector<Filter> m_filters;
  std::string m_folder;
  bool m_listHooked = false;
  std::string m_path;
};
