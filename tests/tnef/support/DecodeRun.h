// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the decoder on bytes built by a test, with standard output and
// standard error captured, inside a temporary directory of its own.

#include "tnef/support/TnefStreamBuilder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sw {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return m_path; }
    std::string str() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// Redirects the file descriptors 1 and 2 (and optionally feeds 0) while alive.
class StdCapture {
public:
    explicit StdCapture(const std::string &stdinText = std::string());
    ~StdCapture();
    StdCapture(const StdCapture &) = delete;
    StdCapture &operator=(const StdCapture &) = delete;
    // Restores the descriptors; the captured texts stay readable.
    void stop();
    const std::string &out() const { return m_out; }
    const std::string &err() const { return m_err; }

private:
    TempDir m_dir;
    int m_saved[3] = {-1, -1, -1};
    bool m_running = false;
    std::string m_out;
    std::string m_err;
};

struct DecodeResult {
    int rc = 0;
    std::string out;
    std::string err;
};

void writeFile(const std::filesystem::path &path, const Bytes &bytes);
std::string readFile(const std::filesystem::path &path);
// The names in dir, recursively, relative and sorted; links are listed, not followed.
std::vector<std::string> listDir(const std::filesystem::path &dir);

// Writes bytes to a file beside outDir and decodes it into outDir.
DecodeResult decodeBytes(const Bytes &bytes, const std::string &outDir, unsigned int flags,
                         const char *pref = "all", const char *base = "MailBody",
                         const std::string &stdinText = std::string());

} // namespace sw
