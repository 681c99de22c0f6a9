#include "platform/os/registry.h"

#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/text.h"
#include "platform/os/paths.h"

namespace pelk::os {

namespace {

namespace text = core::text;

struct StoredValue {
    std::string name;
    std::uint32_t type = kRegNone;
    std::string bytes;
};

struct StoredKey {
    RegistryKey root = 0;
    std::string path;  // parts joined by one backslash, no backslash at either end
    std::vector<StoredValue> values;
};

struct OpenKey {
    RegistryKey root = 0;
    std::string path;
};

bool isRoot(RegistryKey k) {
    return k == kClassesRoot || k == kCurrentUser || k == kLocalMachine || k == kUsers || k == kCurrentConfig;
}

std::optional<RegistryKey> rootNamed(std::string_view name) {
    static const struct {
        const char* longName;
        const char* shortName;
        RegistryKey key;
    } kRoots[] = {{"HKEY_CLASSES_ROOT", "HKCR", kClassesRoot},
                  {"HKEY_CURRENT_USER", "HKCU", kCurrentUser},
                  {"HKEY_LOCAL_MACHINE", "HKLM", kLocalMachine},
                  {"HKEY_USERS", "HKU", kUsers},
                  {"HKEY_CURRENT_CONFIG", "HKCC", kCurrentConfig}};
    for (const auto& r : kRoots)
        if (text::equalsNoCase(name, r.longName) || text::equalsNoCase(name, r.shortName)) return r.key;
    return std::nullopt;
}

// "A\\B\" and "\A\B" name the key A\B.
std::string normalKeyPath(std::string_view path) {
    std::string out;
    std::string part;
    auto flush = [&] {
        if (part.empty()) return;
        if (!out.empty()) out += '\\';
        out += part;
        part.clear();
    };
    for (char c : path) {
        if (c == '\\')
            flush();
        else
            part += c;
    }
    flush();
    return out;
}

bool isUnder(std::string_view path, std::string_view key) {
    if (key.empty()) return true;
    if (path.size() < key.size() || !text::equalsNoCase(path.substr(0, key.size()), key)) return false;
    return path.size() == key.size() || path[key.size()] == '\\';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> hexNumber(std::string_view s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    std::uint32_t n = 0;
    for (char c : s) {
        int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        n = n * 16 + static_cast<std::uint32_t>(d);
    }
    return n;
}

// A quoted text at `pos` ("…" with \\ and \" as escapes); `pos` moves past its closing quote.
std::optional<std::string> quoted(std::string_view line, std::size_t& pos) {
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = pos + 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == '"')) c = line[++i];
        out += c;
    }
    return std::nullopt;
}

// "61,62,63" (blanks allowed around the bytes); an empty list is no bytes.
std::optional<std::string> hexBytes(std::string_view list) {
    std::string bytes;
    std::string t = text::trim(list);
    if (t.empty()) return bytes;
    std::size_t start = 0;
    while (start <= t.size()) {
        std::size_t comma = t.find(',', start);
        std::string one = text::trim(
            std::string_view(t).substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        auto b = hexNumber(one, 2);
        if (!b) return std::nullopt;
        bytes += static_cast<char>(*b);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return bytes;
}

// One value line: "name"=data or @=data.
std::optional<StoredValue> valueLine(std::string_view line) {
    StoredValue v;
    std::size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else if (auto name = quoted(line, pos)) {
        v.name = *name;
    } else {
        return std::nullopt;
    }
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    std::string data = text::trim(line.substr(pos + 1));
    if (!data.empty() && data[0] == '"') {
        std::size_t at = 0;
        auto t = quoted(data, at);
        if (!t || !text::trim(std::string_view(data).substr(at)).empty()) return std::nullopt;
        v.type = kRegText;
        v.bytes = *t + '\0';
        return v;
    }
    if (text::startsWithNoCase(data, "dword:")) {
        auto n = hexNumber(std::string_view(data).substr(6), 8);
        if (!n) return std::nullopt;
        v.type = kRegNumber;
        for (int i = 0; i < 4; ++i) v.bytes += static_cast<char>((*n >> (8 * i)) & 0xFF);
        return v;
    }
    std::string_view rest;
    if (text::startsWithNoCase(data, "hex:")) {
        v.type = kRegBinary;
        rest = std::string_view(data).substr(4);
    } else if (text::startsWithNoCase(data, "hex(")) {
        std::size_t close = data.find("):");
        if (close == std::string::npos) return std::nullopt;
        auto type = hexNumber(std::string_view(data).substr(4, close - 4), 8);
        if (!type) return std::nullopt;
        v.type = *type;
        rest = std::string_view(data).substr(close + 2);
    } else {
        return std::nullopt;
    }
    auto bytes = hexBytes(rest);
    if (!bytes) return std::nullopt;
    v.bytes = std::move(*bytes);
    return v;
}

// The file as it stands now; a missing file is an empty registry.
std::vector<StoredKey> readRegistry() {
    std::vector<StoredKey> keys;
    std::ifstream in(registryFile(), std::ios::binary);
    if (!in) return keys;
    StoredKey* current = nullptr;
    std::string raw;
    std::string line;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        line += text::trim(raw);
        // A list of hex bytes goes on to the next line after a closing backslash.
        if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
            line.pop_back();
            continue;
        }
        std::string l;
        l.swap(line);
        if (l.empty() || l[0] == ';' || l[0] == '#') continue;
        if (l[0] == '[') {
            current = nullptr;
            if (l.back() != ']') continue;
            std::string name = l.substr(1, l.size() - 2);
            std::size_t slash = name.find('\\');
            auto root = rootNamed(name.substr(0, slash));
            if (!root) continue;
            std::string path = normalKeyPath(slash == std::string::npos ? "" : name.substr(slash + 1));
            for (StoredKey& k : keys)
                if (k.root == *root && text::equalsNoCase(k.path, path)) current = &k;
            if (!current) current = &keys.emplace_back(StoredKey{*root, path, {}});
            continue;
        }
        if (!current) continue;
        auto v = valueLine(l);
        if (!v) continue;
        // A name given twice keeps the later value, as importing the file would.
        std::erase_if(current->values, [&](const StoredValue& old) { return text::equalsNoCase(old.name, v->name); });
        current->values.push_back(std::move(*v));
    }
    return keys;
}

std::mutex& handlesMutex() {
    static std::mutex m;
    return m;
}
std::map<RegistryKey, OpenKey>& handles() {
    static std::map<RegistryKey, OpenKey> h;
    return h;
}
RegistryKey& nextHandle() {
    static RegistryKey n = 0x100;
    return n;
}

// The root and path an open key (or a root) stands for.
std::optional<OpenKey> resolve(RegistryKey key) {
    if (isRoot(key)) return OpenKey{key, ""};
    std::lock_guard lock(handlesMutex());
    auto it = handles().find(key);
    if (it == handles().end()) return std::nullopt;
    return it->second;
}

}  // namespace

std::filesystem::path registryFile() { return stationFolder() / "registry.reg"; }

long regOpenKey(RegistryKey root, std::string_view subKey, std::uint32_t access, RegistryKey* opened) {
    if (!opened) return kRegInvalidHandle;
    *opened = 0;
    auto base = resolve(root);
    if (!base) return kRegInvalidHandle;
    // Reading, and the choice of the 32- or 64-bit view, which this registry does not have.
    constexpr std::uint32_t kViews = 0x100 | 0x200;
    if ((access & ~(kKeyRead | kViews)) != 0) return kRegAccessDenied;
    std::string path = normalKeyPath(base->path + "\\" + std::string(subKey));
    if (!path.empty()) {
        bool exists = false;
        for (const StoredKey& k : readRegistry())
            if (k.root == base->root && isUnder(k.path, path)) exists = true;
        if (!exists) return kRegNotFound;
    }
    std::lock_guard lock(handlesMutex());
    RegistryKey handle = nextHandle();
    nextHandle() += 4;
    handles()[handle] = OpenKey{base->root, path};
    *opened = handle;
    return kRegSuccess;
}

long regQueryValue(RegistryKey key, std::string_view valueName, std::uint32_t* type, unsigned char* data,
                   std::uint32_t* size) {
    auto at = resolve(key);
    if (!at) return kRegInvalidHandle;
    if (data && !size) return kRegInvalidHandle;
    for (const StoredKey& k : readRegistry()) {
        if (k.root != at->root || !text::equalsNoCase(k.path, at->path)) continue;
        for (const StoredValue& v : k.values) {
            if (!text::equalsNoCase(v.name, valueName)) continue;
            if (type) *type = v.type;
            auto length = static_cast<std::uint32_t>(v.bytes.size());
            if (data && *size < length) {
                *size = length;
                return kRegMoreData;
            }
            if (data) std::memcpy(data, v.bytes.data(), length);
            if (size) *size = length;
            return kRegSuccess;
        }
    }
    return kRegNotFound;
}

long regCloseKey(RegistryKey key) {
    if (isRoot(key)) return kRegSuccess;
    std::lock_guard lock(handlesMutex());
    return handles().erase(key) ? kRegSuccess : kRegInvalidHandle;
}

}  // namespace pelk::os
