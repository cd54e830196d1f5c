#include "IniFile.h"

#include <windows.h>

#include "Exception.h"
#include "IniInteger.h"

namespace {
constexpr DWORD kReadBufferSize = 2048;
}

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    char buffer[kReadBufferSize];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                  buffer, kReadBufferSize, fileName_.c_str());
    return std::string(buffer, length);
}

std::int32_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                                  std::int32_t defaultValue) const {
    return ParseIniInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw Exception("Unable to write to " + fileName_);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}
