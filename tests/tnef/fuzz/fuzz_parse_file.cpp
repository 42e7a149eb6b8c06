// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the whole decoder, from a regular file or a stream of
// unknown size, under a few option sets, writing into a scratch directory
// that is emptied after every input.

#include "tnef/alloc.h"
#include "tnef/tnef.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Mode {
    unsigned int flags;
    const char *pref;
    size_t limit;
};

// Chosen by the input's size, so that an input reproduces alone.
const Mode kModes[] = {
    {OPT_SAVE_BODIES, "all", 0},
    {OPT_SAVE_BODIES | OPT_IGNORE_CHECKSUM, "all", 0},
    {OPT_SAVE_BODIES | OPT_IGNORE_CHECKSUM | OPT_TOLERATE_PROPS | OPT_TOLERATE_TRAILER, "rht", 0},
    {OPT_LIST_ONLY | OPT_VERBOSE | OPT_SHOW_MIME | OPT_DEBUG | OPT_IGNORE_CHECKSUM, "all", 0},
    {OPT_SAVE_BODIES | OPT_USE_PATHS | OPT_NUMBER_COPIES | OPT_UNIX_SAFE | OPT_IGNORE_CHECKSUM, "th", 4096},
    {OPT_SAVE_BODIES | OPT_USE_PATHS | OPT_ABSOLUTE_PATHS | OPT_OVERWRITE | OPT_IGNORE_CHECKSUM, "h", 0},
};

std::string g_dir;

void removeScratch()
{
    std::error_code ec;
    fs::remove_all(g_dir, ec);
}

FILE *openInput(const uint8_t *data, size_t size, bool regular)
{
    if (!regular)
        return fmemopen(const_cast<uint8_t *>(data), size, "rb");
    const int fd = memfd_create("tnef-fuzz", MFD_CLOEXEC);
    if (fd < 0)
        abort();
    if (size != 0 && write(fd, data, size) != static_cast<ssize_t>(size))
        abort();
    lseek(fd, 0, SEEK_SET);
    return fdopen(fd, "rb");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "tnef-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        abort();
    g_dir = pattern;
    atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Mode &mode = kModes[size % (sizeof kModes / sizeof kModes[0])];
    FILE *fp = openInput(data, size, (size / 7) % 2 == 0);
    if (fp == nullptr)
        return 0;
    set_alloc_limit(mode.limit);
    const fs::path out = fs::path(g_dir) / "out";
    fs::create_directory(out);
    parse_file(fp, out.c_str(), "MailBody", mode.pref, mode.flags);
    fclose(fp);
    std::error_code ec;
    fs::remove_all(out, ec);
    return 0;
}
