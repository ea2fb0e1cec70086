#include "core/directories.h"

#include "core/random_source.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace vorlane {
namespace {

TEST(StartDirectoryTest, DropsTrailingSlashes) {
    const std::pair<const char*, const char*> cases[] = {
        {"/", ""},
        {"//", ""},
        {"/home/ann", "/home/ann"},
        {"/home/ann/", "/home/ann"},
        {"/home/ann//", "/home/ann"},
        {"", ""},
    };
    for (const auto& [cwd, expected] : cases)
        EXPECT_EQ(StartDirectory(cwd), expected) << cwd;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fake installation: <root>/prefix/bin/vorlane98 and <root>/prefix/share/vorlane98, plus a
// home folder. Nothing of the real environment is used.
class ProgramDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "dirs_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        m_bin = m_root + "/prefix/bin";
        m_share = m_root + "/prefix/share/vorlane98";
        m_exe = m_bin + "/vorlane98";
        fs::create_directories(m_bin);
        WriteBytes(m_exe, "");
        m_env.Home = m_root + "/home";
    }
    void TearDown() override {
        fs::permissions(m_bin, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_root);
    }

    void Install() {
        WriteBytes(m_share + "/VLFLAY.DAT", "shapes");
        WriteBytes(m_share + "/VLFPAGE.DAT", "pages");
        WriteBytes(m_share + "/BADLIST.TXT", "bad");
        WriteBytes(m_share + "/help/index.html", "help");
    }

    std::string m_root, m_bin, m_share, m_exe;
    ProgramEnvironment m_env;
};

TEST_F(ProgramDirectoryTest, EnvironmentVariableWins) {
    Install();
    WriteBytes(m_bin + "/VLFLAY.DAT", "");
    m_env.VorlaneProgramDir = m_root + "/chosen/";
    EXPECT_EQ(ProgramDirectory(m_exe, m_env), m_root + "/chosen");
    EXPECT_FALSE(fs::exists(m_env.Home));
}

TEST_F(ProgramDirectoryTest, BuildTreeUsesTheExecutablesFolder) {
    Install();
    for (const char* shipped : {"VLFLAY.DAT", "VLFPAGE.DAT"}) {
        fs::remove(m_bin + "/VLFLAY.DAT");
        fs::remove(m_bin + "/VLFPAGE.DAT");
        WriteBytes(m_bin + "/" + shipped, "");
        EXPECT_EQ(ProgramDirectory(m_exe, m_env), m_bin) << shipped;
    }
    EXPECT_FALSE(fs::exists(m_env.Home));
}

TEST_F(ProgramDirectoryTest, InstalledProgramGetsAUserFolderWithCopies) {
    Install();
    const std::string user = m_env.Home + "/.local/share/vorlane98";
    WriteBytes(user + "/VLFLAY.DAT", "the user's own shapes");

    EXPECT_EQ(ProgramDirectory(m_exe, m_env), user);
    EXPECT_EQ(ReadBytes(user + "/VLFLAY.DAT"), "the user's own shapes");
    EXPECT_EQ(ReadBytes(user + "/VLFPAGE.DAT"), "pages");
    EXPECT_EQ(ReadBytes(user + "/BADLIST.TXT"), "bad");
    EXPECT_EQ(ReadBytes(user + "/help/index.html"), "help");

    // XDG_DATA_HOME, when absolute, replaces ~/.local/share; a relative one does not count.
    m_env.XdgDataHome = m_root + "/data";
    EXPECT_EQ(ProgramDirectory(m_exe, m_env), m_root + "/data/vorlane98");
    EXPECT_EQ(ReadBytes(m_root + "/data/vorlane98/VLFLAY.DAT"), "shapes");
    m_env.XdgDataHome = "relative/data";
    EXPECT_EQ(ProgramDirectory(m_exe, m_env), user);
}

TEST_F(ProgramDirectoryTest, ReadOnlyExecutableFolderCountsAsInstalled) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    Install();
    WriteBytes(m_bin + "/VLFLAY.DAT", "");
    fs::permissions(m_bin, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(ProgramDirectory(m_exe, m_env), m_env.Home + "/.local/share/vorlane98");
}

TEST_F(ProgramDirectoryTest, WithoutShippedFilesOrInstallationTheExecutablesFolder) {
    EXPECT_EQ(ProgramDirectory(m_exe, m_env), m_bin);
    EXPECT_EQ(ProgramDirectory("/vorlane98", m_env), "");
}

TEST(ScaleFactorTest, WindowSizeNeedsAScreenThatLarge) {
    struct Case {
        int windowSize, width, height;
        double factor;
    };
    const Case cases[] = {
        {640, 640, 480, 1.0},    {800, 800, 600, 1.25},   {800, 799, 600, 1.0},
        {800, 800, 599, 1.0},    {1024, 1024, 768, 1.6},  {1024, 800, 600, 1.0},
        {1024, 1024, 767, 1.0},  {1280, 1280, 1024, 2.0}, {1280, 1280, 960, 1.0},
        {1280, 1920, 1080, 2.0}, {700, 1920, 1080, 1.0},  {0, 1920, 1080, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleFactor(c.windowSize, c.width, c.height), c.factor)
            << c.windowSize << " on " << c.width << "x" << c.height;
}

TEST(ScaledWindowRectTest, ScalesByWholeHundredthsAndCentres) {
    struct Case {
        int w, h;
        double factor;
        int screenW, screenH;
        WindowRect expected;
    };
    const Case cases[] = {
        {400, 300, 1.25, 1024, 768, {262, 196, 500, 375}},
        {400, 300, 1.0, 1024, 768, {312, 234, 400, 300}},
        {333, 101, 1.6, 1280, 1024, {373, 431, 533, 162}}, // 532.8 and 161.6 round
        {400, 300, 2.0, 1280, 1024, {240, 212, 800, 600}},
        {100, 100, 1.259, 800, 600, {337, 237, 125, 125}}, // only whole hundredths count
        {701, 501, 1.0, 640, 480, {-30, -10, 701, 501}},   // halves toward zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaledWindowRect(c.w, c.h, c.factor, c.screenW, c.screenH), c.expected)
            << c.w << "x" << c.h << " at " << c.factor;
}

TEST(RandomSourceTest, SameSeedSameNumbersWithinRange) {
    auto draw = [](RandomSource& r, std::int32_t n) {
        std::vector<std::int32_t> values;
        for (int i = 0; i < 2000; ++i)
            values.push_back(r.Random(n));
        return values;
    };
    RandomSource a(42), b(42), c(43);
    const std::vector<std::int32_t> first = draw(a, 26);
    EXPECT_EQ(first, draw(b, 26));
    EXPECT_NE(first, draw(c, 26));
    a.Reseed(42);
    EXPECT_EQ(draw(a, 26), first);

    for (std::int32_t n : {1, 2, 7, 26, 1000, 2147483647}) {
        std::set<std::int32_t> seen;
        for (std::int32_t v : draw(a, n)) {
            ASSERT_GE(v, 0) << n;
            ASSERT_LT(v, n) << n;
            seen.insert(v);
        }
        if (n <= 26) {
            EXPECT_EQ(seen.size(), static_cast<std::size_t>(n)) << n;
        }
    }
    EXPECT_EQ(a.Random(0), 0);
    EXPECT_EQ(a.Random(-5), 0);
    RandomSource clock = RandomSource::FromClock();
    EXPECT_LT(clock.Random(10), 10);
}

} // namespace
} // namespace vorlane
