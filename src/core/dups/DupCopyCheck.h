// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace sw {

// The check made just before a copy of a set goes: its contents are compared
// byte for byte with the copy the set keeps, whatever the scan (or the hash
// cache it used) found, so that a file changed since the scan, or a kept
// copy that is gone, never costs the only copy of something.
class DupCopyCheck
{
public:
    // Why copy must stay, or nullopt when it still holds what kept holds.
    // Folders (packages, compared whole by the scan) are not checked again.
    static std::optional<QString> refusal(const QString &kept, const QString &copy);
};

}  // namespace sw
