#pragma once
// The output path of a job being added: the source's file name with the
// profile's extension, in the output folder, made unique by "_1", "_2", ...
// before the extension when the name is not free.
//
// A name is free when
//   - it is not the source file itself (compared as files on disk, so a
//     symbolic link or another spelling of the same folder is caught): the
//     source is never an output, overwrite chosen or not, since converting
//     onto the file being read destroys it;
//   - no other job of the list holds it as its output name, overwrite
//     chosen or not: overwriting is about files that were on disk before,
//     and two jobs writing one file lose one output;
//   - and no file exists there, unless overwrite is chosen (which only
//     applies to the plain name, not to the numbered ones).

#include <set>
#include <string>

namespace jobs {

struct OutputNameRequest {
    std::string sourcePath;             // the source being added (UTF-8)
    std::string extension;              // the profile's output extension, with its dot
    std::string outputFolder;           // the output folder text
    bool overwrite = false;             // "直接覆盖输出文件"
    std::set<std::string> namesTaken;   // output file names (no folder) of the other jobs
};

// The source's file name with the part after its last dot replaced by the
// extension, or the extension appended when the name has no dot:
// "my.video.mp4" + ".mkv" -> "my.video.mkv", "clip" + ".mp3" -> "clip.mp3".
std::string outputFileNameOf(const std::string& sourcePath, const std::string& extension);

// The output folder text, the native separator and the output file name,
// made unique as described above. The numbered search has no upper bound
// and makes one existence check per try.
std::string uniqueOutputPath(const OutputNameRequest& request);

}  // namespace jobs
