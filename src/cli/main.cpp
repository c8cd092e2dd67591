// quorvinxvid-convert: converts files with the catalogue's profiles from the
// command line, probes files, and runs one task as the converter's worker.

#include "Commands.h"
#include "ProfileCommands.h"

#include <iostream>
#include <string_view>

namespace {

struct Command {
    std::string_view option;
    int (*run)(const cli::Arguments& args);
    std::string_view synopsis;
};

// One row per command, in the order the usage text lists them.
constexpr Command commands[] = {
    {"--list-profiles", cli::listProfilesCommand, "--list-profiles"},
    {"--show-profile", cli::showProfileCommand, "--show-profile ROW [preset options]"},
    {"--profile", cli::convertCommand,
     "--profile ROW [preset options] [--jobs N] [--priority idle|lowest|lower|normal] [--overwrite] -o FOLDER FILE..."},
    {"--probe", cli::probeCommand, "--probe FILE"},
    {"--worker", cli::workerCommand, "--worker   (run by the converter: one task, given on standard input)"},
};

int usage(std::ostream& out, int status)
{
    out << "usage:\n";
    for (const Command& command : commands)
        out << "  quorvinxvid-convert " << command.synopsis << "\n";
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage(std::cerr, cli::ExitBadArguments);
    std::string_view first = argv[1];
    if (first == "--help" || first == "-h")
        return usage(std::cout, cli::ExitOk);
    for (const Command& command : commands) {
        if (command.option == first)
            return command.run(cli::Arguments(argv + 2, argv + argc));
    }
    std::cerr << "quorvinxvid-convert: unknown command '" << first << "'\n";
    return usage(std::cerr, cli::ExitBadArguments);
}
