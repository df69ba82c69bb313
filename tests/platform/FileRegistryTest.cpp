#include "platform/linux/FileRegistry.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <linux/capability.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "TemporaryDirectory.h"
#include "platform/RegistryError.h"
#include "sensors/Utf8.h"

namespace cdx {
namespace {

using test::readWholeFile;
using test::TemporaryDirectory;
using test::writeWholeFile;

const std::string settingsKey = "Software\\Caldrix";
const std::string header = "Windows Registry Editor Version 5.00\n\n";

class FileRegistryTest : public ::testing::Test {
protected:
    std::string userFile() const { return m_folder.file("caldrix/HKEY_CURRENT_USER.reg"); }
    std::string configDirectory() const { return m_folder.file("caldrix"); }

    std::vector<std::string> corruptCopies() const
    {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(configDirectory())) {
            if (entry.path().filename().string().find(".corrupt-") != std::string::npos) {
                found.push_back(entry.path().string());
            }
        }
        return found;
    }

    TemporaryDirectory m_folder;
    std::ostringstream m_notices;
};

TEST_F(FileRegistryTest, EveryKindIsStoredAndReadBackByAnotherInstance)
{
    {
        FileRegistry registry(configDirectory(), m_notices);
        bool existed = true;
        auto key = registry.openKey(RootKey::CurrentUser, settingsKey, true, &existed);
        ASSERT_NE(key, nullptr);
        EXPECT_FALSE(existed);
        key->writeDword("Interval", 1);
        key->writeDword("INTERVAL", 5000); // keeps its first spelling
        key->writeBinary("Offset", {0, 0, 0, 0, 0, 0, 0xF0, 0x3F});
        key->writeString("Fan 1 Name", "Lüfter \"1\" C:\\Programme");
        key->writeString("Two Lines", "a\nb");
        EXPECT_EQ(key->readValue("interval"), RegistryValue::fromDword(5000)) << "reads see what is not stored yet";
        key->close();
        key->close();
    }
    const std::string text = readWholeFile(userFile());
    EXPECT_EQ(text.rfind(header + "[HKEY_CURRENT_USER\\Software\\Caldrix]\n", 0), 0u) << text;
    EXPECT_NE(text.find("\"Interval\"=dword:00001388\n"), std::string::npos);
    EXPECT_NE(text.find("\"Offset\"=hex:00,00,00,00,00,00,f0,3f\n"), std::string::npos);

    FileRegistry again(configDirectory(), m_notices);
    bool existed = false;
    auto key = again.openKey(RootKey::CurrentUser, "software\\CALDRIX", false, &existed);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(existed);
    EXPECT_EQ(key->readValue("INTERVAL"), RegistryValue::fromDword(5000));
    EXPECT_EQ(key->readValue("offset"), RegistryValue::fromBinary({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(key->readValue("Fan 1 Name"), RegistryValue::fromString("Lüfter \"1\" C:\\Programme"));
    EXPECT_EQ(key->readValue("two lines"), RegistryValue::fromString("a\nb"));
    EXPECT_EQ(m_notices.str(), "");
}

TEST_F(FileRegistryTest, MissingKeysAndValuesAndDeletedKeys)
{
    FileRegistry registry(configDirectory(), m_notices);
    bool existed = true;
    EXPECT_EQ(registry.openKey(RootKey::CurrentUser, settingsKey, false, &existed), nullptr);
    EXPECT_FALSE(existed);
    EXPECT_FALSE(std::filesystem::exists(configDirectory())) << "looking creates nothing";
    EXPECT_FALSE(registry.deleteKey(RootKey::CurrentUser, settingsKey));

    auto key = registry.openKey(RootKey::CurrentUser, settingsKey, true);
    EXPECT_TRUE(std::filesystem::exists(userFile())) << "a created key is stored at once";
    EXPECT_EQ(key->readValue("Interval"), std::nullopt);
    EXPECT_FALSE(key->deleteValue("Interval"));
    key->writeString("Name", "x");
    key->close();
    EXPECT_TRUE(key->deleteValue("NAME"));
    EXPECT_EQ(key->readValue("name"), std::nullopt);
    key->close();
    FileRegistry other(configDirectory(), m_notices);
    EXPECT_EQ(other.openKey(RootKey::CurrentUser, settingsKey, false)->readValue("Name"), std::nullopt);
    EXPECT_EQ(other.openKey(RootKey::LocalMachine, settingsKey, false), nullptr) << "the roots are apart";

    // Deleting a key takes its subkeys.
    EXPECT_TRUE(registry.deleteKey(RootKey::CurrentUser, settingsKey));
    registry.openKey(RootKey::CurrentUser, settingsKey + "\\Sub\\Deeper", true)->writeDword("A", 1);
    registry.openKey(RootKey::CurrentUser, "Software\\CaldrixOther", true)->writeDword("B", 2);
    EXPECT_NE(registry.openKey(RootKey::CurrentUser, settingsKey, false), nullptr) << "a parent exists";
    EXPECT_TRUE(registry.deleteKey(RootKey::CurrentUser, "SOFTWARE\\caldrix"));
    EXPECT_EQ(registry.openKey(RootKey::CurrentUser, settingsKey + "\\Sub\\Deeper", false), nullptr);
    EXPECT_NE(registry.openKey(RootKey::CurrentUser, "Software\\CaldrixOther", false), nullptr);
    EXPECT_FALSE(registry.deleteKey(RootKey::CurrentUser, settingsKey));
    EXPECT_THROW(registry.deleteKey(RootKey::CurrentUser, ""), RegistryError);
    EXPECT_THROW(registry.openKey(RootKey::CurrentUser, "Software\\\\Caldrix", true), RegistryError);
}

TEST_F(FileRegistryTest, BadNamesAndTextsAreRefusedWithoutLosingEarlierWrites)
{
    FileRegistry registry(configDirectory(), m_notices);
    {
        auto key = registry.openKey(RootKey::CurrentUser, settingsKey, true);
        key->writeDword("Before", 1);
        EXPECT_THROW(key->writeDword("Bad\nName", 1), RegistryError);
        EXPECT_THROW(key->writeString("Text", "\xC3"), RegistryError);
        EXPECT_THROW(key->writeBinary("Huge", std::vector<std::uint8_t>(RegistryDocument::maxFileSize)), RegistryError);
    }
    FileRegistry other(configDirectory(), m_notices);
    EXPECT_EQ(other.openKey(RootKey::CurrentUser, settingsKey, false)->readValue("before"),
              RegistryValue::fromDword(1));
}

TEST_F(FileRegistryTest, AStoreThatWouldOutgrowTheLimitFailsAndLeavesTheFile)
{
    FileRegistry registry(configDirectory(), m_notices);
    registry.openKey(RootKey::CurrentUser, settingsKey, true)->writeDword("Kept", 7);
    const std::string before = readWholeFile(userFile());
    const auto fill = [](auto& key) {
        for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
            key.writeBinary(name, std::vector<std::uint8_t>(RegistryDocument::maxValueSize));
        }
    };
    auto key = registry.openKey(RootKey::CurrentUser, settingsKey, true);
    fill(*key);
    EXPECT_THROW(key->writeBinary("G", std::vector<std::uint8_t>(RegistryDocument::maxValueSize + 1)), RegistryError);
    EXPECT_THROW(key->close(), RegistryError);
    EXPECT_EQ(readWholeFile(userFile()), before);
    key->discard();
    EXPECT_NO_THROW(key->close());
    EXPECT_EQ(readWholeFile(userFile()), before);

    // Left to the destructor, the failure is told, not thrown.
    fill(*registry.openKey(RootKey::CurrentUser, settingsKey, true));
    EXPECT_NE(m_notices.str().find("not stored"), std::string::npos);
    EXPECT_EQ(readWholeFile(userFile()), before);
}

TEST_F(FileRegistryTest, ADamagedFileKeepsEveryValueThatParses)
{
    // A Latin-1 byte, a bad escape, a cut dword and a value over the size
    // limit: each costs its own line only.
    std::filesystem::create_directories(configDirectory());
    const std::string damaged = header +                                   // lines 1-2
                                "[HKEY_CURRENT_USER\\Software\\Caldrix]\n" // 3
                                "\"Interval\"=dword:00001388\n"            // 4
                                "\"Fan 1 Name\"=\"L\xFC"
                                "fter\"\n"                  // 5: Latin-1
                                "\"Path\"=\"C:\\\\x\\q\"\n" // 6: bad escape
                                "\"Cut\"=dword:000013\n"    // 7
                                "\"MB Alarm Path\"=\"" +
                                std::string(RegistryDocument::maxValueSize + 1, 'a') +
                                "\"\n"                               // 8
                                "\"Offset\"=hex:00,00,\\\n  00,00\n" // 9-10
                                "\"Name\"=\"Mainboard\"\n";          // 11
    writeWholeFile(userFile(), damaged);
    FileRegistry registry(configDirectory(), m_notices);
    auto key = registry.openKey(RootKey::CurrentUser, settingsKey, false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readValue("Interval"), RegistryValue::fromDword(5000));
    EXPECT_EQ(key->readValue("Offset"), RegistryValue::fromBinary({0, 0, 0, 0}));
    EXPECT_EQ(key->readValue("Name"), RegistryValue::fromString("Mainboard"));
    for (const char* lost : {"Fan 1 Name", "Path", "Cut", "MB Alarm Path"}) {
        EXPECT_FALSE(key->readValue(lost).has_value()) << lost;
    }
    const std::string notices = m_notices.str();
    for (const char* line : {"line 5 ", "line 6 ", "line 7 ", "line 8 "}) {
        EXPECT_NE(notices.find(line), std::string::npos) << line << " in " << notices;
    }
    EXPECT_NE(notices.find("3 values"), std::string::npos) << notices;

    // The original stays aside whole; the file holds what was kept.
    const auto copies = corruptCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(readWholeFile(copies[0]), damaged);
    EXPECT_NE(notices.find(copies[0]), std::string::npos);
    FileRegistry other(configDirectory(), m_notices);
    EXPECT_EQ(other.openKey(RootKey::CurrentUser, settingsKey, false)->readValue("Name"),
              RegistryValue::fromString("Mainboard"));
    EXPECT_EQ(corruptCopies().size(), 1u);
}

TEST_F(FileRegistryTest, AFileThatIsNoExportIsMovedAsideAndNeverOverwritten)
{
    std::filesystem::create_directories(configDirectory());
    const std::string damaged = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Caldrix]\n\"Interval\"=dword:00001388\n";
    writeWholeFile(userFile(), damaged);
    FileRegistry registry(configDirectory(), m_notices);
    bool existed = true;
    EXPECT_EQ(registry.openKey(RootKey::CurrentUser, settingsKey, false, &existed), nullptr);
    EXPECT_FALSE(existed) << "the root key goes on empty";

    const auto copies = corruptCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(readWholeFile(copies[0]), damaged);
    EXPECT_NE(copies[0].find("HKEY_CURRENT_USER.reg.corrupt-20"), std::string::npos) << copies[0];
    const std::string notice = m_notices.str();
    EXPECT_EQ(std::count(notice.begin(), notice.end(), '\n'), 1) << notice;
    EXPECT_NE(notice.find(userFile()), std::string::npos) << notice;
    EXPECT_NE(notice.find(copies[0]), std::string::npos) << notice;

    registry.openKey(RootKey::CurrentUser, settingsKey, true)->writeDword("Interval", 1);
    EXPECT_EQ(readWholeFile(copies[0]), damaged);

    // Damage found while storing is moved aside as well, a second copy beside the first.
    writeWholeFile(userFile(), "not a registry file\n");
    registry.openKey(RootKey::CurrentUser, settingsKey, true)->writeDword("Interval", 2);
    EXPECT_EQ(corruptCopies().size(), 2u);
    FileRegistry other(configDirectory(), m_notices);
    EXPECT_EQ(other.openKey(RootKey::CurrentUser, settingsKey, false)->readValue("Interval"),
              RegistryValue::fromDword(2));

    // So is a file over the size limit.
    writeWholeFile(userFile(), header + std::string(RegistryDocument::maxFileSize, '\n'));
    FileRegistry oversized(configDirectory(), m_notices);
    EXPECT_EQ(oversized.openKey(RootKey::CurrentUser, settingsKey, false), nullptr);
    EXPECT_EQ(corruptCopies().size(), 3u);
    EXPECT_NE(m_notices.str().find("16 MiB"), std::string::npos);
}

TEST_F(FileRegistryTest, AWindowsRegistryEditorExportIsReadWhole)
{
    // UTF-16LE with its byte-order mark and CR LF line ends, as the registry
    // editor saves a key (the kinds of value are the document's own test).
    const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Caldrix]\r\n"
                             "\"Interval\"=dword:00001388\r\n"
                             "\"Fan 2 Name\"=\"Rear \u00b0 \U0001F525\"\r\n\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const std::uint8_t byte : utf8ToUtf16Le(text)) {
        utf16 += static_cast<char>(byte);
    }
    std::filesystem::create_directories(configDirectory());
    writeWholeFile(userFile(), utf16);
    FileRegistry registry(configDirectory(), m_notices);
    {
        auto key = registry.openKey(RootKey::CurrentUser, settingsKey, false);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->readValue("Interval"), RegistryValue::fromDword(5000));
        EXPECT_EQ(key->readValue("Fan 2 Name"), RegistryValue::fromString("Rear ° 🔥"));
        key->writeDword("Interval", 1000);
    }
    EXPECT_TRUE(m_notices.str().empty()) << m_notices.str();
    EXPECT_TRUE(corruptCopies().empty());
    // Stored again, it is UTF-8 with every value.
    const std::string stored = readWholeFile(userFile());
    EXPECT_TRUE(stored.starts_with("Windows Registry Editor Version 5.00\n"));
    FileRegistry other(configDirectory(), m_notices);
    EXPECT_EQ(other.openKey(RootKey::CurrentUser, settingsKey, false)->readValue("Fan 2 Name"),
              RegistryValue::fromString("Rear ° 🔥"));
}

TEST_F(FileRegistryTest, TemporariesOfAKilledSaveGoAtTheNextStartAndNothingElse)
{
    std::filesystem::create_directories(configDirectory());
    const std::string stale = configDirectory() + "/HKEY_CURRENT_USER.reg.a1B2c3";
    const std::string staleMachine = configDirectory() + "/HKEY_LOCAL_MACHINE.reg.Zz9Yy8";
    const std::vector<std::string> foreign = {
        configDirectory() + "/HKEY_CURRENT_USER.reg.a1B2c",     // too short
        configDirectory() + "/HKEY_CURRENT_USER.reg.a1B2c3d",   // too long
        configDirectory() + "/HKEY_CURRENT_USER.reg.a1B-c3",    // not our letters
        configDirectory() + "/HKEY_CURRENT_USER.reg.corrupt-1", // a copy kept aside
        configDirectory() + "/HKEY_CLASSES_ROOT.reg.a1B2c3",    // not one of our roots
        configDirectory() + "/notes.txt",
    };
    for (const std::string& path : foreign) {
        writeWholeFile(path, "keep");
    }
    writeWholeFile(stale, header);
    writeWholeFile(staleMachine, header);
    // A link of the right name is not followed, nor is its target removed.
    const std::string target = m_folder.file("target.txt");
    writeWholeFile(target, "keep");
    const std::string link = configDirectory() + "/HKEY_CURRENT_USER.reg.L1nk00";
    std::filesystem::create_symlink(target, link);
    const std::string folder = configDirectory() + "/HKEY_CURRENT_USER.reg.D1r000";
    std::filesystem::create_directory(folder);

    FileRegistry registry(configDirectory(), m_notices);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_FALSE(std::filesystem::exists(staleMachine));
    for (const std::string& path : foreign) {
        EXPECT_EQ(readWholeFile(path), "keep") << path;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readWholeFile(target), "keep");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_NE(m_notices.str().find(stale), std::string::npos);
}

TEST_F(FileRegistryTest, TwoWritersOneAfterTheOtherLoseNothing)
{
    FileRegistry first(configDirectory(), m_notices);
    FileRegistry second(configDirectory(), m_notices);
    first.openKey(RootKey::CurrentUser, settingsKey, true)->writeDword("Shared", 1);
    auto a = first.openKey(RootKey::CurrentUser, settingsKey, true);
    auto b = second.openKey(RootKey::CurrentUser, settingsKey, true);
    a->writeDword("From A", 1);
    a->deleteValue("Shared");
    b->writeDword("From B", 2);
    a->close();
    b->close();
    EXPECT_EQ(b->readValue("from a"), RegistryValue::fromDword(1)) << "a store brings in the other's values";
    EXPECT_EQ(b->readValue("shared"), std::nullopt);
    EXPECT_EQ(a->readValue("from b"), RegistryValue::fromDword(2)) << "reads follow the file when it changes";
    EXPECT_TRUE(second.deleteKey(RootKey::CurrentUser, settingsKey));
    a->writeDword("After", 3);
    a->close();
    EXPECT_EQ(b->readValue("After"), RegistryValue::fromDword(3)) << "writing brings a deleted key back";
}

TEST_F(FileRegistryTest, ProcessesWritingAtTheSameTimeLoseNothing)
{
    constexpr int processes = 4;
    constexpr int rounds = 25;
    std::vector<pid_t> children;
    for (int p = 0; p < processes; ++p) {
        children.push_back(test::startChild([&] {
            FileRegistry registry(configDirectory(), m_notices);
            for (int r = 0; r < rounds; ++r) {
                auto key = registry.openKey(RootKey::CurrentUser, settingsKey, true);
                key->writeDword(std::string("P").append(std::to_string(p)).append(" R").append(std::to_string(r)),
                                static_cast<std::uint32_t>(r));
                key->close();
            }
            return 0;
        }));
    }
    for (pid_t child : children) {
        EXPECT_EQ(test::waitForChild(child), 0);
    }
    FileRegistry registry(configDirectory(), m_notices);
    auto key = registry.openKey(RootKey::CurrentUser, settingsKey, false);
    ASSERT_NE(key, nullptr);
    for (int p = 0; p < processes; ++p) {
        for (int r = 0; r < rounds; ++r) {
            EXPECT_EQ(key->readValue(std::string("p").append(std::to_string(p)).append(" r").append(std::to_string(r))),
                      RegistryValue::fromDword(static_cast<std::uint32_t>(r)));
        }
    }
    EXPECT_TRUE(corruptCopies().empty());
}

TEST_F(FileRegistryTest, FilesAreForTheOwnerOnlyAndUnknownValuesSurvive)
{
    std::filesystem::create_directories(configDirectory());
    writeWholeFile(userFile(), header + "[HKEY_CURRENT_USER\\Software\\Caldrix]\n"
                                        "\"Multi\"=hex(7):61,00,00,00,00,00\n"
                                        "\"Path\"=hex(2):25,00,00,00\n");
    ::chmod(userFile().c_str(), 0644);
    FileRegistry registry(configDirectory(), m_notices);
    auto key = registry.openKey(RootKey::CurrentUser, settingsKey, false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readValue("Multi")->type, RegistryType::Other);
    EXPECT_EQ(key->readValue("Path"), RegistryValue::fromExpandString("%"));
    key->writeDword("New", 1);
    key->close();
    const std::string text = readWholeFile(userFile());
    EXPECT_NE(text.find("\"Multi\"=hex(7):61,00,00,00,00,00\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Path\"=hex(2):25,00,00,00\n"), std::string::npos) << text;

    EXPECT_EQ(test::modeOf(userFile()), 0600);
    EXPECT_EQ(test::namesIn(configDirectory()),
              (std::vector<std::string>{"HKEY_CURRENT_USER.reg", "HKEY_CURRENT_USER.reg.lock"}))
        << "no temporary file is left";

    FileRegistry fresh(m_folder.file("new/deeper"), m_notices);
    fresh.openKey(RootKey::LocalMachine, "Software", true);
    EXPECT_EQ(test::modeOf(m_folder.file("new/deeper")), 0700);
    EXPECT_TRUE(std::filesystem::exists(m_folder.file("new/deeper/HKEY_LOCAL_MACHINE.reg")));
}

// Clears, in this process only, the capabilities that let the superuser pass
// over file permissions, so a permission check binds whoever runs the tests.
bool dropPermissionOverride()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    std::array<__user_cap_data_struct, 2> data{};
    if (::syscall(SYS_capget, &header, data.data()) != 0) {
        return false;
    }
    for (const unsigned capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[capability / 32].effective &= ~(1u << (capability % 32));
    }
    return ::syscall(SYS_capset, &header, data.data()) == 0;
}

TEST_F(FileRegistryTest, AnUnwritableFolderGivesAnErrorNotACrash)
{
    std::filesystem::create_directories(configDirectory());
    ::chmod(configDirectory().c_str(), 0500);
    const int status = test::exitStatusInChild([&] {
        if (!dropPermissionOverride()) {
            return 2;
        }
        std::ostringstream notices;
        FileRegistry registry(configDirectory(), notices);
        try {
            registry.openKey(RootKey::CurrentUser, settingsKey, true);
        } catch (const RegistryError&) {
            return 0;
        }
        return 1;
    });
    ::chmod(configDirectory().c_str(), 0700);
    EXPECT_EQ(status, 0) << "2: the capabilities could not be dropped; 1: no error was raised";
}

} // namespace
} // namespace cdx
