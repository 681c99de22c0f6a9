#include "support/sheet_read_back.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <regex>

namespace pelk::test {

namespace fs = std::filesystem;

namespace {

std::string unzip(const fs::path& xlsx, const std::string& entry) {
    std::string out;
    std::string cmd = "unzip -p '" + xlsx.string() + "' " + entry + " 2>/dev/null";
    if (FILE* f = popen(cmd.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = std::fread(buf, 1, sizeof buf, f)) out.append(buf, n);
        pclose(f);
    }
    return out;
}

// Every element `tag` of the text, whole: "<tag …/>" or "<tag …>…</tag>" (no nesting of the same tag).
std::vector<std::string> elements(const std::string& xml, const std::string& tag) {
    std::vector<std::string> out;
    const std::string open = "<" + tag, close = "</" + tag + ">";
    for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
        std::size_t after = at + open.size();
        if (after >= xml.size() || !(xml[after] == '>' || xml[after] == '/' || std::isspace(uint8_t(xml[after]))))
            continue;
        std::size_t end = xml.find('>', after);
        if (end == std::string::npos) break;
        if (xml[end - 1] != '/') {
            std::size_t closing = xml.find(close, end);
            if (closing == std::string::npos) break;
            end = closing + close.size() - 1;
        }
        out.push_back(xml.substr(at, end - at + 1));
    }
    return out;
}

std::string attribute(const std::string& element, const std::string& name) {
    std::string tag = element.substr(0, element.find('>'));
    std::string key = " " + name + "=\"";
    std::size_t at = tag.find(key);
    if (at == std::string::npos) return {};
    at += key.size();
    return tag.substr(at, tag.find('"', at) - at);
}

std::string inner(const std::string& element, const std::string& tag) {
    std::smatch m;
    std::regex re("<" + tag + "[^>]*>([\\s\\S]*?)</" + tag + ">");
    return std::regex_search(element, m, re) ? m[1].str() : std::string();
}

// The content of the first <tag …>…</tag> inside an element, without a pattern: cells and texts
// are many.
std::string firstText(const std::string& element, const std::string& tag) {
    for (std::size_t at = element.find("<" + tag); at != std::string::npos; at = element.find("<" + tag, at + 1)) {
        char next = at + tag.size() + 1 < element.size() ? element[at + tag.size() + 1] : '\0';
        if (next != '>' && next != ' ') continue;
        std::size_t open = element.find('>', at);
        if (open == std::string::npos || element[open - 1] == '/') return {};
        return element.substr(open + 1, element.find("</" + tag + ">", open) - open - 1);
    }
    return {};
}

int rowOf(const std::string& ref) {
    std::size_t digits = ref.find_first_of("0123456789");
    return digits == std::string::npos ? 0 : std::stoi(ref.substr(digits));
}

}  // namespace

ReadBack::ReadBack(const fs::path& xlsx) {
    sheet_ = unzip(xlsx, "xl/worksheets/sheet1.xml");
    styles_ = unzip(xlsx, "xl/styles.xml");
    for (const auto& si : elements(unzip(xlsx, "xl/sharedStrings.xml"), "si")) strings_.push_back(firstText(si, "t"));
    for (const auto& c : elements(sheet_, "c")) {
        std::string ref = attribute(c, "r");
        // A text written in its cell (as a workbook written a row at a time has them) reads as
        // the same text kept in the shared texts.
        const bool inlineText = attribute(c, "t") == "inlineStr";
        cells_[ref] = Cell{c.substr(0, c.find('>') + 1), firstText(c, inlineText ? "t" : "v"), inlineText};
        lastRow_ = std::max(lastRow_, rowOf(ref));
    }
}

std::string ReadBack::value(const std::string& ref) const {
    auto it = cells_.find(ref);
    if (it == cells_.end()) return {};
    if (!it->second.inlineText && attribute(it->second.element, "t") == "s")
        return strings_.at(std::stoul(it->second.v));
    return it->second.v;
}

std::string ReadBack::type(const std::string& ref) const {
    auto it = cells_.find(ref);
    if (it == cells_.end()) return {};
    return it->second.inlineText ? "s" : attribute(it->second.element, "t");
}

std::string ReadBack::numberFormat(const std::string& ref) const {
    auto it = cells_.find(ref);
    return formatOfStyle(it == cells_.end() ? std::string() : attribute(it->second.element, "s"));
}

bool ReadBack::bold(const std::string& ref) const {
    auto it = cells_.find(ref);
    if (it == cells_.end()) return false;
    std::string s = attribute(it->second.element, "s");
    if (s.empty()) return false;
    std::string xf = elements(inner(styles_, "cellXfs"), "xf").at(std::stoul(s));
    std::string font = elements(inner(styles_, "fonts"), "font").at(std::stoul(attribute(xf, "fontId")));
    return font.find("<b/>") != std::string::npos;
}

std::string ReadBack::columnWidth(int column) const { return attribute(colElement(column), "width"); }

std::string ReadBack::columnFormat(int column) const { return formatOfStyle(attribute(colElement(column), "style")); }

std::string ReadBack::colElement(int column) const {
    for (const auto& c : elements(sheet_, "col")) {
        int lo = std::stoi(attribute(c, "min")), hi = std::stoi(attribute(c, "max"));
        if (column >= lo && column <= hi) return c;
    }
    return {};
}

std::string ReadBack::formatOfStyle(const std::string& style) const {
    if (style.empty()) return "General";
    std::string xf = elements(inner(styles_, "cellXfs"), "xf").at(std::stoul(style));
    std::string id = attribute(xf, "numFmtId");
    if (id == "0") return "General";
    for (const auto& f : elements(styles_, "numFmt")) {
        if (attribute(f, "numFmtId") == id) return attribute(f, "formatCode");
    }
    return "builtin " + id;
}

}  // namespace pelk::test
