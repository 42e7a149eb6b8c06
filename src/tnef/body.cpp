// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/body.h"

#include "tnef/file.h"
#include "tnef/mapi_attr.h"
#include "tnef/rtf.h"
#include "tnef/write.h"

#include <cstring>
#include <string>

namespace {

struct body_kind {
    char letter;
    const char *ext;
    const char *mime;
    std::vector<BodyPart> tnef_bodies::*parts;
};

const body_kind kKinds[] = {
    {'r', ".rtf", "text/rtf", &tnef_bodies::rtf},
    {'h', ".html", "text/html", &tnef_bodies::html},
    {'t', ".txt", "text/plain", &tnef_bodies::text},
};

void write_kind(tnef_bodies &bodies, const body_kind &kind, const char *directory, const char *base)
{
    for (BodyPart &part : bodies.*kind.parts) {
        TnefAttachment file;
        file.name = std::string(base) + kind.ext;
        file.mime_type = kind.mime;
        file.len = part.len;
        file.data = std::move(part.data);
        file_write(file, directory);
    }
}

const body_kind *kind_for(char letter)
{
    for (const body_kind &kind : kKinds) {
        if (kind.letter == letter)
            return &kind;
    }
    return nullptr;
}

} // namespace

void bodies_add_mapi_attrs(tnef_bodies &bodies, std::vector<MapiProperty> props)
{
    if (!mapi_props_have_buffers(props, {MAPI_BODY_HTML, MAPI_RTF_COMPRESSED}))
        return;
    for (MapiProperty &prop : props) {
        if (prop.name == MAPI_BODY_HTML) {
            for (MapiValue &v : prop.values)
                bodies.html.push_back(BodyPart{v.len, std::move(v.buf)});
        } else if (prop.name == MAPI_RTF_COMPRESSED) {
            for (std::optional<BodyPart> &slot : get_rtf_data(prop)) {
                if (!slot)
                    break;
                bodies.rtf.push_back(std::move(*slot));
            }
        }
    }
}

void save_bodies(tnef_bodies &bodies, const char *directory, const char *base, const char *pref)
{
    if (pref == nullptr || strcmp(pref, "all") == 0) {
        for (const body_kind &kind : kKinds)
            write_kind(bodies, kind, directory, base);
        return;
    }
    for (size_t i = 0; i < 3 && pref[i] != '\0'; ++i) {
        const body_kind *kind = kind_for(pref[i]);
        if (kind != nullptr && !(bodies.*kind->parts).empty()) {
            write_kind(bodies, *kind, directory, base);
            return;
        }
    }
}
