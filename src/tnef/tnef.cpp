// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/tnef.h"

#include "tnef/attr.h"
#include "tnef/body.h"
#include "tnef/decode_error.h"
#include "tnef/file.h"
#include "tnef/input.h"
#include "tnef/mapi_attr.h"
#include "tnef/write.h"

#include <new>
#include <optional>

unsigned int g_flags = 0;

namespace {

constexpr uint32_t kTnefSignature = 0x223E9F78;

struct decode_state {
    const char *directory;
    std::optional<TnefAttachment> file; // the open attachment
    tnef_bodies bodies;
};

void handle_message_attr(decode_state &state, TnefAttribute &attr)
{
    if (attr.name == attBODY) {
        state.bodies.text.clear();
        state.bodies.text.push_back(BodyPart{attr.len, std::move(attr.buf)});
    } else if (attr.name == attMAPIPROPS) {
        bodies_add_mapi_attrs(state.bodies, mapi_attr_read(attr.len, attr.buf.get()));
    }
}

void start_attachment(decode_state &state)
{
    if (state.file)
        file_write(*state.file, state.directory);
    state.file.emplace();
}

// Runs the attribute loop; 1 for an invalid level, else 0.
int decode_attributes(tnef_input &in, decode_state &state)
{
    while (input_data_left(in)) {
        std::optional<TnefAttribute> attr = read_attribute(in);
        if (!attr)
            break;
        if (attr->name == attATTACHRENDDATA)
            start_attachment(state);
        if (attr->lvl_type == LVL_ATTACHMENT) {
            if (state.file)
                file_add_attr(*state.file, *attr);
        } else if (attr->lvl_type == LVL_MESSAGE) {
            handle_message_attr(state, *attr);
        } else {
            fprintf(stderr, "Invalid lvl type on attribute: %d\n", attr->lvl_type);
            return 1;
        }
    }
    return 0;
}

int decode(FILE *input, const char *directory, const char *body_filename, const char *body_pref)
{
    tnef_input in = input_open(input);
    unsigned char sig[4];
    if (!input_read(in, sig, sizeof sig) || get_u32(sig) != kTnefSignature) {
        printf("Seems not to be a TNEF file\n");
        return 1;
    }
    const uint16_t key = input_u16(in);
    if (flag_set(OPT_DEBUG))
        printf("TNEF Key: %hx\n", key);
    decode_state state{directory, std::nullopt, {}};
    if (decode_attributes(in, state) != 0)
        return 1;
    if (state.file)
        file_write(*state.file, directory);
    if (flag_set(OPT_SAVE_BODIES))
        save_bodies(state.bodies, directory, body_filename ? body_filename : "MailBody", body_pref);
    return 0;
}

} // namespace

int parse_file(FILE *input, const char *directory, const char *body_filename, const char *body_pref,
               unsigned int options)
{
    g_flags = options;
    try {
        return decode(input, directory, body_filename, body_pref);
    } catch (const decode_error &) {
        return TNEF_FATAL;
    } catch (const std::bad_alloc &) {
        fputs("xmalloc: Memory allocation failure\n", stderr);
        return TNEF_FATAL;
    } catch (...) {
        return TNEF_FATAL;
    }
}
