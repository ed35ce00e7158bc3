// ServerProcess: the vxpp-server executable run as a child process on a
// free port of 127.0.0.1, its standard error collected on a thread, so that
// a test can bound the memory the server itself takes (the peak resident
// size of its executable image, VmHWM, which unlike the child's rusage does
// not count the test process it was forked from) and read its log lines.  The allocator
// checker of a sanitised build is told to keep few freed blocks, so that its
// peak shows what the server holds rather than what it recently freed.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

class ServerProcess {
 public:
  explicit ServerProcess(const std::string& installFolder, std::vector<std::string> options = {}) {
    std::vector<std::string> environment;
    std::string sanitizer = "ASAN_OPTIONS=quarantine_size_mb=4";
    for (char** entry = environ; *entry; ++entry) {
      if (std::strncmp(*entry, "ASAN_OPTIONS=", 13) == 0) sanitizer = std::string(*entry) + ":quarantine_size_mb=4";
      else environment.push_back(*entry);
    }
    environment.push_back(sanitizer);
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<const char*> argv = {"vxpp-server", "--install", installFolder.c_str(), "--port", "0"};
    for (const std::string& option : options) argv.push_back(option.c_str());
    argv.push_back(nullptr);

    int errors[2];
    if (pipe(errors) != 0) return;
    m_pid = fork();
    if (m_pid == 0) {
      dup2(errors[1], 2);
      execve(VXPP_SERVER_PATH, const_cast<char**>(argv.data()), envp.data());
      _exit(127);
    }
    close(errors[1]);
    m_errors = fdopen(errors[0], "r");
    // A line names the port: "vxpp-server: serving DIR on 127.0.0.1:PORT".
    char line[4096] = {};
    while (m_pid > 0 && m_port == 0 && std::fgets(line, sizeof line, m_errors)) {
      const char* at = std::strstr(line, "serving") ? std::strstr(line, "127.0.0.1:") : nullptr;
      unsigned port = 0;
      if (at && std::sscanf(at, "127.0.0.1:%u", &port) == 1) m_port = static_cast<uint16_t>(port);
      else m_log += line;
    }
    m_reader = std::thread([this] {
      char text[4096];
      while (std::fgets(text, sizeof text, m_errors)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_log += text;
      }
    });
  }
  ~ServerProcess() {
    Stop();
    if (m_reader.joinable()) m_reader.join();
    if (m_errors) std::fclose(m_errors);
  }

  void Signal(int number) {
    if (m_pid > 0 && !m_stopped) kill(m_pid, number);
  }

  // 0 when the server did not start.
  uint16_t Port() const { return m_port; }

  // The server's resident size now, in KiB.
  long ResidentKb() const { return StatusKb("VmRSS:"); }
  // Its peak resident size so far, or up to Stop(), in KiB.
  long PeakKb() const { return m_stopped ? m_peakKb : StatusKb("VmHWM:"); }

  // Stops the server with SIGTERM and waits for it; the exit status (-1 when
  // it did not exit by itself).  Later calls return the same.
  int Stop() {
    if (m_pid > 0 && !m_stopped) {
      m_peakKb = StatusKb("VmHWM:");
      kill(m_pid, SIGTERM);
      int status = 0;
      if (waitpid(m_pid, &status, 0) == m_pid) m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      m_stopped = true;
      if (m_reader.joinable()) m_reader.join();  // the pipe ends with the process
    }
    return m_exitStatus;
  }

  // Everything the server wrote to standard error but the line of its port.
  std::string Log() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
  }

 private:
  pid_t m_pid = -1;
  uint16_t m_port = 0;
  FILE* m_errors = nullptr;
  std::thread m_reader;
  std::mutex m_mutex;
  std::string m_log;
  bool m_stopped = false;
  int m_exitStatus = -1;
  long m_peakKb = 0;

  long StatusKb(const char* field) const {
    std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
    std::string line;
    while (std::getline(status, line))
      if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    return 0;
  }
};
