// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/support/DecodeRun.h"

#include "tnef/tnef.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace sw {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "tnef-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

StdCapture::StdCapture(const std::string &stdinText)
{
    fflush(stdout);
    fflush(stderr);
    const std::string in = (m_dir.path() / "in").string();
    writeFile(in, bytesOf(stdinText));
    const std::string names[3] = {in, (m_dir.path() / "out").string(), (m_dir.path() / "err").string()};
    for (int fd = 0; fd < 3; ++fd) {
        m_saved[fd] = dup(fd);
        const int file = fd == 0 ? open(names[fd].c_str(), O_RDONLY) : open(names[fd].c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(file, fd);
        close(file);
    }
    clearerr(stdin);
    m_running = true;
}

StdCapture::~StdCapture()
{
    stop();
}

void StdCapture::stop()
{
    if (!m_running)
        return;
    fflush(stdout);
    fflush(stderr);
    for (int fd = 0; fd < 3; ++fd) {
        dup2(m_saved[fd], fd);
        close(m_saved[fd]);
    }
    clearerr(stdin);
    m_running = false;
    m_out = readFile(m_dir.path() / "out");
    m_err = readFile(m_dir.path() / "err");
}

void writeFile(const fs::path &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> listDir(const fs::path &dir)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::recursive_directory_iterator(dir))
        names.push_back(entry.path().lexically_relative(dir).string());
    std::sort(names.begin(), names.end());
    return names;
}

DecodeResult decodeBytes(const Bytes &bytes, const std::string &outDir, unsigned int flags, const char *pref,
                         const char *base, const std::string &stdinText)
{
    const fs::path input = fs::path(outDir).parent_path() / (fs::path(outDir).filename().string() + ".dat");
    writeFile(input, bytes);
    FILE *fp = fopen(input.c_str(), "rb");
    DecodeResult result;
    {
        StdCapture capture(stdinText);
        result.rc = parse_file(fp, outDir.c_str(), base, pref, flags);
        capture.stop();
        result.out = capture.out();
        result.err = capture.err();
    }
    fclose(fp);
    fs::remove(input);
    return result;
}

} // namespace sw
