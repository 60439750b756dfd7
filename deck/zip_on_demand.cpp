// The ZIP library loaded the first time a deck file is read or written, not when the program starts: most players
// never open a deck file, and the library with what it links (a cryptography library among them) cost every start
// of the window time and memory. The functions the deck file calls are defined here, each handing its call to the
// library's own, found once it is loaded; the program links no ZIP library of its own (Linux).
#include <dlfcn.h>
#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "deck_file.h"

namespace pairfinder::deck {

namespace {

struct Loaded {
    void* Handle = nullptr;
    std::string Fault;
};

const Loaded& Library() {
    static const Loaded loaded = [] {
        Loaded out;
        out.Handle = dlopen(PAIRFINDER_ZIP_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!out.Handle) out.Fault = ZipLibraryMissing(PAIRFINDER_ZIP_LIBRARY);
        return out;
    }();
    return loaded;
}

// The library's own function `name`. Reached only once ZipLibraryFault() found the library whole, so a function
// missing here is a broken installation, said before the program stops.
template <typename Function>
Function Entry(const char* name) {
    void* found = Library().Handle ? dlsym(Library().Handle, name) : nullptr;
    if (!found) {
        std::fprintf(stderr, "%s lacks %s\n", PAIRFINDER_ZIP_LIBRARY, name);
        std::abort();
    }
    return reinterpret_cast<Function>(found);
}

// Each function as the library's header declares it (a signature that differs does not compile), handing the call on.
#define PAIRFINDER_ZIP_CALL(result, name, parameters, arguments)                       \
    extern "C" result name parameters {                                                \
        static const auto entry = Entry<decltype(&name)>(#name);                       \
        return entry arguments;                                                        \
    }

}  // namespace

std::string ZipLibraryFault() {
    if (!Library().Fault.empty()) return Library().Fault;
    // Every function the deck file calls must be there before the first is called.
    for (const char* name : {"zip_close", "zip_discard", "zip_error_code_zip", "zip_error_fini", "zip_error_init",
                             "zip_fclose", "zip_file_add", "zip_file_set_dostime", "zip_fopen_index", "zip_fread",
                             "zip_get_num_entries", "zip_name_locate", "zip_open_from_source",
                             "zip_set_file_compression", "zip_source_buffer", "zip_source_buffer_create",
                             "zip_source_close", "zip_source_free", "zip_source_keep", "zip_source_open",
                             "zip_source_read", "zip_source_stat", "zip_stat_index"}) {
        if (!dlsym(Library().Handle, name)) return ZipLibraryMissing(PAIRFINDER_ZIP_LIBRARY);
    }
    return {};
}

}  // namespace pairfinder::deck

using pairfinder::deck::Entry;

PAIRFINDER_ZIP_CALL(int, zip_close, (zip_t * archive), (archive))
PAIRFINDER_ZIP_CALL(void, zip_discard, (zip_t * archive), (archive))
PAIRFINDER_ZIP_CALL(int, zip_error_code_zip, (const zip_error_t* error), (error))
PAIRFINDER_ZIP_CALL(void, zip_error_fini, (zip_error_t * error), (error))
PAIRFINDER_ZIP_CALL(void, zip_error_init, (zip_error_t * error), (error))
PAIRFINDER_ZIP_CALL(int, zip_fclose, (zip_file_t * file), (file))
PAIRFINDER_ZIP_CALL(zip_int64_t, zip_file_add,
                    (zip_t * archive, const char* name, zip_source_t* source, zip_flags_t flags),
                    (archive, name, source, flags))
PAIRFINDER_ZIP_CALL(int, zip_file_set_dostime,
                    (zip_t * archive, zip_uint64_t index, zip_uint16_t time, zip_uint16_t date, zip_flags_t flags),
                    (archive, index, time, date, flags))
PAIRFINDER_ZIP_CALL(zip_file_t*, zip_fopen_index, (zip_t * archive, zip_uint64_t index, zip_flags_t flags),
                    (archive, index, flags))
PAIRFINDER_ZIP_CALL(zip_int64_t, zip_fread, (zip_file_t * file, void* buffer, zip_uint64_t size),
                    (file, buffer, size))
PAIRFINDER_ZIP_CALL(zip_int64_t, zip_get_num_entries, (zip_t * archive, zip_flags_t flags), (archive, flags))
PAIRFINDER_ZIP_CALL(zip_int64_t, zip_name_locate, (zip_t * archive, const char* name, zip_flags_t flags),
                    (archive, name, flags))
PAIRFINDER_ZIP_CALL(zip_t*, zip_open_from_source, (zip_source_t * source, int flags, zip_error_t* error),
                    (source, flags, error))
PAIRFINDER_ZIP_CALL(int, zip_set_file_compression,
                    (zip_t * archive, zip_uint64_t index, zip_int32_t method, zip_uint32_t level),
                    (archive, index, method, level))
PAIRFINDER_ZIP_CALL(zip_source_t*, zip_source_buffer,
                    (zip_t * archive, const void* data, zip_uint64_t size, int freeIt), (archive, data, size, freeIt))
PAIRFINDER_ZIP_CALL(zip_source_t*, zip_source_buffer_create,
                    (const void* data, zip_uint64_t size, int freeIt, zip_error_t* error), (data, size, freeIt, error))
PAIRFINDER_ZIP_CALL(int, zip_source_close, (zip_source_t * source), (source))
PAIRFINDER_ZIP_CALL(void, zip_source_free, (zip_source_t * source), (source))
PAIRFINDER_ZIP_CALL(void, zip_source_keep, (zip_source_t * source), (source))
PAIRFINDER_ZIP_CALL(int, zip_source_open, (zip_source_t * source), (source))
PAIRFINDER_ZIP_CALL(zip_int64_t, zip_source_read, (zip_source_t * source, void* data, zip_uint64_t size),
                    (source, data, size))
PAIRFINDER_ZIP_CALL(int, zip_source_stat, (zip_source_t * source, zip_stat_t* stat), (source, stat))
PAIRFINDER_ZIP_CALL(int, zip_stat_index, (zip_t * archive, zip_uint64_t index, zip_flags_t flags, zip_stat_t* stat),
                    (archive, index, flags, stat))
