// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace sw {

// libplist parses and frees nested containers recursively and follows object
// references of binary lists without looking for cycles, so a small hostile
// file can exhaust the stack. These checks run first, without recursion.
class PlistDepthGuard
{
public:
    // Nesting of XML elements stays within maxDepth.
    static bool xmlWithin(const QByteArray &xml, int maxDepth);
    // The binary object graph is well formed, free of cycles, and its
    // containers nest at most maxDepth deep.
    static bool binaryWithin(const QByteArray &bin, int maxDepth);
};

}  // namespace sw
