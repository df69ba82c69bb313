#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/StateFile.h"

namespace cdx {

// A state file in memory.
class FakeStateFile : public StateFile {
public:
    std::string path() const override { return "/state/caldrix/history"; }
    std::optional<std::string> read() override
    {
        if (failReads) {
            throw Error("cannot read " + path() + ": Permission denied");
        }
        return text;
    }
    void write(std::string_view newText) override
    {
        if (failWrites) {
            throw Error("cannot write " + path() + ": No space left on device");
        }
        text = std::string(newText);
        ++writes;
    }
    std::string setAside() override
    {
        setAsideTexts.push_back(text.value_or(""));
        text.reset();
        return path() + ".bad";
    }

    void remove() override { text.reset(); }

    std::optional<std::string> text;
    std::vector<std::string> setAsideTexts;
    int writes = 0;
    bool failReads = false;
    bool failWrites = false;
};

} // namespace cdx
