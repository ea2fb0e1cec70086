#include "core/safe_file.h"

#include "core/io_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vorlane {

namespace {

WriteFaultHook& Hook() {
    static WriteFaultHook hook;
    return hook;
}

// Returns the errno with which the step must fail, or 0.
int Injected(WriteStep step) {
    const WriteFaultHook& hook = Hook();
    return hook ? hook(step) : 0;
}

void Check(WriteStep step) {
    if (int err = Injected(step))
        throw IoError::FromErrno(err);
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

void RemoveChecked(const std::string& path) {
    Check(WriteStep::Remove);
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw IoError::FromErrno(errno);
}

// Once the change is in place, a folder that cannot be flushed no longer makes it a failure:
// the new content is what every reader sees.
void SyncFolderAfterCommit(const std::string& path) {
    try {
        SyncFolderOf(path);
    } catch (const IoError&) {
    }
}

} // namespace

void SetWriteFaultHook(WriteFaultHook hook) {
    Hook() = std::move(hook);
}

File File::Open(const std::string& path, Mode mode) {
    int flags = (mode == Mode::ReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    int fd = ::open(path.c_str(), flags);
    if (fd >= 0) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
            ::close(fd);
            return File();
        }
    }
    return File(fd);
}

File File::Create(const std::string& path) {
    if (int err = Injected(WriteStep::Create)) {
        errno = err;
        return File();
    }
    return File(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

File::File(File&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

File::~File() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::uint64_t File::Size() const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        throw IoError::FromErrno(errno);
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t File::ReadSomeAt(std::uint64_t offset, void* data, std::size_t size) const {
    auto* out = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(m_fd, out + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError::FromErrno(errno);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void File::ReadAt(std::uint64_t offset, void* data, std::size_t size) const {
    if (ReadSomeAt(offset, data, size) != size)
        throw IoError::ReadBeyondEnd();
}

void File::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    Check(WriteStep::Write);
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pwrite(m_fd, in + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw IoError::FromErrno(errno);
        }
        if (n == 0)
            throw IoError::FromErrno(ENOSPC);
        done += static_cast<std::size_t>(n);
    }
}

void File::CopyFrom(const File& source, std::uint64_t sourceOffset, std::uint64_t length,
                    std::uint64_t offset) {
    Check(WriteStep::Write);
    auto in = static_cast<off_t>(sourceOffset);
    auto out = static_cast<off_t>(offset);
    std::uint64_t left = length;
    // The kernel copies without passing the bytes through this process where it can.
    while (left > 0) {
        ssize_t n = ::copy_file_range(source.m_fd, &in, m_fd, &out, left, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                throw IoError::ReadBeyondEnd();
            if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
                throw IoError::FromErrno(errno);
            break; // fall back to plain reads and writes below
        }
        left -= static_cast<std::uint64_t>(n);
    }
    std::vector<char> buffer;
    while (left > 0) {
        if (buffer.empty())
            buffer.resize(1 << 20);
        std::size_t chunk = left < buffer.size() ? static_cast<std::size_t>(left) : buffer.size();
        source.ReadAt(static_cast<std::uint64_t>(in), buffer.data(), chunk);
        WriteAt(static_cast<std::uint64_t>(out), buffer.data(), chunk);
        in += static_cast<off_t>(chunk);
        out += static_cast<off_t>(chunk);
        left -= chunk;
    }
}

void File::Truncate(std::uint64_t length) {
    Check(WriteStep::Truncate);
    if (::ftruncate(m_fd, static_cast<off_t>(length)) != 0)
        throw IoError::FromErrno(errno);
}

void File::Sync() {
    Check(WriteStep::Sync);
    if (::fsync(m_fd) != 0)
        throw IoError::FromErrno(errno);
}

void File::Close() {
    int fd = std::exchange(m_fd, -1);
    if (fd >= 0 && ::close(fd) != 0 && errno != EINTR)
        throw IoError::FromErrno(errno);
}

void SyncFolderOf(const std::string& path) {
    Check(WriteStep::SyncFolder);
    int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw IoError::FromErrno(errno);
    int rc = ::fsync(fd);
    int err = errno;
    ::close(fd);
    // Some file systems cannot flush a folder; the rename itself is then all there is.
    if (rc != 0 && err != EINVAL && err != ENOTSUP)
        throw IoError::FromErrno(err);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string NewFilePath(const std::string& path) {
    return path + "-new";
}

bool AtomicRewrite(const std::string& path, const std::function<void(File&)>& writer) {
    if (int err = Injected(WriteStep::Create)) {
        errno = err;
        return false;
    }
    const std::string temp = NewFilePath(path);
    struct stat st {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    File out = File::Adopt(::open(temp.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (!out.IsOpen())
        return false;
    try {
        ::fchmod(out.Descriptor(), mode);
        writer(out);
        out.Sync();
        out.Close();
        Check(WriteStep::Rename);
        if (::rename(temp.c_str(), path.c_str()) != 0)
            throw IoError::FromErrno(errno);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    SyncFolderAfterCommit(path);
    return true;
}

bool AtomicWriteFile(const std::string& path, std::string_view bytes) {
    return AtomicRewrite(path, [&](File& out) {
        if (!bytes.empty())
            out.WriteAt(0, bytes.data(), bytes.size());
    });
}

// Journal layout: magic, old file length, region offset, region length, region bytes, and
// an FNV-1a checksum over everything before it. A journal that does not check out was torn
// while it was written, before the file itself was touched.
namespace {

constexpr char kJournalMagic[8] = {'V', 'L', 'J', 'R', 'N', 'L', '0', '1'};
constexpr std::size_t kJournalHeader = 8 + 3 * 8;

std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t h = 1469598103934665603ULL;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

void PutU64(std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t GetU64(std::string_view in, std::size_t at) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    return v;
}

struct Journal {
    std::uint64_t oldLength = 0;
    std::uint64_t offset = 0;
    std::string region;
};

void PutBack(File& file, const Journal& journal) {
    if (!journal.region.empty())
        file.WriteAt(journal.offset, journal.region.data(), journal.region.size());
    file.Truncate(journal.oldLength);
    file.Sync();
}

} // namespace

std::string JournalPath(const std::string& path) {
    return path + "-journal";
}

void JournaledWrite(const std::string& path, File& file, std::uint64_t offset,
                    std::string_view data) {
    Journal journal;
    journal.oldLength = file.Size();
    if (journal.oldLength > offset) {
        std::uint64_t overlap = journal.oldLength - offset;
        std::size_t size = overlap < data.size() ? static_cast<std::size_t>(overlap) : data.size();
        journal.region.resize(size);
        file.ReadAt(offset, journal.region.data(), size);
    }
    journal.offset = offset;

    std::string bytes(kJournalMagic, sizeof kJournalMagic);
    PutU64(bytes, journal.oldLength);
    PutU64(bytes, journal.offset);
    PutU64(bytes, journal.region.size());
    bytes += journal.region;
    PutU64(bytes, Fnv1a(bytes));

    const std::string journalPath = JournalPath(path);
    {
        File out = File::Create(journalPath);
        if (!out.IsOpen())
            throw IoError::FromErrno(errno);
        try {
            out.WriteAt(0, bytes.data(), bytes.size());
            out.Sync();
            out.Close();
            SyncFolderOf(journalPath);
        } catch (...) {
            ::unlink(journalPath.c_str());
            throw;
        }
    }

    try {
        file.WriteAt(offset, data.data(), data.size());
        file.Sync();
        RemoveChecked(journalPath);
    } catch (...) {
        // Put the old content back now; if even that fails the journal stays, and the
        // next command that opens the file finishes the rollback.
        try {
            PutBack(file, journal);
            RemoveChecked(journalPath);
        } catch (...) {
        }
        throw;
    }
    SyncFolderAfterCommit(journalPath);
}

bool RecoverJournal(const std::string& path) {
    // A new file that was never renamed into place is what a rewrite left when it died.
    const std::string stale = NewFilePath(path);
    if (FileExists(stale))
        RemoveChecked(stale);
    const std::string journalPath = JournalPath(path);
    File in = File::Open(journalPath, File::Mode::ReadOnly);
    if (!in.IsOpen())
        return false;
    std::string bytes(static_cast<std::size_t>(in.Size()), '\0');
    bytes.resize(in.ReadSomeAt(0, bytes.data(), bytes.size()));
    in.Close();

    bool valid = bytes.size() >= kJournalHeader + 8 &&
                 std::memcmp(bytes.data(), kJournalMagic, sizeof kJournalMagic) == 0;
    Journal journal;
    if (valid) {
        journal.oldLength = GetU64(bytes, 8);
        journal.offset = GetU64(bytes, 16);
        std::uint64_t regionSize = GetU64(bytes, 24);
        valid = regionSize == bytes.size() - kJournalHeader - 8 &&
                GetU64(bytes, bytes.size() - 8) ==
                    Fnv1a(std::string_view(bytes).substr(0, bytes.size() - 8));
        // The saved region always lies inside the old length; a journal saying otherwise
        // was not written by this program and is not acted on.
        valid = valid && journal.offset <= journal.oldLength &&
                regionSize <= journal.oldLength - journal.offset;
        if (valid)
            journal.region = bytes.substr(kJournalHeader, static_cast<std::size_t>(regionSize));
    }
    if (valid) {
        File file = File::Open(path, File::Mode::ReadWrite);
        if (!file.IsOpen() && journal.oldLength == 0)
            file = File::Create(path);
        // A change only ever lengthens the file or keeps its length, so a file shorter than
        // its old length is not the one the journal was written for: leave it alone.
        if (file.IsOpen() && file.Size() >= journal.oldLength)
            PutBack(file, journal);
        else
            valid = false;
        if (file.IsOpen())
            file.Close();
    }
    RemoveChecked(journalPath);
    SyncFolderOf(journalPath);
    return valid;
}

} // namespace vorlane
