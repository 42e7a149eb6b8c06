// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/PlistDepthGuard.h"

#include <algorithm>
#include <vector>

namespace sw {

namespace {

quint64 readBigEndian(const uchar *p, int size)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | p[i];
    return value;
}

// The parts of a binary list that the depth walk needs.
struct BinaryLayout
{
    const uchar *data = nullptr;
    quint64 size = 0;
    int offsetSize = 0;
    int refSize = 0;
    quint64 objectCount = 0;
    quint64 topObject = 0;
    quint64 tableOffset = 0;

    bool parse(const QByteArray &bin)
    {
        if (bin.size() < 40 || !bin.startsWith("bplist"))
            return false;
        data = reinterpret_cast<const uchar *>(bin.constData());
        size = quint64(bin.size());
        const uchar *trailer = data + size - 32;
        offsetSize = trailer[6];
        refSize = trailer[7];
        objectCount = readBigEndian(trailer + 8, 8);
        topObject = readBigEndian(trailer + 16, 8);
        tableOffset = readBigEndian(trailer + 24, 8);
        return offsetSize >= 1 && offsetSize <= 8 && refSize >= 1 && refSize <= 8 && objectCount > 0
            && topObject < objectCount && tableOffset < size - 32
            && objectCount <= (size - 32 - tableOffset) / quint64(offsetSize);
    }

    // The references held by a container object; false when malformed.
    bool children(quint64 object, std::vector<quint64> &out) const
    {
        out.clear();
        const quint64 offset = readBigEndian(data + tableOffset + object * quint64(offsetSize), offsetSize);
        if (offset >= tableOffset)
            return false;
        const uchar marker = data[offset];
        const uchar kind = marker >> 4;
        if (kind != 0xA && kind != 0xC && kind != 0xD)
            return true;
        quint64 count = marker & 0x0F;
        quint64 pos = offset + 1;
        if (count == 0x0F) {  // the count follows as an integer object
            if (pos >= tableOffset || (data[pos] >> 4) != 0x1)
                return false;
            const int bytes = 1 << (data[pos] & 0x0F);
            if (bytes > 8 || pos + 1 + quint64(bytes) > tableOffset)
                return false;
            count = readBigEndian(data + pos + 1, bytes);
            pos += 1 + quint64(bytes);
        }
        const quint64 refs = kind == 0xD ? count * 2 : count;
        if (count > size || pos + refs * quint64(refSize) > tableOffset)
            return false;
        for (quint64 i = 0; i < refs; ++i) {
            const quint64 ref = readBigEndian(data + pos + i * quint64(refSize), refSize);
            if (ref >= objectCount)
                return false;
            out.push_back(ref);
        }
        return true;
    }
};

}  // namespace

bool PlistDepthGuard::xmlWithin(const QByteArray &xml, int maxDepth)
{
    int depth = 0;
    for (qsizetype pos = xml.indexOf('<'); pos >= 0; pos = xml.indexOf('<', pos + 1)) {
        if (xml.mid(pos, 4) == "<!--") {
            pos = xml.indexOf("-->", pos);
        } else if (xml.mid(pos, 9) == "<![CDATA[") {
            pos = xml.indexOf("]]>", pos);
        } else if (pos + 1 < xml.size() && (xml.at(pos + 1) == '?' || xml.at(pos + 1) == '!')) {
            continue;
        } else if (pos + 1 < xml.size() && xml.at(pos + 1) == '/') {
            --depth;
        } else {
            const qsizetype end = xml.indexOf('>', pos);
            if (end < 0)
                return false;
            if (xml.at(end - 1) != '/' && ++depth > maxDepth)
                return false;
        }
        if (pos < 0)
            return false;
    }
    return true;
}

bool PlistDepthGuard::binaryWithin(const QByteArray &bin, int maxDepth)
{
    BinaryLayout layout;
    if (!layout.parse(bin))
        return false;
    // Post-order walk with an explicit stack: the height and the expanded
    // node count of every object (libplist copies an object per reference,
    // so shared references multiply). A reference back into the current
    // branch is a cycle.
    constexpr quint64 kMaxNodes = 32 * 1024 * 1024;
    constexpr int kOnBranch = -1, kUnseen = -2;
    std::vector<int> height(layout.objectCount, kUnseen);
    std::vector<quint64> nodes(layout.objectCount, 0);
    struct Frame
    {
        quint64 object;
        std::vector<quint64> children;
        size_t next = 0;
    };
    std::vector<Frame> stack;
    const auto enter = [&](quint64 object) {
        Frame frame{object, {}, 0};
        if (!layout.children(object, frame.children))
            return false;
        height[object] = kOnBranch;
        stack.push_back(std::move(frame));
        return true;
    };
    if (!enter(layout.topObject))
        return false;
    while (!stack.empty()) {
        Frame &top = stack.back();
        if (top.next == top.children.size()) {
            int h = 0;
            quint64 n = 1;
            for (const quint64 child : top.children) {
                h = std::max(h, height[child]);
                n += nodes[child];
            }
            height[top.object] = top.children.empty() ? 0 : h + 1;
            nodes[top.object] = n;
            if (height[top.object] > maxDepth || n > kMaxNodes)
                return false;
            stack.pop_back();
            continue;
        }
        const quint64 child = top.children[top.next++];
        if (height[child] == kOnBranch)
            return false;
        if (height[child] == kUnseen && !enter(child))
            return false;
    }
    return true;
}

}  // namespace sw
