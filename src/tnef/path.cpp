// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/path.h"

#include "tnef/flags.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

bool is_control(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

bool needs_escape(unsigned char c)
{
    if (is_control(c) || strchr("\\/:*?\"<>|%", c) != nullptr)
        return c != 0;
    if (flag_set(OPT_UNIX_SAFE))
        return c >= 0x80 || strchr(" ;`'[]{}()", c) != nullptr;
    return false;
}

bool is_dot_name(std::string_view name)
{
    return name == "." || name == "..";
}

// Joins the components of a directory part, leaving out "", "." and "..".
std::string drop_dot_components(std::string_view dir)
{
    std::string out = dir.starts_with('/') ? "/" : "";
    while (!dir.empty()) {
        const size_t slash = dir.find('/');
        const std::string_view part = dir.substr(0, slash);
        dir = slash == std::string_view::npos ? std::string_view() : dir.substr(slash + 1);
        if (part.empty() || is_dot_name(part))
            continue;
        if (!out.empty() && out.back() != '/')
            out += '/';
        out += part;
    }
    return out;
}

// Where to cut s at or before cut so that no UTF-8 sequence (at most four
// bytes) and no "%XX" escape is split.
size_t safe_cut(std::string_view s, size_t cut)
{
    for (int i = 0; i < 3 && cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80; ++i)
        --cut;
    for (size_t back = 1; back <= 2 && back <= cut; ++back) {
        if (s[cut - back] == '%')
            return cut - back;
    }
    return cut;
}

void note_absolute(const char *fname, bool kept)
{
    if (flag_set(OPT_VERBOSE))
        fprintf(stderr, kept ? "WARNING: absolute path: %s\n" : "WARNING: absolute path stripped: %s\n", fname);
    if (flag_set(OPT_DEBUG))
        printf(kept ? "!!absolute path: %s\n" : "!!absolute path stripped: %s\n", fname);
}

std::optional<std::string> munge_windows_path(const char *fname)
{
    const std::string_view name(fname);
    const size_t pos = name.rfind('\\');
    std::string dir(name.substr(0, pos));
    for (char &c : dir)
        c = c == '\\' ? '/' : c;
    if (dir.starts_with('/')) {
        const bool keep = flag_set(OPT_ABSOLUTE_PATHS);
        note_absolute(fname, keep);
        if (!keep)
            dir.erase(0, dir.find_first_not_of('/'));
    }
    dir = drop_dot_components(dir);
    const std::string file = sanitize_filename(std::string(name.substr(pos + 1)).c_str());
    if (is_dot_name(file))
        return std::nullopt;
    return concat_fname(dir.c_str(), file.c_str());
}

} // namespace

std::string sanitize_filename(const char *fname)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    if (fname == nullptr)
        return out;
    out.reserve(strlen(fname));
    for (const char *p = fname; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (needs_escape(c)) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        } else {
            out += *p;
        }
    }
    return out;
}

bool could_be_a_windows_path(const char *fname)
{
    if (fname == nullptr)
        return false;
    const char *last = strrchr(fname, '\\');
    if (last == nullptr || last[1] == '\0')
        return false;
    for (const char *p = fname; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (is_control(c) || strchr("/:*?\"<>|", c) != nullptr)
            return false;
    }
    return true;
}

std::optional<std::string> munge_fname(const char *fname)
{
    if (fname == nullptr || *fname == '\0')
        return std::nullopt;
    if (flag_set(OPT_USE_PATHS) && could_be_a_windows_path(fname))
        return munge_windows_path(fname);
    std::string file = sanitize_filename(fname);
    if (file.empty() || is_dot_name(file))
        return std::nullopt;
    return file;
}

std::optional<std::string> concat_fname(const char *dir, const char *fname)
{
    if (dir == nullptr && fname == nullptr)
        return std::nullopt;
    const std::string_view d = dir ? dir : "";
    const std::string_view f = fname ? fname : "";
    std::string out(d);
    if (!d.empty() && !d.ends_with('/') && !f.starts_with('/'))
        out += '/';
    out += f;
    while (!out.empty() && out.back() == '/')
        out.pop_back();
    if (out.empty())
        return std::nullopt;
    return out;
}

std::string fit_name(std::string_view name, size_t max)
{
    constexpr size_t kMaxKeptExtension = 16;
    if (name.size() <= max)
        return std::string(name);
    std::string_view ext;
    const size_t dot = name.rfind('.');
    // The stem keeps at least half of the room.
    if (dot != std::string_view::npos && dot > 0 && name.size() - dot - 1 <= kMaxKeptExtension &&
        name.size() - dot < max / 2)
        ext = name.substr(dot);
    const std::string_view stem = name.substr(0, name.size() - ext.size());
    std::string out(stem.substr(0, safe_cut(stem, max - ext.size())));
    out += ext;
    return out;
}

std::string fit_components(std::string_view fname, size_t max)
{
    std::string out;
    for (size_t start = 0;;) {
        const size_t slash = fname.find('/', start);
        out += fit_name(fname.substr(start, slash == std::string_view::npos ? slash : slash - start), max);
        if (slash == std::string_view::npos)
            return out;
        out += '/';
        start = slash + 1;
    }
}
