// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The extensions (lower case, without the dot) that are played as video or as
// audio. A few ("wmv", "ra", "amr") stand in both lists; whoever classifies
// tests video first.
namespace sw::MediaFormats {

const QStringList &mediaFormat();  // video
const QStringList &musicFormat();  // audio
// Whether a file of this extension (any letter case) is played.
bool isPlayable(const QString &type);

}  // namespace sw::MediaFormats
