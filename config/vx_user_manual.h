// CVxUserManual: opens the help page of a viewer page.  The manual folder
// holds the index "manual.xml": its root names the help file in attribute
// "file"; below it one element per topic path element ("log_viewer.unusual"
// is <log_viewer><unusual .../></log_viewer>), each of which may name another
// help file, the last giving the page in attribute "ref".  On Linux a help
// file is a folder of HTML pages below the manual folder, and the page is
// opened with the desktop's program for it (platform::OpenWithDesktop).
//
// Used on the user-interface thread.
#pragma once

#include <functional>
#include <string>

#include "platform/desktop_open.h"

class CVxUserManual {
 public:
  static constexpr const char* kWelcomePage = "welcome.htm";

  // Opens a page without waiting for it; false when it cannot be opened.
  using Opener = std::function<bool(const std::string& path)>;

  // `folder`: where "manual.xml" and the help files lie.
  explicit CVxUserManual(std::string folder = DefaultFolder(), Opener opener = platform::OpenWithDesktop);

  // "manual" of the installation, else of the installed data folder.
  static std::string DefaultFolder();

  struct HelpPage {
    std::string file;  // help file named by the index, "" when none
    std::string page;  // page inside it
  };
  // The help file and page of `topic`, whose path elements are separated by
  // "." or " ".  A missing index, an unknown topic or a topic element
  // without "ref" gives "welcome.htm" of the root's help file.
  HelpPage FindHelpPage(const std::string& topic) const;

  // The path the help viewer is given for `topic`.
  std::string PagePath(const std::string& topic) const;

  // Logs "[CVxUserManual::OpenUserManaul] <command line>" (the command that
  // opens the page with the desktop) and opens the topic's page.  False when
  // it could not be opened.
  bool OpenUserManual(const std::string& topic) const;

 private:
  std::string m_folder;
  Opener m_opener;
};
