// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw::dupmarks {

// Whether a file name carries the mark a program adds to a copy's name:
// "Photo (1).jpg", "Photo (copy).jpg", "Photo - Copy.jpg", "Copy of
// Photo.jpg", "Photo copy 2.jpg". The marks of every language we ship apply
// at once, whatever the user's language: copies come from other people's
// computers too. The extensions ("tar.gz" as well) are left out first.
bool hasCopyMark(const QString &fileName);

}  // namespace sw::dupmarks
