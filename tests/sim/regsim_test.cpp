#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "link/reglink.h"

namespace {

// Runs regsim with `arguments`, hands back its pid and the port names it printed.
pid_t startRegsim(std::vector<std::string> arguments, std::size_t lines, std::vector<std::string>& names) {
  int out[2];
  if (pipe(out) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    std::vector<char*> argv{const_cast<char*>(REGSIM_PATH)};
    for (auto& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(REGSIM_PATH, argv.data());
    _exit(127);
  }
  close(out[1]);
  FILE* stream = fdopen(out[0], "r");
  char line[128];
  while (names.size() < lines && std::fgets(line, sizeof line, stream) != nullptr) {
    names.emplace_back(line, std::strcspn(line, "\n"));
  }
  std::fclose(stream);
  return child;
}

TEST(Regsim, ServesItsPortsUntilTerminated) {
  std::vector<std::string> names;
  const pid_t regsim = startRegsim({"--speed", "19200", "--model", "Тест", "--count", "2", "--busy", "1"}, 3, names);
  ASSERT_GT(regsim, 0);
  ASSERT_EQ(names.size(), 3u);

  reglink::RegisterLink link;
  int status = 0;
  ASSERT_NE(link.OpenLink(names[1].c_str(), 19200), -1);
  const auto* answer = link.GetDiagnosticInfo(reglink::kRegisterPassword, &status);
  EXPECT_STREQ(answer->ErrorCode, "0000");
  EXPECT_STREQ(answer->Fields[0], "\xD2\xE5\xF1\xF2");  // the model, in code page 1251
  link.CloseLink();
  EXPECT_EQ(link.OpenLink(names[2].c_str(), 19200), -1);  // the busy port

  ASSERT_EQ(kill(regsim, SIGTERM), 0);
  int exit = -1;
  ASSERT_EQ(waitpid(regsim, &exit, 0), regsim);
  EXPECT_TRUE(WIFEXITED(exit));
  EXPECT_EQ(WEXITSTATUS(exit), 0);
}

}  // namespace
