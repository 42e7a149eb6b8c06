// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/write.h"

#include "tnef/decode_error.h"
#include "tnef/file.h"
#include "tnef/flags.h"
#include "tnef/path.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const char kDefaultName[] = "tnef-tmp";
constexpr size_t kFallbackNameMax = 255;
// fit_name needs some room; a file system with less fails as it did before.
constexpr long kLeastNameMax = 32;

// Owns a file descriptor.
class unique_fd {
public:
    explicit unique_fd(int fd = -1) : m_fd(fd) {}
    ~unique_fd()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    unique_fd(unique_fd &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    unique_fd &operator=(unique_fd &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd;
};

unique_fd open_output_dir(const char *directory)
{
    const char *dir = (directory && *directory) ? directory : ".";
    return unique_fd(open(dir, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

size_t name_max(const unique_fd &dir)
{
    const long n = dir ? fpathconf(dir.get(), _PC_NAME_MAX) : -1;
    return n > 0 ? static_cast<size_t>(std::max(n, kLeastNameMax)) : kFallbackNameMax;
}

bool exists_at(int folder, const std::string &name)
{
    struct stat st {};
    // No following: a dangling link is in the way as much as a file is.
    return fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

void report_exists(const std::string &path)
{
    fprintf(stderr, "tnef: %s: Could not create file: File exists\n", path.c_str());
}

bool confirm(const char *name)
{
    printf("extract %s?", name);
    fflush(stdout);
    char answer[1024];
    if (fgets(answer, sizeof answer, stdin) == nullptr)
        return false;
    return answer[0] == 'y' || answer[0] == 'Y';
}

// Moves leaf (and path, which ends with it) to the first free "leaf.N" in
// folder, shortened to fit.
void take_first_free_copy(int folder, std::string &leaf, std::string &path, size_t max)
{
    const std::string shown_dir = path.substr(0, path.size() - leaf.size());
    for (int i = 1; i < INT_MAX; ++i) {
        const std::string suffix = "." + std::to_string(i);
        const std::string candidate = fit_name(leaf, max - suffix.size()) + suffix;
        if (!exists_at(folder, candidate)) {
            if (flag_set(OPT_DEBUG))
                printf("Renaming %s to %s\n", path.c_str(), (shown_dir + candidate).c_str());
            leaf = candidate;
            path = shown_dir + candidate;
            return;
        }
    }
    errno = EEXIST;
    fatal_perror(path.c_str());
}

// Creates and opens the folders of dirs one below the other, starting at
// cur and never following a link, so that a folder swapped for a link
// cannot lead the write elsewhere. Nothing when one is not a real folder;
// blocked then names it (shown is the text naming cur).
unique_fd open_folders(unique_fd cur, std::string_view dirs, std::string shown, std::string &blocked)
{
    while (!dirs.empty()) {
        const size_t slash = dirs.find('/');
        const std::string part(dirs.substr(0, slash));
        dirs = slash == std::string_view::npos ? std::string_view() : dirs.substr(slash + 1);
        // A kept absolute part starts with "/"; ".." never gets this far, but must not climb.
        if (part.empty() || part == "." || part == "..")
            continue;
        shown += '/' + part;
        if (mkdirat(cur.get(), part.c_str(), 0777) != 0 && errno != EEXIST)
            fatal_perror(shown.c_str());
        unique_fd next(openat(cur.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next) {
            if (errno != ENOTDIR && errno != ELOOP)
                fatal_perror(shown.c_str());
            blocked = shown;
            return unique_fd();
        }
        cur = std::move(next);
    }
    return cur;
}

// Creates leaf in folder and writes data; false when it was skipped.
bool write_bytes(int folder, const std::string &leaf, const std::string &path, const unsigned char *data,
                 size_t len)
{
    // O_EXCL: a file that appeared since the existence test stays as it is;
    // O_NONBLOCK: an overwritten FIFO must not stall the decode.
    const int excl = flag_set(OPT_OVERWRITE) ? 0 : O_EXCL;
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | excl;
    unique_fd fd(openat(folder, leaf.c_str(), flags, 0666));
    if (!fd && errno == EEXIST && excl != 0) {
        report_exists(path);
        return false;
    }
    if (!fd)
        fatal_perror(path.c_str());
    for (size_t done = 0; done < len;) {
        const ssize_t n = write(fd.get(), data + done, len - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            errno = n < 0 ? errno : EIO;
            fatal_perror(path.c_str());
        }
        done += static_cast<size_t>(n);
    }
    if (close(fd.release()) != 0)
        fatal_perror(path.c_str());
    return true;
}

// The munged name relative to the output folder, every component fitted to max.
std::string munged_name(const char *name, size_t max)
{
    std::optional<std::string> munged = munge_fname(name);
    if (!munged) {
        if (flag_set(OPT_DEBUG))
            printf("No path name available, using default %s.\n", kDefaultName);
        munged = kDefaultName;
    }
    return fit_components(*munged, max);
}

// The path the listing shows for fname; fname falls back with it.
std::string output_path(const char *directory, std::string &fname)
{
    std::optional<std::string> path = concat_fname(directory, fname.c_str());
    if (!path) {
        if (flag_set(OPT_DEBUG))
            printf("No path generated, using default %s.\n", kDefaultName);
        path = fname = kDefaultName;
    }
    // Without a directory a kept absolute name would seem to leave the current one.
    if ((directory == nullptr || *directory == '\0') && path->starts_with('/'))
        path->insert(0, ".");
    return *path;
}

// Writes the file at fname below the output folder root; false when it was skipped.
bool write_below(unique_fd root, const char *directory, const std::string &fname, std::string &path,
                 const TnefAttachment &file, size_t max)
{
    const size_t last = fname.rfind('/');
    std::string leaf = last == std::string::npos ? fname : fname.substr(last + 1);
    std::string_view dirs;
    if (last != std::string::npos)
        dirs = std::string_view(fname).substr(0, last);
    std::string shown = (directory && *directory) ? directory : ".";
    while (!shown.empty() && shown.back() == '/')
        shown.pop_back();
    std::string blocked;
    const unique_fd folder = open_folders(std::move(root), dirs, shown, blocked);
    if (!folder) {
        fprintf(stderr, "tnef: %s: Could not create file: %s is not a folder\n", path.c_str(),
                blocked.c_str());
        return false;
    }
    if (exists_at(folder.get(), leaf) && !flag_set(OPT_OVERWRITE)) {
        if (!flag_set(OPT_NUMBER_COPIES)) {
            report_exists(path);
            return false;
        }
        take_first_free_copy(folder.get(), leaf, path, max);
    }
    return write_bytes(folder.get(), leaf, path, file.data.get(), file.len);
}

} // namespace

std::string listing_line(const TnefAttachment &file)
{
    const char *name = file.name ? file.name->c_str() : kDefaultName;
    char buf[64];
    std::string line;
    if (flag_set(OPT_VERBOSE) && flag_set(OPT_LIST_ONLY)) {
        snprintf(buf, sizeof buf, "%11lu", static_cast<unsigned long>(file.len));
        line = std::string(buf) + "\t|\t" + (date_to_str(file.dt) + 4) + "\t|\t" + name + "\t|\t" + file.path;
    } else {
        line = std::string(name) + "\t|\t" + file.path;
    }
    if (flag_set(OPT_SHOW_MIME)) {
        line += "\t|\t" + file.mime_type.value_or("unknown");
        line += "\t|\t" + file.content_id.value_or("");
    }
    return line + "\n";
}

void file_write(TnefAttachment &file, const char *directory)
{
    if (!file.name) {
        if (flag_set(OPT_DEBUG))
            printf("No file name specified, using default %s.\n", kDefaultName);
        file.name = kDefaultName;
    }
    // Opened once: every folder and the file are then reached from this descriptor.
    unique_fd root = open_output_dir(directory);
    const int root_errno = errno;
    const size_t max = name_max(root);
    std::string fname = munged_name(file.name->c_str(), max);
    std::string path = output_path(directory, fname);
    if (flag_set(OPT_DEBUG))
        printf("%sWRITING\t|\t%s\t|\t%s\n", flag_set(OPT_LIST_ONLY) ? "NOT " : "", file.name->c_str(), path.c_str());
    if (!flag_set(OPT_LIST_ONLY)) {
        if (flag_set(OPT_CONFIRM) && !confirm(file.name->c_str()))
            return;
        if (!root) {
            errno = root_errno;
            fatal_perror(path.c_str());
        }
        if (!write_below(std::move(root), directory, fname, path, file, max))
            return;
    }
    file.path = path;
    if (flag_set(OPT_VERBOSE) || flag_set(OPT_LIST_ONLY))
        fputs(listing_line(file).c_str(), stdout);
}
