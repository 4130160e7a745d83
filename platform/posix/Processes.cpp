#include "platform/services/Processes.h"

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class PosixProcesses final : public Processes {
public:
    void Start(const std::string& program, const std::vector<std::string>& arguments) override
    {
        // Everything the child needs is made before forking: between fork and exec only
        // async-signal-safe calls may run.
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);

        // The started program is handed over to init through a short-lived middle process,
        // so it outlives us and never lingers as our zombie.
        const pid_t middle = ::fork();
        if (middle < 0)
            return;
        if (middle == 0) {
            if (::fork() == 0) {
                ::setsid();
                ::execv(program.c_str(), argv.data());
                ::_exit(127);
            }
            ::_exit(0);
        }
        int status = 0;
        while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
        }
    }
};

} // namespace

Processes& SystemProcesses()
{
    static PosixProcesses processes;
    return processes;
}
