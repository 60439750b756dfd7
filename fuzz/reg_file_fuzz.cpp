// libFuzzer entry for the registry file parser: any input either parses or raises the file error, and what
// parses must come back the same after being written out again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "reg_file_reader.h"
#include "reg_file_writer.h"
#include "registry_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    pairfinder::RegFileDocument document;
    try {
        document = pairfinder::ParseRegFile(bytes, "fuzz.reg");
    } catch (const pairfinder::RegistryFileError&) {
        return 0;
    }
    const std::string written = pairfinder::FormatRegFile(document);
    pairfinder::RegFileDocument reread;
    try {
        reread = pairfinder::ParseRegFile(written, "rewritten.reg");
    } catch (const pairfinder::RegistryFileError&) {
        std::abort();  // the writer produced something its own reader refuses
    }
    if (!(reread == document) || pairfinder::FormatRegFile(reread) != written) std::abort();
    // The bytes the store writes read back the same, and fit the limit the reader promised.
    const std::string bytesWritten = pairfinder::RegFileBytes(document);
    if (bytesWritten.size() != pairfinder::EncodedRegFileSize(written) ||
        bytesWritten.size() > pairfinder::MaxRegFileBytes) {
        std::abort();
    }
    try {
        if (!(pairfinder::ParseRegFile(bytesWritten, "encoded.reg") == document)) std::abort();
    } catch (const pairfinder::RegistryFileError&) {
        std::abort();
    }
    return 0;
}
