#include "platform/linux/RegistryDocument.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace cdx {
namespace {

const std::string root = "HKEY_CURRENT_USER";
const std::string header = "Windows Registry Editor Version 5.00\n\n";

RegistryDocument parseOk(const std::string& text)
{
    std::string error;
    auto document = RegistryDocument::parse(text, root, error);
    EXPECT_TRUE(document.has_value()) << error;
    return document ? std::move(*document) : RegistryDocument(root);
}

TEST(RegistryDocumentTest, EveryKindSurvivesARoundTrip)
{
    RegistryDocument document(root);
    std::vector<std::uint8_t> many(200);
    for (std::size_t i = 0; i < many.size(); ++i) {
        many[i] = static_cast<std::uint8_t>(i);
    }
    const std::string path = "Software\\Caldrix";
    document.setValue(path, {"Fan 1 Name", RegistryValue::fromString("CPU \"fan\" C:\\x\\ 45°C"), 0});
    document.setValue(path, {"Lines", RegistryValue::fromString("one\r\ntwo\tthree"), 0});
    document.setValue(path, {"Empty", RegistryValue::fromString(""), 0});
    document.setValue(path, {"Expand", RegistryValue::fromExpandString("%HOME%/x 😀"), 0});
    document.setValue(path, {"Interval", RegistryValue::fromDword(0xFFFFFFFF), 0});
    document.setValue(path, {"Zero", RegistryValue::fromDword(10), 0});
    document.setValue(path, {"Offset", RegistryValue::fromBinary({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}), 0});
    document.setValue(path, {"Long", RegistryValue::fromBinary(many), 0});
    document.setValue(path, {"None", RegistryValue::fromBinary({}), 0});
    document.setValue(path, {"", RegistryValue::fromString("default"), 0});
    RegistryValue multi;
    multi.type = RegistryType::Other;
    multi.bytes = {0x61, 0, 0, 0, 0, 0};
    document.setValue(path, {"Multi", multi, 7});
    document.createKey("Software\\Empty Key");

    const std::string text = document.serialize();
    EXPECT_NE(text.find("\"Zero\"=dword:0000000a\n"), std::string::npos);
    EXPECT_NE(text.find("\"Fan 1 Name\"=\"CPU \\\"fan\\\" C:\\\\x\\\\ 45°C\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"Lines\"=hex(1):"), std::string::npos);
    EXPECT_NE(text.find("@=\"default\""), std::string::npos);
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        EXPECT_LE(end - start, 80u) << "lines are wrapped like regedit's";
    }

    const RegistryDocument back = parseOk(text);
    for (const char* name :
         {"Fan 1 Name", "Lines", "Empty", "Expand", "Interval", "Zero", "Offset", "Long", "None", "", "Multi"}) {
        const auto* original = document.findValue(path, name);
        const auto* read = back.findValue(path, name);
        ASSERT_NE(read, nullptr) << name;
        EXPECT_EQ(read->value, original->value) << name;
        EXPECT_EQ(read->otherType, original->otherType) << name;
    }
    EXPECT_TRUE(back.hasKey("software\\empty key"));
    EXPECT_EQ(back.serialize(), text);
}

TEST(RegistryDocumentTest, ReadsAHandEditedExport)
{
    const std::string text = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                             "\r\n"
                             "; written by hand\r\n"
                             "[hkey_current_user\\Software\\Caldrix]   \r\n"
                             "\"Interval\" = dword:00001388\r\n"
                             "\"Bytes\"=hex:01,02,\\\r\n"
                             "  03,04\r\n"
                             "\"Path\"=hex(2):25,00,48,00,25,00,00,00\r\n"
                             "\"Word\"=hex(4):0a,00,00,00\r\n"
                             "\"Interval\"=dword:00000fa0\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Caldrix\\Sub]\r\n"
                             "\"Q\"=hex(b):01,00,00,00,00,00,00,00";
    const RegistryDocument document = parseOk(text);
    const std::string key = "SOFTWARE\\caldrix";
    ASSERT_NE(document.findValue(key, "INTERVAL"), nullptr);
    EXPECT_EQ(document.findValue(key, "interval")->value, RegistryValue::fromDword(4000)) << "the last one wins";
    EXPECT_EQ(document.findValue(key, "Bytes")->value, RegistryValue::fromBinary({1, 2, 3, 4}));
    EXPECT_EQ(document.findValue(key, "Path")->value, RegistryValue::fromExpandString("%H%"));
    EXPECT_EQ(document.findValue(key, "Word")->value, RegistryValue::fromDword(10));
    EXPECT_EQ(document.findValue(key + "\\sub", "q")->value.type, RegistryType::Other);
    EXPECT_TRUE(document.hasKey("Software"));
    EXPECT_FALSE(document.hasKey("Soft"));
}

TEST(RegistryDocumentTest, EmptyTextIsAnEmptyRootKeyAndDamagedOrTruncatedTextIsRejectedWhole)
{
    for (const char* empty : {"", "\n\n", "Windows Registry Editor Version 5.00\n"}) {
        EXPECT_FALSE(parseOk(empty).hasKey("Software")) << empty;
    }

    const std::string key = "[HKEY_CURRENT_USER\\Software\\Caldrix]\n";
    const std::vector<std::string> bad = {
        "REGEDIT4\n\n" + key,
        "Windows Registry Editor Version 5.0",
        header + "[HKEY_CURRENT_USER\\Software\\Cal",
        header + key + "\"Name\"=\"tex",
        header + key + "\"Na",
        header + key + "\"Name\"=",
        header + key + "\"Name\"=dword:0000000",
        header + key + "\"Name\"=dword:0000000g",
        header + key + "\"Name\"=dword:000000001",
        header + key + "\"Name\"=hex:01,0",
        header + key + "\"Name\"=hex:01,",
        header + key + "\"Name\"=hex:01,02,\\\n",
        header + key + "\"Name\"=hex:01,02,\\",
        header + key + "\"Name\"=hex(zz):01",
        header + key + "\"Name\"=\"a\\nb\"",
        header + key + "\"Name\"=\"ok\" trailing",
        header + key + "\"Name\"=-",
        header + key + "\"Name\"=text",
        header + key + "garbage",
        header + "\"Name\"=\"before any key\"",
        header + "[HKEY_LOCAL_MACHINE\\Software]\n",
        header + "[-HKEY_CURRENT_USER\\Software]\n",
        header + "[HKEY_CURRENT_USER\\Software\\\\Caldrix]\n",
        header + "[HKEY_CURRENT_USER\\]\n",
        header + key + "\"Name\"=\"\xC3\x28\"",
        header + key + "\"Na\x01me\"=\"x\"",
        header + key + "\"Name\"=\"a" + std::string(1, '\0') + "b\"",
        std::string(1, '\0') + header,
    };
    for (const std::string& text : bad) {
        std::string error;
        EXPECT_FALSE(RegistryDocument::parse(text, root, error).has_value()) << "accepted: " << text;
        EXPECT_FALSE(error.empty());
    }
}

TEST(RegistryDocumentTest, KeepingReadSetsAsideFaultyLinesOnly)
{
    const std::string text = header +                                   // 1-2
                             "[HKEY_CURRENT_USER\\Software\\Caldrix]\n" // 3
                             "\"A\"=dword:00000001\n"                   // 4
                             "\"B\"=\"a\\nb\"\n"                        // 5: bad escape
                             "[HKEY_LOCAL_MACHINE\\Software]\n"         // 6: foreign root
                             "\"C\"=hex:01,\\\n  02\n"                  // 7-8: under it
                             "[HKEY_CURRENT_USER\\Software\\Other]\n"   // 9
                             "\"D\"=hex:01,\\\n  0z\n"                  // 10-11: bad hex
                             "\"E\"=\"e\"\n"                            // 12
                             "\"F\"=hex:01,\\\n";                       // 13: cut at the end
    std::vector<RegistryDocument::Fault> faults;
    std::string error;
    const auto document = RegistryDocument::parseKeeping(text, root, faults, error);
    ASSERT_TRUE(document.has_value()) << error;
    EXPECT_EQ(document->valueCount(), 2u);
    EXPECT_EQ(document->findValue("Software\\Caldrix", "A")->value, RegistryValue::fromDword(1));
    EXPECT_EQ(document->findValue("Software\\Other", "E")->value, RegistryValue::fromString("e"));
    std::vector<std::size_t> lines;
    for (const auto& fault : faults) {
        lines.push_back(fault.line);
        EXPECT_FALSE(fault.reason.empty());
    }
    EXPECT_EQ(lines, (std::vector<std::size_t>{5, 6, 7, 10, 13}));

    // The strict reading refuses the same text at its first fault.
    EXPECT_FALSE(RegistryDocument::parse(text, root, error).has_value());
    EXPECT_EQ(error.rfind("line 5:", 0), 0u) << error;

    // Without its header a text is no export at all.
    EXPECT_FALSE(RegistryDocument::parseKeeping("\"A\"=dword:00000001\n", root, faults, error).has_value());
}

TEST(RegistryDocumentTest, HugeInputIsHandledInLinearTime)
{
    std::string error;
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Caldrix]\n";
    EXPECT_FALSE(RegistryDocument::parse(std::string(RegistryDocument::maxFileSize + 1, '\n'), root, error));
    EXPECT_NE(error.find("16 MiB"), std::string::npos);

    // One enormous line just below the file's limit is set aside as a value
    // too large to be written back; one at the value limit is kept.
    const std::string longLine = header + key + "\"Big\"=\"" + std::string(15 * 1024 * 1024, 'x') + "\"\n";
    EXPECT_FALSE(RegistryDocument::parse(longLine, root, error));
    EXPECT_NE(error.find("line 4"), std::string::npos) << error;
    const std::string largest = header + key + "\"Big\"=\"" + std::string(RegistryDocument::maxValueSize, 'x') + "\"\n";
    const auto big = RegistryDocument::parse(largest, root, error);
    ASSERT_TRUE(big.has_value()) << error;
    EXPECT_EQ(big->findValue("Software\\Caldrix", "big")->value.text.size(), RegistryDocument::maxValueSize);

    // Many values and many keys.
    std::string many = header;
    for (int k = 0; k < 2000; ++k) {
        many += "[HKEY_CURRENT_USER\\K" + std::to_string(k) + "]\n";
        for (int v = 0; v < 100; ++v) {
            many += "\"V" + std::to_string(v) + "\"=dword:00000001\n";
        }
    }
    const auto parsed = RegistryDocument::parse(many, root, error);
    ASSERT_TRUE(parsed.has_value()) << error;
    EXPECT_NE(parsed->findValue("k1999", "v99"), nullptr);
}

TEST(RegistryDocumentTest, PathsAreNormalisedAndChecked)
{
    EXPECT_EQ(RegistryDocument::normalizePath("\\Software\\Caldrix\\"), "Software\\Caldrix");
    EXPECT_EQ(RegistryDocument::normalizePath(""), "");
    EXPECT_FALSE(RegistryDocument::normalizePath("Software\\\\Caldrix"));
    EXPECT_FALSE(RegistryDocument::normalizePath("Soft\nware"));
    EXPECT_FALSE(RegistryDocument::normalizePath("\xFF"));
}

} // namespace
} // namespace cdx
