// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/body_part.h"

#include <vector>

struct MapiProperty;

// The message bodies found while decoding, in stream order.
struct tnef_bodies {
    std::vector<BodyPart> rtf;
    std::vector<BodyPart> html;
    std::vector<BodyPart> text;
};

// Takes the HTML and compressed-RTF values of a message property block.
void bodies_add_mapi_attrs(tnef_bodies &bodies, std::vector<MapiProperty> props);

// Writes the bodies the preference asks for: "all" writes every kind present
// in the order RTF, HTML, text; otherwise the first kind present among up to
// three letters of "r", "h", "t". Each part becomes base + ".rtf", ".html" or
// ".txt"; a second part of a kind meets the first file like any existing file.
void save_bodies(tnef_bodies &bodies, const char *directory, const char *base, const char *pref);
