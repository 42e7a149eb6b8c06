// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What ArchiveReader and the child process that reads the archive for it
// (ReaderChild) say to each other over a socket pair: messages of a
// 32-bit length and a payload of 64-bit numbers and byte strings. Plain
// C++ and system calls only: the child is a fork of a program with other
// threads and must not touch their locks.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct archive;
struct archive_entry;

namespace sw::readerwire {

// Commands to the child, one byte each, then a payload: the passphrase's
// bytes; for Go a number, 1 when the entries' data is wanted and 0 for
// headers only, then the number of entries granted; for More the number
// granted besides. After Go the child sends the entries granted, each
// followed by its data when wanted, and waits for More when it has sent
// them all; at the archive's end it sends End or Failed.
enum Command : char { Go = 'G', More = 'M', Passphrase = 'P' };
// What each message of the child is, its first number.
enum Message : int64_t { EntryMessage = 0, BlockMessage = 1, EndMessage = 2, FailedMessage = 3 };
// The child's answer to opening.
enum Opened : int64_t { Open = 0, NotOpen = 1, Unreadable = 2 };

class Payload
{
public:
    void number(int64_t value);
    void bytes(const void *data, size_t size);
    void text(const char *value);  // a null pointer as absent
    void raw(const std::string &encoded) { m_data += encoded; }  // what another Payload holds
    const std::string &data() const { return m_data; }

private:
    std::string m_data;
};

class Unpacker
{
public:
    explicit Unpacker(std::string_view data) : m_data(data) {}
    int64_t number();
    std::string bytes();
    // The bytes where they lie in the message.
    std::string_view view();
    // false once a read ran past the end (a message cut short).
    bool ok() const { return m_ok; }

private:
    std::string_view m_data;
    size_t m_at = 0;
    bool m_ok = true;
};

// The reader's state after each step, sent with every answer.
struct State
{
    int64_t format = 0;      // archive_format()
    int64_t encrypted = 0;   // archive_read_has_encrypted_entries()
    int64_t filters = 0;     // archive_filter_count()
    int64_t firstFilter = 0; // archive_filter_code(0)
    int64_t position = 0;    // bytes read from the file
    int64_t streamPosition = 0;  // bytes of the decompressed stream read
    std::string error;
};
void putState(Payload &out, archive *a);
State takeState(Unpacker &in);

// An entry's fields the extractor reads, and the offset of its header.
void putEntry(Payload &out, archive *a, archive_entry *entry);
// Fills entry (cleared first) and returns the header's offset.
int64_t takeEntry(Unpacker &in, archive_entry *entry);

// A whole message: its length, then the payload. False on a broken pipe.
bool send(int fd, const std::string &payload);

// Messages sent in batches: one send, and one wake-up of the reader, for
// many small ones. A batch goes out when it is big or has waited a little
// (so a reader that then loops in place has sent what came before), and
// on flush(), which a sender calls before it waits itself.
class Outbox
{
public:
    explicit Outbox(int fd) : m_fd(fd) {}
    // False on a broken pipe.
    bool post(const std::string &payload);
    bool flush();

private:
    int m_fd;
    std::string m_batch;
    int64_t m_since = 0;  // when the oldest message of the batch came, in ns
};
// Blocks until a whole message is read; false at the end of input.
bool receive(int fd, std::string &payload);

}  // namespace sw::readerwire
