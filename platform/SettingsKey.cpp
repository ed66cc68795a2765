#include "platform/SettingsKey.h"

#include "base/Utf16.h"
#include "platform/SystemPaths.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace talvoren
{
namespace
{
std::string g_defaultKeyPath;

struct Value {
    std::string name;
    bool isDword = true;
    std::uint32_t dword = 0;
    std::string text;
};

struct Section {
    std::string path;
    std::vector<Value> values;
};

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '\\' || ch == '"')
            out += '\\';
        if (ch == '\n')
            out += "\\n";
        else if (ch == '\r')
            out += "\\r";
        else
            out += ch;
    }
    return out + "\"";
}

// Reads a quoted text starting at `pos` (on the opening quote). Returns false
// when it is not closed.
bool Unquote(const std::string& line, std::size_t& pos, std::string& text)
{
    text.clear();
    if (pos >= line.size() || line[pos] != '"')
        return false;
    for (++pos; pos < line.size(); ++pos) {
        char ch = line[pos];
        if (ch == '"') {
            ++pos;
            return true;
        }
        if (ch == '\\' && pos + 1 < line.size()) {
            ch = line[++pos];
            if (ch == 'n')
                ch = '\n';
            else if (ch == 'r')
                ch = '\r';
        }
        text += ch;
    }
    return false;
}

// Parses a store file. Lines that do not parse are dropped.
std::vector<Section> Parse(const std::string& content)
{
    std::vector<Section> sections;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string::npos && close > 0)
                sections.push_back({line.substr(1, close - 1), {}});
            continue;
        }
        if (sections.empty())
            continue;
        Value value;
        std::size_t pos = 0;
        if (!Unquote(line, pos, value.name) || pos >= line.size() || line[pos] != '=')
            continue;
        ++pos;
        if (line.compare(pos, 6, "dword:") == 0) {
            const std::string digits = line.substr(pos + 6);
            if (digits.empty() || digits.size() > 8 ||
                !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
                continue;
            value.dword = static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16));
        } else {
            value.isDword = false;
            if (!Unquote(line, pos, value.text))
                continue;
        }
        sections.back().values.push_back(std::move(value));
    }
    return sections;
}

std::string Format(const std::vector<Section>& sections)
{
    std::string out = "; Talvoren settings\n";
    for (const Section& section : sections) {
        out += "[" + section.path + "]\n";
        for (const Value& value : section.values) {
            out += Quote(value.name) + "=";
            if (value.isDword) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "dword:%08x", static_cast<unsigned>(value.dword));
                out += hex;
            } else {
                out += Quote(value.text);
            }
            out += "\n";
        }
    }
    return out;
}

bool Load(const std::string& file, std::vector<Section>& sections)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    sections = Parse(content.str());
    return true;
}

// Replaces the file in one step. False when it cannot be written.
bool Save(const std::string& file, const std::vector<Section>& sections)
{
    const std::string temporary = file + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << Format(sections);
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

Section* FindSection(std::vector<Section>& sections, const std::string& path)
{
    for (Section& section : sections)
        if (SameName(section.path, path))
            return &section;
    return nullptr;
}

const Value* FindValue(const std::string& file, const std::string& path, const char* name)
{
    static std::vector<Section> sections;   // reused buffer; the store is used on one thread
    if (!name || !Load(file, sections))
        return nullptr;
    Section* section = FindSection(sections, path);
    if (!section)
        return nullptr;
    for (const Value& value : section->values)
        if (SameName(value.name, name))
            return &value;
    return nullptr;
}

// Bytes that a text value takes as UTF-16 with its terminating zero.
std::size_t StringBytes(const std::string& text)
{
    return (Utf16Length(text) + 1) * 2;
}
} // namespace

void CSettingsKey::SetDefaultKeyPath(const std::string& path)
{
    g_defaultKeyPath = path;
}

const std::string& CSettingsKey::GetDefaultKeyPath()
{
    return g_defaultKeyPath;
}

std::string CSettingsKey::StoreFilePath(SettingsRoot root)
{
    return JoinPath(ConfigFolder(), root == SettingsRoot::LocalMachine ? "settings.ini" : "user.ini");
}

CSettingsKey::~CSettingsKey()
{
    Close();
}

long CSettingsKey::Open(SettingsRoot root, const char* subKey)
{
    Close();
    const std::string path = subKey ? subKey : g_defaultKeyPath;
    const std::string file = StoreFilePath(root);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);

    std::vector<Section> sections;
    const bool exists = Load(file, sections);
    if (exists ? ::access(file.c_str(), W_OK) != 0 : false)
        return kAccessDenied;
    if (!FindSection(sections, path)) {
        sections.push_back({path, {}});
        if (!Save(file, sections))
            return kAccessDenied;
    }
    m_root = root;
    m_strPath = path;
    m_bOpen = true;
    m_bWritable = true;
    return kSuccess;
}

long CSettingsKey::OpenForReading(SettingsRoot root, const char* subKey)
{
    Close();
    const std::string path = subKey ? subKey : g_defaultKeyPath;
    std::vector<Section> sections;
    if (!Load(StoreFilePath(root), sections) || !FindSection(sections, path))
        return kNotFound;
    m_root = root;
    m_strPath = path;
    m_bOpen = true;
    m_bWritable = false;
    return kSuccess;
}

long CSettingsKey::ReadDword(const char* name, std::uint32_t* value) const
{
    if (!m_bOpen || !value)
        return kNotFound;
    const Value* stored = FindValue(StoreFilePath(m_root), m_strPath, name);
    if (!stored)
        return kNotFound;
    if (stored->isDword) {
        *value = stored->dword;
        return kSuccess;
    }
    // Another kind of value: its UTF-16 bytes, when they fit four bytes.
    if (StringBytes(stored->text) > 4)
        return kMoreData;
    const std::u16string units = Utf8ToUtf16(stored->text);
    *value = units.empty() ? 0u : static_cast<std::uint32_t>(units[0]);
    return kSuccess;
}

long CSettingsKey::ReadString(const char* name, std::string* value, std::size_t bufferBytes) const
{
    if (!m_bOpen || !value)
        return kNotFound;
    const Value* stored = FindValue(StoreFilePath(m_root), m_strPath, name);
    if (!stored)
        return kNotFound;
    if (stored->isDword) {
        if (bufferBytes < 4)
            return kMoreData;
        *value = std::string();
        return kSuccess;
    }
    if (StringBytes(stored->text) > bufferBytes)
        return kMoreData;
    *value = stored->text;
    return kSuccess;
}

namespace
{
long StoreValue(SettingsRoot root, const std::string& path, Value value)
{
    const std::string file = CSettingsKey::StoreFilePath(root);
    std::vector<Section> sections;
    Load(file, sections);
    Section* section = FindSection(sections, path);
    if (!section) {
        sections.push_back({path, {}});
        section = &sections.back();
    }
    auto existing = std::find_if(section->values.begin(), section->values.end(),
                                 [&](const Value& v) { return SameName(v.name, value.name); });
    if (existing != section->values.end())
        *existing = std::move(value);
    else
        section->values.push_back(std::move(value));
    return Save(file, sections) ? CSettingsKey::kSuccess : CSettingsKey::kAccessDenied;
}
} // namespace

long CSettingsKey::WriteDword(const char* name, std::uint32_t value)
{
    if (!m_bOpen || !m_bWritable || !name)
        return kAccessDenied;
    Value stored;
    stored.name = name;
    stored.dword = value;
    return StoreValue(m_root, m_strPath, std::move(stored));
}

long CSettingsKey::WriteString(const char* name, const std::string& value)
{
    if (!m_bOpen || !m_bWritable || !name)
        return kAccessDenied;
    Value stored;
    stored.name = name;
    stored.isDword = false;
    stored.text = value;
    return StoreValue(m_root, m_strPath, std::move(stored));
}

void CSettingsKey::Close()
{
    m_bOpen = false;
    m_bWritable = false;
    m_strPath.clear();
}

} // namespace talvoren
