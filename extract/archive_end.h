#pragma once

#include <string>

// How a RAR volume ends, told from its block headers alone.
//
// The library's classic interface reports the end of the archive when the
// next header cannot be read, so a file cut between two entries or inside a
// header ends the header loop as a whole archive would. Walking the block
// chain tells the two apart: a whole volume's last block is complete and, in
// the RAR 5 format, is the end-of-archive block. RAR 1.5 to 4 could leave that
// block out, so there a chain that ends exactly at the file's end is whole.
enum class ArchiveEnd {
    Complete,
    Cut,
    // No signature where one is looked for, or encrypted headers: the chain
    // cannot be walked and the library's word stands.
    LeftToLibrary,
};

// Reads only block headers, seeking over the data; never decompresses.
ArchiveEnd archiveEndOf(const std::string &volumePath);
