#include "forms/Shell.h"

#include <sys/wait.h>
#include <unistd.h>

#include "forms/UIDriver.h"

int ShellExecute(const String& operation, const String& file, const String& parameters,
                 const String& directory, int showCommand) {
  return UIDriver().ShellExecute(operation, file, parameters, directory, showCommand);
}

// The opener runs in a grandchild so that nobody has to wait for it and no zombie remains.
int PlatformShellOpen(const String& file) {
  const std::string path = ToUtf8(file);
  const pid_t child = fork();
  if (child < 0) return 0;
  if (child == 0) {
    if (fork() == 0) {
      execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 42 : 0;
}
