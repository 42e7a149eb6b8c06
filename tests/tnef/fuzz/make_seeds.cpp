// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the fuzzers: streams of the kinds the tests
// build (attachments, bodies, named and Unicode properties, damaged ones),
// into DIR/fuzz_parse_file and DIR/fuzz_rtf.

#include "tnef/support/TnefStreamBuilder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using sw::Bytes;
using sw::MapiBlockBuilder;
using sw::TnefStreamBuilder;
namespace fs = std::filesystem;

void save(const fs::path &dir, const std::string &name, const Bytes &bytes)
{
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes date()
{
    Bytes d;
    for (uint16_t v : {2024, 2, 29, 13, 5, 9, 4})
        sw::putU16(d, v);
    return d;
}

std::vector<std::pair<std::string, Bytes>> streams()
{
    const std::string rtfText = "{\\rtf1\\ansi\\ansicpg1252 Hello hello hello world\\par}\r\n";
    TnefStreamBuilder full;
    full.textBody("plain body").attachment("report.pdf", Bytes(300, 'p')).attribute(2, 3, 0x8013, date());
    full.attachmentProps(MapiBlockBuilder()
                             .buffers(0x001F, 0x3707, {sw::utf16le(u"L\u00e4nger name.pdf")})
                             .buffers(0x001E, 0x370E, {sw::bytesOf("application/pdf")})
                             .buffers(0x001E, 0x3712, {sw::bytesOf("cid")})
                             .build());
    full.attachment("dir\\..\\sub\\x.txt", sw::bytesOf("x"));
    full.messageProps(MapiBlockBuilder()
                          .fixed(0x0002, 0x0017, {1, 0})
                          .fixed(0x0003, 0x0E07, {1, 2, 3, 4})
                          .fixed(0x0040, 0x3007, Bytes(8, 7))
                          .fixed(0x0048, 0x3302, Bytes(16, 9))
                          .multiFixed(0x0003, 0x0101, {{1, 0, 0, 0}, {2, 0, 0, 0}})
                          .named(0x001E, 0x8005, {u"Keywords"}, 0, {sw::bytesOf("k")})
                          .named(0x0102, 0x8006, {}, 0x1234, {sw::bytesOf("v")})
                          .buffers(0x0102, 0x1013, {sw::bytesOf("<p>html</p>")})
                          .buffers(0x0102, 0x1009, {sw::rtfCompressed(rtfText), sw::rtfStored(rtfText)})
                          .build());
    TnefStreamBuilder two;
    two.attachment("same.txt", sw::bytesOf("1")).attachment("same.txt", sw::bytesOf("2")).raw({'\r', '\n'});
    TnefStreamBuilder bad;
    bad.attachment("a", sw::bytesOf("a")).attributeWithChecksum(2, 6, 0x9002, {}, 0x0BAD);
    TnefStreamBuilder level;
    level.attachment("", {}).attribute(3, 6, 0x8008, {});
    return {{"full.tnef", full.bytes()},
            {"two.tnef", two.bytes()},
            {"bad-checksum.tnef", bad.bytes()},
            {"bad-level.tnef", level.bytes()},
            {"body-only.tnef", TnefStreamBuilder().textBody("t").bytes()}};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const fs::path tnefDir = fs::path(argv[1]) / "fuzz_parse_file";
    const fs::path rtfDir = fs::path(argv[1]) / "fuzz_rtf";
    fs::create_directories(tnefDir);
    fs::create_directories(rtfDir);
    for (const auto &[name, bytes] : streams())
        save(tnefDir, name, bytes);
    std::string longText;
    for (int i = 0; i < 40; ++i)
        longText += "{\\pard line " + std::to_string(i % 7) + "\\par}\r\n";
    save(rtfDir, "compressed.rtf", sw::rtfCompressed("{\\rtf1 WXYZWXYZWXYZWXYZWXYZ}"));
    save(rtfDir, "long.rtf", sw::rtfCompressed(longText));
    save(rtfDir, "stored.rtf", sw::rtfStored("{\\rtf1 stored}"));
    save(rtfDir, "payload.lzfu", sw::lzfuPayload(longText));
    return 0;
}
