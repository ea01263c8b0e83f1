// The radio's test mode. Until it is built the radio takes the bytes and answers nothing.
#include "link/SimRadio.h"

namespace rv::link {

std::unique_ptr<SimModeHandler> MakeTestModeHandler() {
    return nullptr;
}

} // namespace rv::link
