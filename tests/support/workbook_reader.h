#pragma once

// A written workbook read back from its parts, as another program would read it: cells, their
// types, number formats and bold, and the columns' widths and formats.

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace pelk::test {

inline std::string unzip(const std::filesystem::path& xlsx, const std::string& entry) {
    std::string out;
    std::string cmd = "unzip -p '" + xlsx.string() + "' " + entry + " 2>/dev/null";
    if (FILE* f = popen(cmd.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = std::fread(buf, 1, sizeof buf, f)) out.append(buf, n);
        pclose(f);
    }
    return out;
}

inline std::vector<std::string> elements(const std::string& xml, const std::string& tag) {
    std::vector<std::string> out;
    std::regex re("<" + tag + "(?:\\s[^>]*)?(?:/>|>[\\s\\S]*?</" + tag + ">)");
    for (std::sregex_iterator it(xml.begin(), xml.end(), re), end; it != end; ++it) out.push_back(it->str());
    return out;
}

inline std::string attribute(const std::string& element, const std::string& name) {
    std::smatch m;
    std::regex re("\\s" + name + "=\"([^\"]*)\"");
    return std::regex_search(element, m, re) ? m[1].str() : std::string();
}

inline std::string inner(const std::string& element, const std::string& tag) {
    std::smatch m;
    std::regex re("<" + tag + "[^>]*>([\\s\\S]*?)</" + tag + ">");
    return std::regex_search(element, m, re) ? m[1].str() : std::string();
}

// A written workbook read back from its parts, as another program would read it.
class ReadBack {
public:
    explicit ReadBack(const std::filesystem::path& xlsx) {
        sheet_ = unzip(xlsx, "xl/worksheets/sheet1.xml");
        styles_ = unzip(xlsx, "xl/styles.xml");
        for (const auto& si : elements(unzip(xlsx, "xl/sharedStrings.xml"), "si")) strings_.push_back(inner(si, "t"));
    }
    bool has(const std::string& ref) const { return !cell(ref).empty(); }
    // The cell's text, or its number as written.
    std::string value(const std::string& ref) const {
        std::string c = cell(ref);
        std::string v = inner(c, "v");
        if (attribute(c, "t") == "s") return strings_.at(std::stoul(v));
        return v;
    }
    std::string type(const std::string& ref) const { return attribute(cell(ref), "t"); }
    std::string numberFormat(const std::string& ref) const { return formatOfStyle(attribute(cell(ref), "s")); }
    bool bold(const std::string& ref) const {
        std::string s = attribute(cell(ref), "s");
        if (s.empty()) return false;
        std::string xf = elements(inner(styles_, "cellXfs"), "xf").at(std::stoul(s));
        std::string font = elements(inner(styles_, "fonts"), "font").at(std::stoul(attribute(xf, "fontId")));
        return font.find("<b/>") != std::string::npos;
    }
    // The width and number format a column is given (for its empty cells too).
    std::string columnWidth(int column) const { return attribute(colElement(column), "width"); }
    std::string columnFormat(int column) const { return formatOfStyle(attribute(colElement(column), "style")); }

private:
    std::string cell(const std::string& ref) const {
        for (const auto& c : elements(sheet_, "c")) {
            if (attribute(c, "r") == ref) return c;
        }
        return {};
    }
    std::string colElement(int column) const {
        for (const auto& c : elements(sheet_, "col")) {
            int lo = std::stoi(attribute(c, "min")), hi = std::stoi(attribute(c, "max"));
            if (column >= lo && column <= hi) return c;
        }
        return {};
    }
    std::string formatOfStyle(const std::string& s) const {
        if (s.empty()) return "General";
        std::string xf = elements(inner(styles_, "cellXfs"), "xf").at(std::stoul(s));
        std::string id = attribute(xf, "numFmtId");
        if (id == "0") return "General";
        for (const auto& f : elements(styles_, "numFmt")) {
            if (attribute(f, "numFmtId") == id) return attribute(f, "formatCode");
        }
        return "builtin " + id;
    }
    std::string sheet_, styles_;
    std::vector<std::string> strings_;
};

}  // namespace pelk::test
