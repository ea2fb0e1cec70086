#pragma once

#include "core/message.h"

#include <string>
#include <vector>

// Moving whole puzzle records between collection files: import into the current
// collection and export of chosen puzzles into a new collection.
namespace vorlane {

// True when the two paths name the same file on disk (same device and inode, following
// links), or, when either does not exist, when they are equal after making them absolute
// and normal, so that two spellings of one file are recognised.
bool SameFile(const std::string& a, const std::string& b);

// One entry of a transfer window's list: a record's title and its record number.
struct TransferEntry {
    std::string Title;
    int Record = 0;
};

// Every record's title with its record number, in file order. A file that cannot be opened
// lists nothing; a damaged file throws IoError.
std::vector<TransferEntry> TransferList(const std::string& path);

enum class TransferOutcome { Done, CannotOpenSource, CannotOpenTarget, Full };

// Appends the records (in the order given) of source to the collection at target, which is
// created when it does not exist. CannotOpenTarget when it can be neither opened nor
// created; Full (nothing appended) when the target cannot take them all. The target either
// gains all of them or keeps what it held.
TransferOutcome ImportPuzzles(const std::string& source, const std::string& target,
                              const std::vector<int>& records);

// Writes the records (in the order given) of current into a new collection at target,
// replacing what it held. The new collection is built beside the target and renamed over
// it, so a failure part way leaves the old target whole instead of empty or half written.
TransferOutcome ExportPuzzles(const std::string& current, const std::string& target,
                              const std::vector<int>& records);

namespace transfer_messages {
Message NotValidVorlaneFile();
Message SameAsCurrentFile();
Message NoneSelectedForImport();
Message CannotImport();
Message NoneSelectedForExport();
Message CannotExport();
// The target collection would come to hold more puzzles than a collection can.
Message CollectionFull();
} // namespace transfer_messages

} // namespace vorlane
