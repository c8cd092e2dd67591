#include "Commands.h"

#include "engine/convert/AVProbe.h"

#include <iostream>

namespace cli {

int probeCommand(const Arguments& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: quorvinxvid-convert --probe FILE\n";
        return ExitBadArguments;
    }
    engine::AVProbe probe;
    if (!probe.LoadFile(args[0])) {
        std::cerr << probe.LastErrMsg() << "\n";
        return ExitFailed;
    }
    std::cout << "Duration=" << probe.FileStreamInfo().Duration << "\n"
              << "Size=" << probe.FileSize() << "\n"
              << probe.FileInfoText();
    return ExitOk;
}

}  // namespace cli
