#include "write.h"

#include "decode_error.h"
#include "file.h"
#include "flags.h"
#include "path.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kDefaultName[] = "tnef-tmp";

bool path_exists(const std::string &path)
{
    struct stat st {};
    // lstat: a dangling link is in the way as much as a file is.
    return lstat(path.c_str(), &st) == 0;
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

std::string first_free_copy(const std::string &path)
{
    for (int i = 1; i < INT_MAX; ++i) {
        std::string candidate = path + "." + std::to_string(i);
        if (!path_exists(candidate)) {
            if (flag_set(OPT_DEBUG))
                printf("Renaming %s to %s\n", path.c_str(), candidate.c_str());
            return candidate;
        }
    }
    errno = EEXIST;
    fatal_perror(path.c_str());
}

// Creates the directories of a munged name below the output directory,
// refusing to pass through anything but a real directory.
void make_parent_dirs(const char *directory, const std::string &fname)
{
    std::string dir = (directory && *directory) ? directory : ".";
    size_t start = fname.find_first_not_of('/');
    for (size_t slash; start != std::string::npos && (slash = fname.find('/', start)) != std::string::npos;
         start = slash + 1) {
        dir += '/';
        dir.append(fname, start, slash - start);
        struct stat st {};
        if (lstat(dir.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                continue;
            errno = ENOTDIR;
            fatal_perror(dir.c_str());
        }
        if (mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST)
            fatal_perror(dir.c_str());
    }
}

void write_bytes(const std::string &path, const unsigned char *data, size_t len)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        fatal_perror(path.c_str());
    size_t done = 0;
    while (done < len) {
        const ssize_t n = write(fd, data + done, len - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            close(fd);
            errno = err;
            fatal_perror(path.c_str());
        }
        done += static_cast<size_t>(n);
    }
    if (close(fd) != 0)
        fatal_perror(path.c_str());
}

std::string output_path(const char *name, const char *directory, std::string &fname)
{
    std::optional<std::string> munged = munge_fname(name);
    if (!munged) {
        if (flag_set(OPT_DEBUG))
            printf("No path name available, using default %s.\n", kDefaultName);
        munged = kDefaultName;
    }
    fname = *munged;
    std::optional<std::string> path = concat_fname(directory, fname.c_str());
    if (!path) {
        if (flag_set(OPT_DEBUG))
            printf("No path generated, using default %s.\n", kDefaultName);
        path = kDefaultName;
    }
    // Without a directory a kept absolute name would leave the current one.
    if ((directory == nullptr || *directory == '\0') && path->starts_with('/'))
        path->insert(0, ".");
    return *path;
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
    std::string fname;
    std::string path = output_path(file.name->c_str(), directory, fname);
    if (flag_set(OPT_DEBUG))
        printf("%sWRITING\t|\t%s\t|\t%s\n", flag_set(OPT_LIST_ONLY) ? "NOT " : "", file.name->c_str(), path.c_str());
    if (!flag_set(OPT_LIST_ONLY)) {
        if (flag_set(OPT_CONFIRM) && !confirm(file.name->c_str()))
            return;
        if (path_exists(path) && !flag_set(OPT_OVERWRITE)) {
            if (!flag_set(OPT_NUMBER_COPIES)) {
                fprintf(stderr, "tnef: %s: Could not create file: File exists\n", path.c_str());
                return;
            }
            path = first_free_copy(path);
        }
        if (fname.find('/') != std::string::npos)
            make_parent_dirs(directory, fname);
        write_bytes(path, file.data.get(), file.len);
    }
    file.path = path;
    if (flag_set(OPT_VERBOSE) || flag_set(OPT_LIST_ONLY))
        fputs(listing_line(file).c_str(), stdout);
}
