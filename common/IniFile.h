#pragma once
// A settings file opened for one short group of reads or writes. Every call is one
// call of the operating system's private profile functions: nothing is cached.
#include <cstdint>
#include <string>

class IniFile {
public:
    // A name without a directory means the Windows directory.
    explicit IniFile(std::string fileName);

    const std::string& FileName() const noexcept { return fileName_; }

    // At most 2047 characters come back; a longer stored value is cut.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    std::int32_t ReadInteger(const std::string& section, const std::string& key,
                             std::int32_t defaultValue) const;
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Raise Exception "Unable to write to <file name>" when the system refuses.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);

private:
    std::string fileName_;
};
