// The console dialogue over any byte stream: it must end, whatever it reads.
#include "dialogue.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    // It only ends when its input does or holds no number, and says so.
    if (tolvane::runDialogue(in, out, err) != EXIT_FAILURE || err.str().empty())
        std::abort();
    return 0;
}
