// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/names.h"

#include <cstdio>

namespace {

struct name_row {
    uint16_t value;
    const char *name;
};

// Attribute IDs; two attributes share 0x0006 and the first row answers.
const name_row kTnefNames[] = {
    {0x0000, "Owner"},
    {0x0001, "Sent For"},
    {0x0002, "Delegate"},
    {0x0006, "Date Start"},
    {0x0007, "Date End"},
    {0x0008, "Owner Appointment ID"},
    {0x0009, "Response Requested"},
    {0x8000, "From"},
    {0x8004, "Subject"},
    {0x8005, "Date Sent"},
    {0x8006, "Date Received"},
    {0x8007, "Message Status"},
    {0x8008, "Message Class"},
    {0x8009, "Message ID"},
    {0x800A, "Parent ID"},
    {0x800B, "Conversation ID"},
    {0x800C, "Body"},
    {0x800D, "Priority"},
    {0x800F, "Attachment Data"},
    {0x8010, "Attachment File Name"},
    {0x8011, "Attachment Meta File"},
    {0x8012, "Attachment Creation Date"},
    {0x8013, "Attachment Modification Date"},
    {0x8020, "Date Modified"},
    {0x9001, "Attachment Transport File Name"},
    {0x9002, "Attachment Rendering Data"},
    {0x9003, "MAPI Properties"},
    {0x9004, "Recipients Table"},
    {0x9005, "Attachment"},
    {0x9006, "TNEF Version"},
    {0x9007, "OEM Codepage"},
    {0x0006, "Original Message Class"},
};

const name_row kTnefTypes[] = {
    {0x0000, "triples"}, {0x0001, "string"}, {0x0002, "text"}, {0x0003, "date"}, {0x0004, "short"},
    {0x0005, "long"},    {0x0006, "byte"},   {0x0007, "word"}, {0x0008, "dword"}, {0x0009, "max"},
};

const name_row kMapiTypes[] = {
    {0x0000, "MAPI unspecified"},
    {0x0001, "MAPI null property"},
    {0x0002, "MAPI short (signed 16 bits)"},
    {0x0003, "MAPI integer (signed 32 bits)"},
    {0x0004, "MAPI float (4 byte float)"},
    {0x0005, "MAPI double"},
    {0x0006, "MAPI currency (64 bits)"},
    {0x0007, "MAPI application time"},
    {0x000A, "MAPI error (32 bits)"},
    {0x000B, "MAPI boolean (16 bits)"},
    {0x000D, "MAPI embedded object"},
    {0x0014, "MAPI 8 byte signed int"},
    {0x001E, "MAPI string"},
    {0x001F, "MAPI unicode-string (null terminated)"},
    {0x0040, "MAPI time (64 bits)"},
    {0x0048, "MAPI OLE GUID"},
    {0x0102, "MAPI binary"},
};

// Each caller passes its own buffer, so one printf may show several names.
template <size_t N>
const char *lookup(const name_row (&table)[N], uint16_t value, char (&buf)[128])
{
    for (const name_row &row : table) {
        if (row.value == value) {
            snprintf(buf, sizeof buf, "%s <%04x>", row.name, value);
            return buf;
        }
    }
    snprintf(buf, sizeof buf, "%04x", value);
    return buf;
}

} // namespace

const char *get_tnef_name_str(uint16_t id)
{
    static char buf[128];
    return lookup(kTnefNames, id, buf);
}

const char *get_tnef_type_str(uint16_t type)
{
    static char buf[128];
    return lookup(kTnefTypes, type, buf);
}

const char *get_mapi_type_str(uint16_t type)
{
    static char buf[128];
    return lookup(kMapiTypes, type, buf);
}
