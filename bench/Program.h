#pragma once
// Running the command line of this build (OMBRIX_PROGRAM) as a user does, standard output
// thrown away, and the processor time its runs took.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace program {

// True when the program exited with 0.
inline bool RunQuietly(std::vector<std::string> args) {
  args.insert(args.begin(), OMBRIX_PROGRAM);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  int status = 0;
  const bool ran = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ) == 0 &&
                   waitpid(child, &status, 0) == child;
  posix_spawn_file_actions_destroy(&quiet);
  return ran && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// User and system time of the finished children so far.
inline double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace program
