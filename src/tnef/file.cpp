// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/file.h"

#include "tnef/attr.h"
#include "tnef/decode_error.h"
#include "tnef/mapi_attr.h"

#include <cstring>

namespace {

void file_add_mapi_attrs(TnefAttachment &file, std::vector<MapiProperty> props)
{
    if (!mapi_props_have_buffers(props, {MAPI_ATTACH_DATA_OBJ, MAPI_ATTACH_LONG_FILENAME, MAPI_ATTACH_MIME_TAG,
                                         MAPI_ATTACH_CONTENT_ID}))
        return;
    for (MapiProperty &prop : props) {
        if (prop.values.empty())
            continue;
        MapiValue &v = prop.values.front();
        switch (prop.name) {
        case MAPI_ATTACH_DATA_OBJ:
            file.len = v.len;
            file.data = std::move(v.buf);
            break;
        case MAPI_ATTACH_LONG_FILENAME:
            file.name = bytes_to_string(v.data(), v.len);
            break;
        case MAPI_ATTACH_MIME_TAG:
            file.mime_type = bytes_to_string(v.data(), v.len);
            break;
        case MAPI_ATTACH_CONTENT_ID:
            file.content_id = bytes_to_string(v.data(), v.len);
            break;
        default:
            break;
        }
    }
}

} // namespace

std::string bytes_to_string(const unsigned char *data, size_t len)
{
    const void *nul = len ? memchr(data, 0, len) : nullptr;
    const size_t n = nul ? static_cast<size_t>(static_cast<const unsigned char *>(nul) - data) : len;
    alloc_limit_assert("xstrdup", n);
    return std::string(reinterpret_cast<const char *>(data), n);
}

void file_add_attr(TnefAttachment &file, TnefAttribute &attr)
{
    switch (attr.name) {
    case attATTACHDATA:
        file.len = attr.len;
        file.data = std::move(attr.buf);
        break;
    case attATTACHTITLE:
        file.name = bytes_to_string(attr.buf.get(), attr.len);
        break;
    case attATTACHMODIFYDATE:
        // A date must be a date and hold all seven fields.
        if (attr.type != szDATE || !date_read(file.dt, attr.buf.get(), attr.len))
            fatal("Invalid attribute, input file may be corrupted\n");
        break;
    case attATTACHMENT:
        file_add_mapi_attrs(file, mapi_attr_read(attr.len, attr.buf.get()));
        break;
    default:
        break;
    }
}
