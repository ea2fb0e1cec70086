#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Files opened for one command, and crash-safe changes to them. A rewrite goes to a new
// file beside the old one that is flushed and renamed over it; an in-place change of a
// region is preceded by a rollback journal. Every step that writes to the disk passes one
// hook, so tests can make it fail or stop the process there.
namespace vorlane {

enum class WriteStep { Create, Write, Truncate, Sync, SyncFolder, Rename, Remove };

// Called before every write-class step. Returns 0 to go on, or an errno value with which
// the step then fails (ENOSPC stands for a full disk). Tests install it; the program does not.
using WriteFaultHook = std::function<int(WriteStep)>;
void SetWriteFaultHook(WriteFaultHook hook);

// An open file descriptor, closed on destruction. Failures after opening throw IoError.
class File {
public:
    enum class Mode { ReadOnly, ReadWrite };

    // Opens an existing file; returns an unopened File (IsOpen() false) when that fails.
    static File Open(const std::string& path, Mode mode);
    // Creates the file empty (or truncates it); unopened when that fails.
    static File Create(const std::string& path);

    File() = default;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    bool IsOpen() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }

    std::uint64_t Size() const;
    // Reads exactly size bytes or throws "Read beyond end of file".
    void ReadAt(std::uint64_t offset, void* data, std::size_t size) const;
    // Reads up to size bytes; returns how many arrived (fewer only at the end of the file).
    std::size_t ReadSomeAt(std::uint64_t offset, void* data, std::size_t size) const;
    void WriteAt(std::uint64_t offset, const void* data, std::size_t size);
    // Copies length bytes of source from sourceOffset to offset in this file.
    void CopyFrom(const File& source, std::uint64_t sourceOffset, std::uint64_t length,
                  std::uint64_t offset);
    void Truncate(std::uint64_t length);
    void Sync();
    // Closes the descriptor; a failing close (a late write error) throws.
    void Close();

    // Takes ownership of an open descriptor.
    static File Adopt(int fd) { return File(fd); }

private:
    explicit File(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

// Flushes the folder that holds path, so a rename or removal in it survives a crash.
void SyncFolderOf(const std::string& path);
bool FileExists(const std::string& path);

// Writes a whole new content for path: writer fills a new file beside path, which is then
// flushed and renamed over path. Returns false when the new file cannot be created (nothing
// changed); throws IoError when a later step fails, leaving the old file whole and no new
// file behind. An existing file's permissions carry over to the new one.
bool AtomicRewrite(const std::string& path, const std::function<void(File&)>& writer);
// The new file beside path that a rewrite fills before renaming it over path.
std::string NewFilePath(const std::string& path);
bool AtomicWriteFile(const std::string& path, std::string_view bytes);

// The rollback journal of a file that is changed in place.
std::string JournalPath(const std::string& path);

// Writes data at offset of the open file (which may extend it) so that a crash at any
// point leaves either the old or the new content: the old length and the old bytes of the
// region go to the journal first. On a failure the old content is put back at once and
// IoError is thrown.
void JournaledWrite(const std::string& path, File& file, std::uint64_t offset,
                    std::string_view data);

// Puts back the old content of path when an unfinished journaled change was left behind,
// and removes the new file of a rewrite that never finished. A journal that was not
// completely written is discarded: the file was not yet touched.
// Returns true when a change was rolled back. Throws IoError when it cannot be done.
bool RecoverJournal(const std::string& path);

} // namespace vorlane
