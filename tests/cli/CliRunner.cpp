#include "CliRunner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sonara::testing {

CliRunner::CliRunner() = default;

CliRun CliRunner::run(const std::vector<std::string>& args, const std::string& input,
                      const std::string& workingFolder) const {
    const std::string inPath = files_.file(".stdin");
    const std::string outPath = files_.file(".stdout");
    const std::string errPath = files_.file(".stderr");
    writeText(inPath, input);

    std::vector<std::string> words = {SONARA_CLI_BINARY, "--home", home_.path().string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(inPath.c_str(), O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (!workingFolder.empty() && chdir(workingFolder.c_str()) != 0) {
            _exit(126);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CliRun result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readText(outPath);
    result.err = readText(errPath);
    return result;
}

}  // namespace sonara::testing
