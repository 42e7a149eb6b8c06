// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding speed of the winmail.dat decoder: generates a 50 MB stream with
// ten attachments and an RTF, an HTML and a text body, decodes it several
// times into fresh folders (file writing included) and prints MB/s.

#include "tnef/support/TnefStreamBuilder.h"
#include "tnef/tnef.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using sw::Bytes;
namespace fs = std::filesystem;

constexpr size_t kTotalBytes = 50'000'000;
constexpr int kAttachments = 10;
constexpr int kRuns = 5;
constexpr double kRequiredMBps = 200.0;

Bytes noise(size_t len, uint64_t seed)
{
    Bytes out(len);
    uint64_t x = seed | 1;
    for (size_t i = 0; i < len; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        out[i] = static_cast<unsigned char>(x >> 24);
    }
    return out;
}

std::string bodyText(const char *open, const char *line, const char *close, size_t len)
{
    std::string text = open;
    for (int i = 0; text.size() < len; ++i)
        text += std::string(line) + std::to_string(i % 97) + " ";
    return text + close;
}

Bytes generate()
{
    const std::string rtf = bodyText("{\\rtf1\\ansi ", "\\par Quarterly figures, row ", "}", 1 << 20);
    const std::string html = bodyText("<html><body>", "<p>Quarterly figures, row ", "</body></html>", 512 << 10);
    sw::TnefStreamBuilder s;
    s.textBody(bodyText("", "Quarterly figures, row ", "\n", 512 << 10));
    s.messageProps(sw::MapiBlockBuilder()
                       .buffers(0x0102, 0x1013, {sw::bytesOf(html)})
                       .buffers(0x0102, 0x1009, {sw::rtfCompressed(rtf)})
                       .build());
    const size_t each = (kTotalBytes - s.bytes().size()) / kAttachments - 200;
    for (int i = 0; i < kAttachments; ++i) {
        const std::string name = "attachment-" + std::to_string(i) + ".bin";
        s.attachment(name, noise(each, 0x9E3779B97F4A7C15ull * (i + 1)));
        s.attachmentProps(sw::MapiBlockBuilder()
                              .buffers(0x001F, 0x3707, {sw::utf16le(std::u16string(name.begin(), name.end()))})
                              .buffers(0x001E, 0x370E, {sw::bytesOf("application/octet-stream")})
                              .build());
    }
    return s.bytes();
}

// One decode into a fresh folder; seconds, or a negative value on failure.
double decodeOnce(const fs::path &input, const fs::path &out)
{
    fs::remove_all(out);
    fs::create_directory(out);
    FILE *fp = fopen(input.c_str(), "rb");
    const auto start = std::chrono::steady_clock::now();
    const int rc = parse_file(fp, out.c_str(), "MailBody", "all", OPT_SAVE_BODIES);
    const auto end = std::chrono::steady_clock::now();
    fclose(fp);
    const size_t files = static_cast<size_t>(std::distance(fs::directory_iterator(out), fs::directory_iterator()));
    if (rc != 0 || files != kAttachments + 3)
        return -1;
    return std::chrono::duration<double>(end - start).count();
}

} // namespace

int main()
{
    std::string pattern = (fs::temp_directory_path() / "tnef-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return 1;
    const fs::path dir = pattern;
    const fs::path input = dir / "winmail.dat";
    {
        const Bytes bytes = generate();
        std::ofstream(input, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const double mb = static_cast<double>(fs::file_size(input)) / 1e6;
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const double t = decodeOnce(input, dir / "out");
        if (t < 0) {
            fprintf(stderr, "tnef bench: the decode failed\n");
            fs::remove_all(dir);
            return 1;
        }
        times.push_back(t);
    }
    fs::remove_all(dir);
    std::sort(times.begin(), times.end());
    const double best = mb / times.front();
    const double median = mb / times[times.size() / 2];
    printf("winmail.dat decode: %.1f MB, %d attachments, RTF/HTML/text bodies\n", mb, kAttachments);
    printf("best of %d: %.0f MB/s (%.3f s), median %.0f MB/s; required %.0f MB/s\n", kRuns, best, times.front(),
           median, kRequiredMBps);
    return best >= kRequiredMBps ? 0 : 1;
}
