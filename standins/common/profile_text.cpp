#include "standins/common/profile_text.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The inside of a quoted value; an unknown or cut escape is kept as it stands.
std::string Unquote(const std::string& quoted)
{
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        char c = quoted[i];
        if (c != '\\' || i + 1 >= quoted.size()) {
            out += c;
            continue;
        }
        char next = quoted[i + 1];
        switch (next) {
        case '\\': out += '\\'; ++i; break;
        case '"': out += '"'; ++i; break;
        case 'n': out += '\n'; ++i; break;
        case 'r': out += '\r'; ++i; break;
        case 't': out += '\t'; ++i; break;
        case 'x': {
            int high = i + 2 < quoted.size() ? HexDigit(quoted[i + 2]) : -1;
            int low = i + 3 < quoted.size() ? HexDigit(quoted[i + 3]) : -1;
            if (high < 0 || low < 0) {
                out += c;
                break;
            }
            out += static_cast<char>(high * 16 + low);
            i += 3;
            break;
        }
        default: out += c; break;
        }
    }
    return out;
}

bool NeedsQuotes(const std::string& value)
{
    if (value.empty())
        return false;
    if (IsBlank(value.front()) || IsBlank(value.back()) || value.front() == '"')
        return true;
    for (unsigned char c : value)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

std::string Quote(const std::string& value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (unsigned char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += digits[c >> 4];
                out += digits[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    return out;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool SameProfileName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

const std::string* ProfileSection::Find(const std::string& key) const
{
    for (const auto& entry : values)
        if (SameProfileName(entry.key, key))
            return &entry.value;
    return nullptr;
}

void ProfileSection::Set(const std::string& key, const std::string& value)
{
    for (auto& entry : values)
        if (SameProfileName(entry.key, key)) {
            entry.value = value;
            return;
        }
    values.push_back({key, value});
}

const ProfileSection* ProfileText::Find(const std::string& name) const
{
    for (const auto& section : sections)
        if (SameProfileName(section.name, name))
            return &section;
    return nullptr;
}

ProfileSection& ProfileText::Add(const std::string& name)
{
    sections.push_back({name, {}});
    return sections.back();
}

ProfileText ParseProfileText(const std::string& text)
{
    ProfileText profile;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            size_t close = line.find(']');
            if (close == std::string::npos) {
                ++profile.skippedLines;
                continue;
            }
            profile.Add(Trim(line.substr(1, close - 1)));
            continue;
        }
        size_t equals = line.find('=');
        std::string key = equals == std::string::npos ? std::string() : Trim(line.substr(0, equals));
        if (key.empty()) {
            ++profile.skippedLines;
            continue;
        }
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = Unquote(value.substr(1, value.size() - 2));
        if (profile.sections.empty())
            profile.Add("");
        profile.sections.back().values.push_back({key, value});
    }
    return profile;
}

std::string FormatProfileText(const ProfileText& profile, const std::vector<std::string>& header)
{
    std::string out;
    for (const auto& line : header)
        out += "; " + line + "\r\n";
    for (const auto& section : profile.sections) {
        if (!out.empty())
            out += "\r\n";
        out += "[" + section.name + "]\r\n";
        for (const auto& entry : section.values)
            out += entry.key + "=" + (NeedsQuotes(entry.value) ? Quote(entry.value) : entry.value) + "\r\n";
    }
    return out;
}
