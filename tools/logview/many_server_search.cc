#include "tools/logview/many_server_search.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pages/common/page_export.h"
#include "tools/logview/listed_row.h"
#include "tools/logview/logview_run.h"
#include "tools/logview/server_answer.h"

namespace {

std::string Label(const LogviewServer& server) { return server.host + ":" + std::to_string(server.port); }

// The options of a run that searches `server` alone.
LogviewOptions OneServer(const LogviewOptions& options, const LogviewServer& server) {
  LogviewOptions one = options;
  one.servers = {server};
  one.sites.reset();
  one.serverHost = server.host;
  one.serverPort = server.port;
  if (server.login) one.login = server.login;
  one.exportPath.reset();
  return one;
}

// Why a search failed, from what its process wrote on standard error: its
// lines but the host messages, joined.
std::string FailureReason(const std::string& errors, int waitStatus) {
  std::string reason;
  bool unreachable = false;
  size_t start = 0;
  while (start < errors.size()) {
    size_t end = errors.find('\n', start);
    if (end == std::string::npos) end = errors.size();
    const std::string line = errors.substr(start, end - start);
    start = end + 1;
    if (line.rfind("host: 32789 ", 0) == 0) unreachable = true;
    if (line.empty() || line.rfind("host: ", 0) == 0) continue;
    reason += (reason.empty() ? "" : "; ") + line;
  }
  if (WIFSIGNALED(waitStatus)) reason += (reason.empty() ? "" : "; ") + std::string("ended by signal ") +
                                         std::to_string(WTERMSIG(waitStatus));
  if (reason.empty()) reason = unreachable ? "the server could not be reached" : "the search failed";
  return reason;
}

// One server's search in a process of its own, and what it wrote.
class ServerSearch {
 public:
  explicit ServerSearch(size_t server) : index(server) {}
  ~ServerSearch() {
    if (m_answerFd >= 0) close(m_answerFd);
    if (m_errorFd >= 0) close(m_errorFd);
  }
  ServerSearch(const ServerSearch&) = delete;
  ServerSearch& operator=(const ServerSearch&) = delete;

  // Forks the search; false (with `error`) when no process could be made.
  bool Start(const LogviewOptions& options, std::string* error) {
    int answerPipe[2], errorPipe[2];
    if (pipe2(answerPipe, O_CLOEXEC) != 0) return Failed(error);
    if (pipe2(errorPipe, O_CLOEXEC) != 0) {
      close(answerPipe[0]);
      close(answerPipe[1]);
      return Failed(error);
    }
    std::fflush(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
      dup2(answerPipe[1], STDOUT_FILENO);
      dup2(errorPipe[1], STDERR_FILENO);
      const int status = RunLogview(OneServer(options, options.servers[index]), AnswerToMerger(stdout));
      std::fflush(nullptr);
      _exit(status);
    }
    const int forkError = errno;
    close(answerPipe[1]);
    close(errorPipe[1]);
    m_answerFd = answerPipe[0];
    m_errorFd = errorPipe[0];
    if (m_pid >= 0) return true;
    errno = forkError;
    return Failed(error);
  }

  // The descriptors still open, for poll.
  void AddPollFds(std::vector<pollfd>* fds) const {
    for (const int fd : {m_answerFd, m_errorFd})
      if (fd >= 0) fds->push_back({fd, POLLIN, 0});
  }
  // Reads what `fd` holds, if it is one of this search's.
  void ReadFrom(int fd) {
    int& own = fd == m_answerFd ? m_answerFd : m_errorFd;
    if (fd != own) return;
    char buffer[1 << 16];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
      (fd == m_answerFd ? answerBytes : errorText).append(buffer, static_cast<size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      close(own);
      own = -1;
    }
  }
  bool Ended() const { return m_answerFd < 0 && m_errorFd < 0; }
  // Waits for the process, once both pipes are closed; its wait status.
  int Reap() {
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
  }

  const size_t index;
  std::string answerBytes;
  std::string errorText;

 private:
  bool Failed(std::string* error) {
    *error = std::strerror(errno);
    return false;
  }

  pid_t m_pid = -1;
  int m_answerFd = -1;
  int m_errorFd = -1;
};

struct MergedRow {
  size_t server;
  const CListRowView* row;
};

// The merged rows as a list, so that they print and export as the page's list does.
class MergedList : public IListItemProvider {
 public:
  MergedList(const LogviewOptions& options, const std::vector<std::string>& titles, std::vector<MergedRow> rows)
      : m_options(options), m_rows(std::move(rows)) {
    m_list.InsertColumn(0, "Server", CListColumn::Align::kLeft, 0);
    for (size_t i = 0; i < titles.size(); ++i)
      m_list.InsertColumn(static_cast<int>(i + 1), titles[i], CListColumn::Align::kLeft, 0);
    m_list.SetProvider(this);
    m_list.SetItemCount(static_cast<int>(m_rows.size()));
  }
  std::string GetItemText(int row, int column) override {
    const MergedRow& merged = m_rows[static_cast<size_t>(row)];
    if (column == 0) return Label(m_options.servers[merged.server]);
    const size_t cell = static_cast<size_t>(column - 1);
    return cell < merged.row->texts.size() ? merged.row->texts[cell] : std::string();
  }
  int GetItemImage(int row) override { return m_rows[static_cast<size_t>(row)].row->image; }
  CLogListCtrl& List() { return m_list; }

 private:
  const LogviewOptions& m_options;
  std::vector<MergedRow> m_rows;
  CLogListCtrl m_list;
};

class ManyServerSearch {
 public:
  explicit ManyServerSearch(const LogviewOptions& options)
      : m_options(options), m_answers(options.servers.size()) {}

  int Run() {
    std::vector<std::unique_ptr<ServerSearch>> running;
    size_t next = 0;
    while (next < m_options.servers.size() || !running.empty()) {
      while (next < m_options.servers.size() && running.size() < static_cast<size_t>(m_options.parallel)) {
        auto search = std::make_unique<ServerSearch>(next++);
        std::string error;
        if (search->Start(m_options, &error)) {
          running.push_back(std::move(search));
        } else {
          Report(search->index, "failed: cannot start its search: " + error);
        }
      }
      WaitForOutput(running);
      for (auto it = running.begin(); it != running.end();) {
        if (!(*it)->Ended()) {
          ++it;
          continue;
        }
        Finish(**it);
        it = running.erase(it);
      }
    }
    return PrintMerged() && m_allAnswered ? kExitSearchRan : kExitSearchFailed;
  }

 private:
  static void WaitForOutput(const std::vector<std::unique_ptr<ServerSearch>>& running) {
    std::vector<pollfd> fds;
    for (const auto& search : running) search->AddPollFds(&fds);
    if (fds.empty() || poll(fds.data(), fds.size(), -1) <= 0) return;
    for (const pollfd& fd : fds) {
      if (fd.revents == 0) continue;
      for (const auto& search : running) search->ReadFrom(fd.fd);
    }
  }

  void Finish(ServerSearch& search) {
    const int status = search.Reap();
    std::optional<ServerAnswer> answer;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kExitSearchRan) answer = DecodeServerAnswer(search.answerBytes);
    if (!answer) {
      Report(search.index, "failed: " + FailureReason(search.errorText, status));
      return;
    }
    Report(search.index, answer->noData ? std::string("no data for this range")
                                        : "ok " + std::to_string(answer->rows.size()));
    m_answers[search.index] = std::move(answer);
  }

  void Report(size_t server, const std::string& what) {
    if (what.rfind("failed", 0) == 0) m_allAnswered = false;
    std::fprintf(stderr, "server: %s %s\n", Label(m_options.servers[server]).c_str(), what.c_str());
    std::fflush(stderr);
  }

  bool PrintMerged() {
    const std::vector<std::string>* titles = nullptr;
    bool imagesArePlayStates = false;
    std::vector<std::pair<std::string, MergedRow>> keyed;
    for (size_t server = 0; server < m_answers.size(); ++server) {
      if (!m_answers[server]) continue;
      if (titles == nullptr) titles = &m_answers[server]->titles;
      imagesArePlayStates = imagesArePlayStates || m_answers[server]->imagesArePlayStates;
      for (const CListRowView& row : m_answers[server]->rows) keyed.push_back({RowTimeKey(row), {server, &row}});
    }
    if (titles == nullptr) return false;
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<MergedRow> rows;
    rows.reserve(keyed.size());
    for (const auto& [key, row] : keyed) rows.push_back(row);
    MergedList merged(m_options, *titles, std::move(rows));

    if (m_options.exportPath) {
      std::string error;
      if (ExportList(merged.List(), *m_options.exportPath, &error)) return true;
      std::fprintf(stderr, "logview: --export: %s\n", error.c_str());
      return false;
    }
    if (m_options.json) {
      WriteListJson(merged.List(), imagesArePlayStates, stdout);
      return true;
    }
    if (WriteListText(merged.List(), stdout)) return true;
    std::fprintf(stderr, "logview: standard output: %s\n", std::strerror(errno));
    return false;
  }

  const LogviewOptions& m_options;
  std::vector<std::optional<ServerAnswer>> m_answers;
  bool m_allAnswered = true;
};

}  // namespace

int RunManyServerSearch(const LogviewOptions& options) { return ManyServerSearch(options).Run(); }
