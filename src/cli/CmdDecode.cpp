#include "Commands.h"

#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/Image.h"
#include "data/ModelTables.h"

#include <algorithm>
#include <cstdio>

namespace rv::cli {

int CmdDecode(CliArgs& args) {
    const auto out = args.value("-o");
    if (!out || args.positional.size() != 1)
        return UsageError({"decode needs IMAGE and -o FILE", "decode 需要 IMAGE 和 -o FILE"},
                          args.usage);
    Session s = MakeSession(args);
    const std::string& in = args.positional[0];
    const auto image = LoadImage(s, in);
    if (!image) return 1;
    s.Image = *image;
    // As after a read from the radio: a new document whose lists and settings come from
    // the image, with the model and band the image names.
    InitRadioData(s);
    DecodeImage(s.Image, s);
    SetModelInfo(s);
    if (s.Doc.ModelInfo.BandCode != s.Image[445] || s.Doc.ModelInfo.ModelByte != s.Image[446])
        std::fprintf(stderr,
                     "rv52n-cli: the image names no known model and band (band code %d, model "
                     "byte %d); the document keeps %s, %s\n",
                     s.Image[445], s.Image[446], s.CurModelCode.c_str(), s.CurBand.c_str());
    return WriteOutput(s, *out, ToRecord(s.Doc)) ? 0 : 1;
}

} // namespace rv::cli
