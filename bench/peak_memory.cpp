#include "peak_memory.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

extern char** environ;

namespace ombrel::bench {

namespace {

// A "Vm...:  1234 kB" line of /proc/self/status, in KiB; -1 when absent.
long StatusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.compare(0, key.size() + 1, key + ":") == 0) return std::stol(line.substr(key.size() + 1));
  }
  return -1;
}

}  // namespace

std::optional<PeakMemory> MeasureInChild(const std::vector<std::string>& args) {
  const std::optional<std::vector<double>> numbers = NumbersFromChild(args);
  if (!numbers || numbers->size() != 2 || (*numbers)[0] < 0) return std::nullopt;
  return PeakMemory{(*numbers)[0] / 1024.0, (*numbers)[1] / 1024.0};
}

std::optional<std::vector<double>> NumbersFromChild(const std::vector<std::string>& args) {
  std::vector<std::string> words{"/proc/self/exe", "--peak-child"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int pipe[2];
  if (::pipe(pipe) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe[0]);
  pid_t child = -1;
  const int spawned = ::posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipe[1]);
  std::string output;
  char buffer[256];
  for (ssize_t n; spawned == 0 && (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
    output.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(pipe[0]);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  std::istringstream in(output);
  std::vector<double> numbers;
  for (double number; in >> number;) numbers.push_back(number);
  return numbers;
}

int ReportPeakOf(const std::function<void()>& prepare, const std::function<void()>& work) {
  try {
    prepare();
    // "5" resets the high-water mark to the present resident set.
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    const long baseline = StatusKiB("VmRSS");
    work();
    std::cout << StatusKiB("VmHWM") << " " << baseline << std::endl;
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "peak-memory child: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace ombrel::bench
